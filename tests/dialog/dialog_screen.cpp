#include "tests/dialog/dialog_screen.h"

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

ExpectedScreen DialogScreen(const std::vector<std::string>& answers, const Row& s, const Row& r,
                            const char* w) {
  ExpectedScreen screen;
  screen.Put(2, 1, "   Sorvanta v1", kAnswer);
  screen.Put(3, 1, "   Surround loudspeaker placement planner, by the Sorvanta developers",
             kAnswer);
  screen.Put(4, 1, "   https://sorvanta.example.org", kAnswer);
  const bool fixed = answers[2] == "Y" || answers[2] == "y";
  const char* prompts[] = {kQ1, kQ2, kQ3, fixed ? kQ4Fixed : kQ4Maximum, kQ5, kQ6};
  for (int i = 0; i < 6; ++i) {
    screen.Put(8 + i, 1, prompts[i], kPrompt);
    screen.Put(8 + i, 72, answers[static_cast<std::size_t>(i)], kAnswer);
  }
  screen.Put(16, 1, kLabel1, kPrompt).Put(16, 72, s.text, s.colour);
  screen.Put(17, 1, kLabel2, kPrompt).Put(17, 72, r.text, r.colour);
  if (w != nullptr) screen.Put(18, 1, kLabel3, kPrompt).Put(18, 72, w, kAnswer);
  screen.Put(21, 1, "   press any key to quit", kPrompt);
  return screen;
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
