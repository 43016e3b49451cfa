// The screen a dialog should leave behind, cell by cell, and the check against the memory
// console. The expectations serve every platform's whole-dialog tests: the memory platform's
// here, the browser's through the dialog table (tests/web/dialog_table.cpp).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dialog_test {

constexpr std::uint16_t kAnswer = 0xF0;   // black on bright white
constexpr std::uint16_t kPrompt = 0xF8;   // dark grey on bright white
constexpr std::uint16_t kWarning = 0xFC;  // light red on bright white

class ExpectedScreen {
 public:
  ExpectedScreen(int width = 80, int height = 22);
  // Text from (row, column), both from 1, running on to the next rows as the console does.
  ExpectedScreen& Put(int row, int column, std::string_view text, std::uint16_t attr);

  int width() const { return width_; }
  int height() const { return height_; }
  char Char(int row, int column) const { return chars_[Index(row, column)]; }
  std::uint16_t Attr(int row, int column) const { return attrs_[Index(row, column)]; }

 private:
  std::size_t Index(int row, int column) const {
    return static_cast<std::size_t>((row - 1) * width_ + (column - 1));
  }
  int width_;
  int height_;
  std::string chars_;
  std::vector<std::uint16_t> attrs_;
};

// The dialog's own texts, as they stand on the screen.
inline constexpr const char* kQ1 =
    "   Maximum front-back spacing of the centre and surround speakers?";
inline constexpr const char* kQ2 = "   Maximum side-side spacing of the front left/right speakers?";
inline constexpr const char* kQ3 = "   Is the surround speaker side-to-side spacing fixed [Y/N]?";
inline constexpr const char* kQ4Fixed = "   Side-to-side spacing of the surround speakers?";
inline constexpr const char* kQ4Maximum =
    "   Maximum side-to-side spacing of the surround speakers?";
inline constexpr const char* kQ5 =
    "   Height of the surround speakers above the listening position?";
inline constexpr const char* kQ6 =
    "   Angular position of the surround speakers in degrees [100 to 120]?";
inline constexpr const char* kLabel1 = "   Front-back spacing of the centre and surround speakers";
inline constexpr const char* kLabel2 =
    "   Listening distance and side-side spacing of the front L/R speakers";
inline constexpr const char* kLabel3 = "   Side-side spacing of the surround speakers";
inline constexpr const char* kYesNoMessage = "You must respond either Y or N  ";
inline constexpr const char* kAngleMessage =
    "You must respond with an angle between 100 and 120 degrees  ";
inline constexpr const char* kErrorCaption = "  ERROR";

// A result as the report prints it: its text and its colour.
struct Row {
  const char* text;
  std::uint16_t colour;
};

// The screen of a dialog whose answers (as they stand on the screen) are at most 8 characters
// long: s, r and w are the three results, w null when the surround spacing was fixed.
ExpectedScreen DialogScreen(const std::vector<std::string>& answers, const Row& s, const Row& r,
                            const char* w);

// Adds a failure for every row whose characters or attributes differ from the memory
// console's, showing both.
void ExpectScreen(const ExpectedScreen& expected);

}  // namespace dialog_test
