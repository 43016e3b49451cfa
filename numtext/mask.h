// Reading a FormatNumber mask: its sections, and what each section asks of the number.
#pragma once

#include <cstddef>
#include <string_view>

namespace numtext {

enum class MaskTokenKind {
  kZeroPlace,
  kHashPlace,
  kPoint,
  kComma,
  kPercent,
  kExponent,
  kText,
  kNone
};

struct MaskToken {
  MaskTokenKind kind;
  char c;          // the copied character (kText, kPercent) or the exponent letter
  bool plus;       // kExponent: "+" (always signed) rather than "-"
  std::size_t at;  // where the token starts in the section
};

// Steps through one section, character by character, in the mask's own terms.
class MaskTokenizer {
 public:
  explicit MaskTokenizer(std::string_view section) : text_(section) {}
  bool Next(MaskToken& token);

 private:
  MaskToken Read();
  std::string_view text_;
  std::size_t at_ = 0;
  bool quoted_ = false;
  bool point_ = false;
  bool exponent_ = false;
};

struct MaskSection {
  std::string_view text;
  std::size_t number_begin = 0;  // copied text before this goes in front of the number
  bool has_number = false;       // a digit place, a point or an exponent
  bool has_text = false;         // characters to copy
  std::size_t integer_places = 0;
  std::size_t integer_zeros = 0;  // the least number of integer digits
  std::size_t fraction_places = 0;
  std::size_t fraction_zeros = 0;  // fraction digits shown even when trailing zeros
  bool point = false;
  bool point_optional = false;  // the point only shows with fraction digits after it
  bool grouping = false;
  bool percent = false;
  bool exponent = false;
  char exponent_letter = 'E';
  bool exponent_plus = false;
  std::size_t exponent_zeros = 0;
};

struct MaskSections {
  std::string_view text[3];
  int count = 0;
};

MaskSections SplitMask(std::string_view mask);
MaskSection ReadSection(std::string_view section);

}  // namespace numtext
