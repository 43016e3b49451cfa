#include "dialog_screen.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/memory/memory_platform.h"

namespace dialog_test {

ExpectedScreen::ExpectedScreen(int width, int height)
    : width_(width),
      height_(height),
      chars_(static_cast<std::size_t>(width * height), ' '),
      attrs_(static_cast<std::size_t>(width * height), kAnswer) {}

ExpectedScreen& ExpectedScreen::Put(int row, int column, std::string_view text,
                                    std::uint16_t attr) {
  std::size_t at = Index(row, column);
  for (char c : text) {
    chars_.at(at) = c;
    attrs_.at(at) = attr;
    ++at;
  }
  return *this;
}

namespace {

std::string AttrRow(const ExpectedScreen& screen, int row, bool actual) {
  std::ostringstream out;
  out << std::hex;
  for (int column = 1; column <= screen.width(); ++column) {
    const std::uint16_t attr =
        actual ? platform::memory::Attr(row, column) : screen.Attr(row, column);
    out << (attr >> 4 & 0xF) << (attr & 0xF) << ' ';
  }
  return out.str();
}

}  // namespace

void ExpectScreen(const ExpectedScreen& expected) {
  const platform::VirtualConsole& console = platform::memory::Console();
  ASSERT_EQ(console.width(), expected.width());
  ASSERT_EQ(console.height(), expected.height());
  for (int row = 1; row <= expected.height(); ++row) {
    std::string want(static_cast<std::size_t>(expected.width()), ' ');
    for (int column = 1; column <= expected.width(); ++column)
      want[static_cast<std::size_t>(column - 1)] = expected.Char(row, column);
    const std::string got = platform::memory::Row(row);
    EXPECT_EQ(got, want) << "characters of row " << row;
    bool attrs_match = true;
    for (int column = 1; column <= expected.width(); ++column)
      attrs_match =
          attrs_match && platform::memory::Attr(row, column) == expected.Attr(row, column);
    EXPECT_TRUE(attrs_match) << "attributes of row " << row << "\n  want "
                             << AttrRow(expected, row, false) << "\n  got  "
                             << AttrRow(expected, row, true);
  }
}

}  // namespace dialog_test
