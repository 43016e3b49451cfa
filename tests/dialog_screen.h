// The screen a dialog should leave behind, cell by cell, and the check against the memory
// console.
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

// Adds a failure for every row whose characters or attributes differ from the memory
// console's, showing both.
void ExpectScreen(const ExpectedScreen& expected);

}  // namespace dialog_test
