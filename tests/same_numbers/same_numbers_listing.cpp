#include "tests/same_numbers/same_numbers_listing.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "app/answers.h"
#include "app/geometry.h"
#include "app/result_text.h"
#include "numtext/numtext.h"
#include "tests/support/extended_test_support.h"

namespace same_numbers {
namespace {

// splitmix64: the same sequence from every standard library, unlike the <random> distributions.
class Generator {
 public:
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
    return z ^ (z >> 31);
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
  char Digit() { return static_cast<char>('0' + Below(10)); }

 private:
  std::uint64_t state_ = 20261208;
};

std::string Digits(Generator& g, int count) {
  std::string s;
  for (int i = 0; i < count; ++i) s += g.Digit();
  return s;
}

// A decimal with up to 22 digits, a point somewhere, and an exponent of any size now and then.
std::string DecimalText(Generator& g) {
  std::string s = g.Below(5) == 0 ? "-" : "";
  const std::string digits = Digits(g, 1 + g.Below(22));
  const int point = g.Below(static_cast<int>(digits.size()) + 2) - 1;
  s += point < 0 ? digits : digits.substr(0, point) + "." + digits.substr(point);
  if (g.Below(3) == 0) {
    static const int kScales[] = {3, 30, 400, 5000};
    s += g.Below(2) == 0 ? "E" : "d";
    s += g.Below(2) == 0 ? "-" : "+";
    s += std::to_string(g.Below(kScales[g.Below(4)]));
  }
  return s;
}

std::string RadixText(Generator& g) {
  static const char* const kBases[] = {"&H", "&h", "&O", "&B", "&", "&Q"};
  static const char* const kSuffixes[] = {"", "", "%", "&", "&&", "?", "??"};
  static const char kHex[] = "0123456789ABCDEFabcdef";
  std::string s = kBases[g.Below(6)];
  const int count = 1 + g.Below(18);
  for (int i = 0; i < count; ++i) s += kHex[g.Below(22)];
  return s + kSuffixes[g.Below(7)];
}

std::string AngleText(Generator& g) {
  // One call per statement: the order in which the operands of + are evaluated is the
  // compiler's, and differs between processors.
  std::string s = "1" + std::to_string(g.Below(3));
  s += g.Digit();
  if (s > "120") s = "120";
  if (s < "100") s = "100";
  if (g.Below(3) != 0) s += "." + Digits(g, 1 + g.Below(20));
  return s;
}

std::string LengthText(Generator& g) {
  switch (g.Below(8)) {
    case 0:
      return RadixText(g);
    case 1:
      return "";
    case 2:
    case 3:
    case 4:  // lengths as people type them
    {
      const std::string whole = std::to_string(g.Below(30));
      return whole + "." + Digits(g, 1 + g.Below(3));
    }
    default:
      return DecimalText(g);
  }
}

// Printable without quotes or backslashes, so that every line can stand in a C string.
std::string Shown(const std::string& text) {
  std::string s;
  for (const char c : text) {
    if (c < ' ' || c > '~' || c == '"' || c == '\\') {
      char hex[8];
      std::snprintf(hex, sizeof hex, "<%02x>", static_cast<unsigned char>(c));
      s += hex;
    } else {
      s += c;
    }
  }
  return s;
}

std::string DoubleBits(double d) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &d, sizeof bits);
  char hex[24];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(bits));
  return hex;
}

std::string TextLine(const std::string& text) {
  const Extended x = numtext::ReadNumber(text);
  return "[" + Shown(text) + "] " + testing_support::BitsText(x) + " " +
         numtext::FormatNumber(x, "0.00").substr(0, 40) + " " + numtext::FormatNumber(x, "");
}

std::string LayoutLine(const app::Answers& a) {
  const app::Layout layout = app::ComputeLayout(a);
  std::string line = "[" + Shown(a.front_back_limit) + "|" + Shown(a.front_width_limit) + "|" +
                     a.surround_fixed + "|" + Shown(a.surround_width) + "|" +
                     Shown(a.surround_height) + "|" + Shown(a.surround_angle) + "]";
  line += " R " + DoubleBits(layout.listening_distance) + " S " + DoubleBits(layout.front_back);
  if (layout.has_surround_width) line += " W " + DoubleBits(layout.surround_width);
  line += " " + app::FormatResult(layout.front_back).substr(0, 40) + " " +
          app::FormatResult(layout.listening_distance).substr(0, 40);
  return line;
}

}  // namespace

std::vector<std::string> Listing() {
  Generator g;
  std::vector<std::string> lines;
  for (int i = 0; i < 600; ++i) {
    lines.push_back(TextLine(g.Below(4) == 0 ? RadixText(g) : DecimalText(g)));
  }
  for (int i = 0; i < 400; ++i) {
    const std::string a = LengthText(g), b = LengthText(g);
    const std::string fixed = g.Below(2) == 0 ? "Y" : "N";
    const std::string u = LengthText(g), h = LengthText(g);
    lines.push_back(LayoutLine(app::Answers{a, b, fixed, u, h, AngleText(g)}));
  }
  return lines;
}

}  // namespace same_numbers
