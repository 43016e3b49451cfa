// The console screen on the memory platform: every cell and attribute after each operation.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "console/console.h"
#include "platform/memory/memory_platform.h"
#include "tests/console/console_test_support.h"

namespace {

namespace memory = platform::memory;
using platform::CursorInfo;
using platform::StdStream;

constexpr std::uint16_t kGreyOnBlack = 0x07;
constexpr std::uint16_t kBlackOnWhite = 0xF0;
constexpr std::uint16_t kRedOnWhite = 0xFC;

using console_test::CursorCallsFrom;
using console_test::StartOn;

// Rows 1.. of the screen, each padded to the width.
std::vector<std::string> Rows() {
  std::vector<std::string> rows;
  for (int row = 1; row <= memory::Console().height(); ++row) rows.push_back(memory::Row(row));
  return rows;
}

struct Position {
  int row;
  int column;
  friend bool operator==(const Position&, const Position&) = default;
};

Position Cursor() {
  return {memory::CursorRowOnScreen(), memory::CursorColumn()};
}

void PrintTo(const Position& p, std::ostream* os) {
  *os << "(" << p.row << ", " << p.column << ")";
}

// Wrapping: where the text lands and where the cursor ends, on a 10 x 4 screen.
struct WrapCase {
  const char* name;
  Position start;
  std::string text;
  std::vector<std::string> rows;
  Position cursor;
};

TEST(ConsoleScreen, TextWrapsAtTheRightEdge) {
  const std::vector<WrapCase> cases = {
      {"inside a row", {1, 3}, "abc", {"  abc     ", "", "", ""}, {1, 6}},
      {"fills a row", {2, 1}, "0123456789", {"", "0123456789", "", ""}, {3, 1}},
      {"runs on", {1, 8}, "abcde", {"       abc", "de        ", "", ""}, {2, 3}},
      {"over three rows",
       {1, 1},
       std::string(25, 'x'),
       {std::string(10, 'x'), std::string(10, 'x'), "xxxxx     ", ""},
       {3, 6}},
      {"control bytes take a cell", {3, 1}, "a\r\nb\t\a", {"", "", "a\r\nb\t\a    ", ""}, {3, 7}},
  };
  for (const WrapCase& c : cases) {
    SCOPED_TRACE(c.name);
    StartOn(10, 4);
    console::MoveCursor(c.start.row, c.start.column);
    console::PrintText(c.text);
    for (std::size_t i = 0; i < c.rows.size(); ++i) {
      std::string expected = c.rows[i];
      expected.resize(10, ' ');
      EXPECT_EQ(memory::Row(static_cast<int>(i) + 1), expected) << "row " << i + 1;
    }
    EXPECT_EQ(Cursor(), c.cursor);
  }
}

TEST(ConsoleScreen, EightyFiveBytesOnAnEightyColumnScreen) {
  StartOn(80, 25);
  console::SetColor(8, 15, 0);
  console::PrintText(std::string(85, 'q'));
  EXPECT_EQ(memory::Row(1), std::string(80, 'q'));
  EXPECT_EQ(memory::Row(2), std::string(5, 'q') + std::string(75, ' '));
  EXPECT_EQ(Cursor(), (Position{2, 6}));
  EXPECT_EQ(memory::Attr(2, 5), 0xF8);
  EXPECT_EQ(memory::Attr(2, 6), kGreyOnBlack);
}

// A screen wider than one staging area is written piece by piece, with nothing lost.
TEST(ConsoleScreen, RowsWiderThanTheStagingArea) {
  StartOn(600, 3);
  std::string text;
  for (int i = 0; i < 700; ++i) text += static_cast<char>('a' + i % 26);
  console::PrintText(text);
  EXPECT_EQ(memory::Row(1), text.substr(0, 600));
  EXPECT_EQ(memory::Row(2).substr(0, 101), text.substr(600) + " ");
  EXPECT_EQ(Cursor(), (Position{2, 101}));
}

// Text ending in the last cell of the last row, then one more operation.
struct PendingCase {
  const char* name;
  void (*then)();
  std::vector<std::string> rows;
  Position cursor;
};

TEST(ConsoleScreen, PendingWrapInTheLastCell) {
  const std::vector<PendingCase> cases = {
      {"nothing yet", [] {}, {"top", "2", "3", "0123456789"}, {4, 1}},
      {"line end scrolls twice",
       [] { console::PrintNewLine(); },
       {"3", "0123456789", "", ""},
       {4, 1}},
      {"text scrolls first",
       [] { console::PrintText("ab"); },
       {"2", "3", "0123456789", "ab"},
       {4, 3}},
      {"empty text keeps it",
       [] {
         console::PrintText("");
         console::PrintNewLine();
       },
       {"3", "0123456789", "", ""},
       {4, 1}},
      {"colour and row keep it",
       [] {
         console::SetColor(12, 15, 0);
         EXPECT_EQ(console::CursorRow(), 4);
         console::PrintNewLine();
       },
       {"3", "0123456789", "", ""},
       {4, 1}},
      {"MoveCursor cancels",
       [] {
         console::MoveCursor(0, 0);
         console::PrintNewLine();
       },
       {"2", "3", "0123456789", ""},
       {4, 1}},
      {"MoveCursor cancels, text overwrites",
       [] {
         console::MoveCursor(0, 0);
         console::PrintText("ab");
       },
       {"top", "2", "3", "ab23456789"},
       {4, 3}},
      {"ClearScreen drops it",
       [] {
         console::ClearScreen();
         console::PrintText("z");
       },
       {"z", "", "", ""},
       {1, 2}},
  };
  for (const PendingCase& c : cases) {
    SCOPED_TRACE(c.name);
    StartOn(10, 4);
    console::PrintText("top");
    console::MoveCursor(2, 1);
    console::PrintText("2");
    console::MoveCursor(3, 1);
    console::PrintText("3");
    console::MoveCursor(4, 1);
    console::PrintText("0123456789");
    EXPECT_EQ(console::CursorRow(), 4);
    c.then();
    std::vector<std::string> expected = c.rows;
    for (std::string& row : expected) row.resize(10, ' ');
    EXPECT_EQ(Rows(), expected);
    EXPECT_EQ(Cursor(), c.cursor);
  }
}

// A line end after text that exactly filled a row: the full row, one blank row, the cursor.
TEST(ConsoleScreen, FullRowThenLineEndLeavesOneBlankRow) {
  struct Case {
    int start_row;
    int full_row_after;
  };
  for (const Case& c : std::vector<Case>{{1, 1}, {2, 2}, {3, 2}, {4, 2}}) {
    SCOPED_TRACE(c.start_row);
    StartOn(10, 4);
    console::MoveCursor(c.start_row, 1);
    console::PrintText("0123456789");
    console::PrintNewLine();
    EXPECT_EQ(memory::Row(c.full_row_after), "0123456789");
    EXPECT_EQ(memory::Row(c.full_row_after + 1), std::string(10, ' '));
    EXPECT_EQ(Cursor(), (Position{c.full_row_after + 2, 1}));
  }
}

TEST(ConsoleScreen, ScrollBlanksTheNewRowInTheColourOfTheMoment) {
  StartOn(10, 3);
  console::SetColor(0, 15, 0);
  console::PrintText("first");
  console::MoveCursor(3, 1);
  console::PrintText("last");
  console::SetColor(12, 15, 0);
  console::PrintNewLine();
  EXPECT_EQ(Rows(), (std::vector<std::string>{"          ", "last      ", "          "}));
  for (int column = 1; column <= 10; ++column) {
    EXPECT_EQ(memory::Attr(3, column), kRedOnWhite) << column;
    EXPECT_EQ(memory::Attr(1, column), kGreyOnBlack) << column;
  }
  EXPECT_EQ(memory::Attr(2, 1), kBlackOnWhite);
  EXPECT_EQ(Cursor(), (Position{3, 1}));
}

TEST(ConsoleScreen, MoveCursorKeepsCoordinatesOffTheScreen) {
  struct Case {
    std::int32_t row;
    std::int32_t column;
    Position expected;
  };
  const std::vector<Case> cases = {
      {3, 0, {3, 10}},
      {0, 7, {5, 7}},
      {0, 0, {5, 10}},
      {26, 5, {5, 5}},
      {-1, -1, {5, 10}},
      {25, 80, {25, 80}},
      {3, 81, {3, 10}},
      {1, 1, {1, 1}},
      {65537, 2, {5, 2}},
      {2, 65537, {2, 10}},
      {INT_MIN, INT_MAX, {5, 10}},
      {-65535, 3, {5, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.row << ", " << c.column);
    StartOn(80, 25);
    console::MoveCursor(5, 10);
    console::MoveCursor(c.row, c.column);
    EXPECT_EQ(Cursor(), c.expected);
    EXPECT_EQ(console::CursorRow(), c.expected.row);
  }
}

TEST(ConsoleScreen, SetColorKeepsIndexesOffTheRange) {
  struct Case {
    std::int32_t foreground;
    std::int32_t background;
    std::uint16_t expected;
  };
  // From 7 on 0.
  const std::vector<Case> cases = {
      {8, 15, 0xF8}, {16, 3, 0x37}, {-1, -1, 0x07},     {12, 16, 0x0C},
      {0, 15, 0xF0}, {15, 0, 0x0F}, {INT_MIN, 2, 0x27}, {255, 255, 0x07},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.foreground << " on " << c.background);
    StartOn(10, 2);
    memory::Console().SetAttr(0x55);
    console::SetColor(c.foreground, c.background, 0);
    EXPECT_EQ(memory::Console().attr(), c.expected) << "console default attribute";
    console::PrintText("x");
    EXPECT_EQ(memory::Attr(1, 1), c.expected);
    EXPECT_EQ(memory::Attr(1, 2), kGreyOnBlack) << "nothing repainted";
  }
}

TEST(ConsoleScreen, SetColorRepaintsCountCellsFromTheCursor) {
  struct Case {
    std::uint32_t count;
    int repainted;  // cells from row 1, column 8 onwards
  };
  for (const Case& c : std::vector<Case>{{0, 0}, {5, 5}, {13, 13}, {100000, 13}}) {
    SCOPED_TRACE(c.count);
    StartOn(10, 2);
    console::PrintText("abcdefghijklmnopqrst");
    console::MoveCursor(1, 8);
    console::SetColor(12, 15, c.count);
    for (int i = 0; i < 20; ++i) {
      const int row = 1 + i / 10;
      const int column = 1 + i % 10;
      const bool repainted = i >= 7 && i < 7 + c.repainted;
      EXPECT_EQ(memory::Attr(row, column), repainted ? kRedOnWhite : kGreyOnBlack) << i;
    }
    EXPECT_EQ(memory::Row(1) + memory::Row(2), "abcdefghijklmnopqrst");
  }
}

TEST(ConsoleScreen, SetCursorSizes) {
  struct Case {
    std::int32_t size;
    CursorInfo expected;
  };
  // From a console cursor of 25, visible.
  const std::vector<Case> cases = {
      {5, {10, true}},  {1, {10, true}},   {10, {10, true}},      {50, {50, true}},
      {99, {99, true}}, {100, {99, true}}, {150, {99, true}},     {INT_MAX, {99, true}},
      {0, {25, false}}, {-1, {25, true}},  {INT_MIN, {25, true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    StartOn(10, 2);
    console::SetCursor(c.size);
    EXPECT_EQ(memory::Console().cursor_info().size, c.expected.size);
    EXPECT_EQ(memory::Console().cursor_info().visible, c.expected.visible);
  }
}

TEST(ConsoleScreen, ShowingTheCursorAgainKeepsItsSize) {
  StartOn(10, 2);
  console::SetCursor(60);
  console::SetCursor(0);
  EXPECT_FALSE(memory::Console().cursor_info().visible);
  console::SetCursor(-1);
  EXPECT_EQ(memory::Console().cursor_info().size, 60u);
  EXPECT_TRUE(memory::Console().cursor_info().visible);
}

TEST(ConsoleScreen, ClearScreenBlanksEveryCellInTheCurrentColour) {
  StartOn(10, 3);
  console::PrintText(std::string(30, '#'));  // leaves a wrap pending
  console::SetColor(0, 15, 0);
  console::ClearScreen();
  for (int row = 1; row <= 3; ++row) {
    EXPECT_EQ(memory::Row(row), std::string(10, ' '));
    for (int column = 1; column <= 10; ++column)
      EXPECT_EQ(memory::Attr(row, column), kBlackOnWhite);
  }
  EXPECT_EQ(Cursor(), (Position{1, 1}));
  console::PrintText("a");
  EXPECT_EQ(memory::Row(1), "a         ") << "the pending wrap went with the clear";
}

TEST(ConsoleScreen, ClearScreenHidesAVisibleCursorOnlyWhileItClears) {
  struct Case {
    std::int32_t set_cursor;
    std::vector<std::pair<std::uint32_t, bool>> calls;  // size, visible
    bool visible_after;
  };
  const std::vector<Case> cases = {
      {40, {{40, false}, {40, true}}, true},
      {0, {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.set_cursor);
    StartOn(10, 3);
    console::SetCursor(c.set_cursor);
    const std::size_t before = memory::CursorInfoCalls().size();
    console::ClearScreen();
    EXPECT_EQ(CursorCallsFrom(before), c.calls);
    EXPECT_EQ(memory::Console().cursor_info().visible, c.visible_after);
  }
}

TEST(ConsoleStartup, ChoosesTheScreenAndSetsModes) {
  struct Case {
    const char* name;
    bool stdout_console;
    bool stdin_console;
    std::uint32_t output_mode;
    std::uint32_t error_mode;
    std::uint32_t input_mode;
  };
  const std::vector<Case> cases = {
      {"all consoles", true, true, 3, memory::kInitialOutputMode, 0},
      {"output redirected", false, true, memory::kInitialOutputMode, 3, 0},
      {"input redirected", true, false, 3, memory::kInitialOutputMode, memory::kInitialInputMode},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    memory::Options options;
    options.stdout_is_console = c.stdout_console;
    options.stdin_is_console = c.stdin_console;
    memory::Reset(options);
    console::ConsoleStartup();
    EXPECT_EQ(memory::ModeOf(StdStream::kOutput), c.output_mode);
    EXPECT_EQ(memory::ModeOf(StdStream::kError), c.error_mode);
    EXPECT_EQ(memory::ModeOf(StdStream::kInput), c.input_mode);
    EXPECT_EQ(memory::KeyboardMode(), memory::kInitialInputMode);
    console::PrintText("seen");
    EXPECT_EQ(memory::Row(1).substr(0, 4), "seen") << "output reaches the console";
    memory::Type("k\r");
    EXPECT_EQ(console::ReadLine(), "k") << "keys come from the console";
  }
}

TEST(ConsoleStartup, TakesTheConsoleCursorOrFallsBackToAPlainOne) {
  struct Case {
    const char* name;
    CursorInfo console_cursor;
    bool readable;
    CursorInfo expected;
    std::size_t applied;
  };
  const std::vector<Case> cases = {
      {"visible", {25, true}, true, {25, true}, 0},
      {"hidden", {70, false}, true, {70, false}, 0},
      {"unreadable", {70, false}, false, {10, true}, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    memory::Options options;
    options.cursor = c.console_cursor;
    options.cursor_info_readable = c.readable;
    memory::Reset(options);
    console::ConsoleStartup();
    EXPECT_EQ(memory::CursorInfoCalls().size(), c.applied);
    EXPECT_EQ(memory::Console().cursor_info().size, c.expected.size);
    EXPECT_EQ(memory::Console().cursor_info().visible, c.expected.visible);
    console::SetCursor(-1);  // shows the stored setting with its size
    EXPECT_EQ(memory::Console().cursor_info().size, c.expected.size);
  }
}

TEST(ConsoleStartup, StartsInGreyOnBlackAndRepaintsNothing) {
  memory::Reset();
  console::ConsoleStartup();
  console::SetColor(12, 15, 0);  // a colour left over from an earlier start
  memory::Console().FillAttribute(0x1E, 5, platform::Coord{0, 0});
  console::ConsoleStartup();
  EXPECT_EQ(memory::Attr(1, 1), 0x1E);
  EXPECT_EQ(memory::Attr(1, 6), kGreyOnBlack);
  console::MoveCursor(2, 1);
  console::PrintText("x");
  EXPECT_EQ(memory::Attr(2, 1), kGreyOnBlack);
}

// Without any console to write on, every operation returns quietly.
TEST(ConsoleStartup, NoScreenAtAll) {
  memory::Options options;
  options.stdout_is_console = false;
  options.stderr_is_console = false;
  memory::Reset(options);
  console::ConsoleStartup();
  console::ClearScreen();
  console::SetColor(1, 2, 10);
  console::PrintText("lost");
  console::PrintNewLine();
  console::MoveCursor(3, 3);
  console::SetCursor(50);
  EXPECT_EQ(console::CursorRow(), 1);
  EXPECT_EQ(memory::Row(1), std::string(80, ' '));
  EXPECT_EQ(Cursor(), (Position{1, 1}));
}

}  // namespace
