// The virtual console's rules for each console call, and the US keyboard's key records.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/keyboard_us.h"
#include "platform/virtual_console.h"

namespace {

using platform::Cell;
using platform::Coord;
using platform::InputRecord;
using platform::Rect;
using platform::VirtualConsole;
namespace keyboard = platform::keyboard;

std::string RowText(const VirtualConsole& c, int y) {
  std::string text;
  for (int x = 0; x < c.width(); ++x) text += static_cast<char>(c.at(x, y).ch);
  return text;
}

void Fill(VirtualConsole& c, const std::vector<std::string>& rows) {
  for (int y = 0; y < static_cast<int>(rows.size()); ++y) {
    std::vector<Cell> cells;
    for (char ch : rows[y]) cells.push_back({static_cast<std::uint8_t>(ch), 7});
    Rect region{0, static_cast<std::int16_t>(y), static_cast<std::int16_t>(rows[y].size() - 1),
                static_cast<std::int16_t>(y)};
    c.WriteCells(cells.data(), {static_cast<std::int16_t>(cells.size()), 1}, {0, 0}, &region);
  }
}

std::vector<std::string> Rows(const VirtualConsole& c) {
  std::vector<std::string> rows;
  for (int y = 0; y < c.height(); ++y) rows.push_back(RowText(c, y));
  return rows;
}

TEST(VirtualConsole, WriteCellsClipsToTheScreenAndTheBuffer) {
  struct Case {
    const char* name;
    Rect region;
    Coord origin;
    bool ok;
    Rect written;
    std::string row0;
  };
  // A 6 x 1 buffer "abcdef" onto a 5 x 2 screen of dots.
  const std::vector<Case> cases = {
      {"inside", {1, 0, 3, 0}, {0, 0}, true, {1, 0, 3, 0}, ".abc."},
      {"past the right edge", {2, 0, 9, 0}, {0, 0}, true, {2, 0, 4, 0}, "..abc"},
      {"left of the screen", {-2, 0, 2, 0}, {0, 0}, true, {0, 0, 2, 0}, "cde.."},
      {"from a buffer origin", {0, 0, 4, 0}, {3, 0}, true, {0, 0, 2, 0}, "def.."},
      {"origin outside the buffer", {0, 0, 4, 0}, {6, 0}, false, {0, 0, 4, 0}, "....."},
      {"off the screen", {7, 0, 9, 0}, {0, 0}, false, {7, 0, 9, 0}, "....."},
  };
  const std::string src = "abcdef";
  std::vector<Cell> cells;
  for (char ch : src) cells.push_back({static_cast<std::uint8_t>(ch), 0x1F});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    VirtualConsole console(5, 2);
    console.FillCharacter('.', 10, {0, 0});
    Rect region = c.region;
    EXPECT_EQ(console.WriteCells(cells.data(), {6, 1}, c.origin, &region), c.ok);
    EXPECT_EQ(RowText(console, 0), c.row0);
    EXPECT_EQ(RowText(console, 1), ".....");
    if (c.ok) {
      EXPECT_EQ(region.left, c.written.left);
      EXPECT_EQ(region.right, c.written.right);
    }
  }
}

TEST(VirtualConsole, ScrollMovesFillsAndClips) {
  struct Case {
    const char* name;
    Rect source;
    bool clipped;
    Rect clip;
    Coord destination;
    std::vector<std::string> rows;
  };
  const std::vector<Case> cases = {
      {"up one row", {0, 1, 3, 2}, false, {}, {0, 0}, {"efgh", "ijkl", "----"}},
      {"down one row", {0, 0, 3, 1}, false, {}, {0, 1}, {"----", "abcd", "efgh"}},
      {"clipped to the middle row",
       {0, 1, 3, 2},
       true,
       {0, 1, 3, 1},
       {0, 0},
       {"abcd", "ijkl", "ijkl"}},
      {"source beyond the screen", {0, 2, 3, 5}, false, {}, {0, 0}, {"ijkl", "efgh", "----"}},
      {"right by two", {0, 0, 3, 0}, false, {}, {2, 0}, {"--ab", "efgh", "ijkl"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    VirtualConsole console(4, 3);
    Fill(console, {"abcd", "efgh", "ijkl"});
    EXPECT_TRUE(
        console.Scroll(c.source, c.clipped ? &c.clip : nullptr, c.destination, Cell{'-', 0x4F}));
    EXPECT_EQ(Rows(console), c.rows);
  }
}

TEST(VirtualConsole, FillsRunOnAndStopAtTheEnd) {
  VirtualConsole console(4, 2);
  EXPECT_EQ(console.FillAttribute(0x2A, 100, {2, 0}), 6u);
  EXPECT_EQ(console.at(1, 0).attr, VirtualConsole::kDefaultAttr);
  EXPECT_EQ(console.at(2, 0).attr, 0x2A);
  EXPECT_EQ(console.at(3, 1).attr, 0x2A);
  EXPECT_EQ(console.FillCharacter('z', 3, {3, 0}), 3u);
  EXPECT_EQ(RowText(console, 0), "   z");
  EXPECT_EQ(RowText(console, 1), "zz  ");
  EXPECT_EQ(console.FillCharacter('z', 3, {4, 0}), 0u);
  EXPECT_EQ(console.FillCharacter('z', 3, {0, 2}), 0u);
}

TEST(VirtualConsole, ResizeKeepsTheTopLeftAndPullsTheCursorIn) {
  VirtualConsole console(4, 3);
  Fill(console, {"abcd", "efgh", "ijkl"});
  console.SetAttr(0x30);
  ASSERT_TRUE(console.SetCursorPosition({3, 2}));
  console.Resize(6, 2);
  EXPECT_EQ(Rows(console), (std::vector<std::string>{"abcd  ", "efgh  "}));
  EXPECT_EQ(console.at(5, 1).attr, 0x30);
  EXPECT_EQ(console.at(0, 0).attr, 7);
  EXPECT_EQ(console.cursor().x, 3);
  EXPECT_EQ(console.cursor().y, 1);
}

TEST(VirtualConsole, RefusesCursorsItCannotShow) {
  VirtualConsole console(4, 3);
  EXPECT_FALSE(console.SetCursorPosition({4, 0}));
  EXPECT_FALSE(console.SetCursorPosition({0, -1}));
  EXPECT_FALSE(console.SetCursorInfo({0, true}));
  EXPECT_FALSE(console.SetCursorInfo({101, true}));
  EXPECT_TRUE(console.SetCursorInfo({100, false}));
  EXPECT_EQ(console.cursor_info().size, 100u);
}

TEST(VirtualConsole, InputQueuePeeksAndReadsInOrder) {
  VirtualConsole console(4, 3);
  console.input().push_back(keyboard::Typed('a'));
  console.input().push_back(keyboard::Typed('b'));
  InputRecord records[3];
  EXPECT_EQ(console.PeekInput(records, 3), 2u);
  EXPECT_EQ(console.ReadInput(records, 1), 1u);
  EXPECT_EQ(records[0].ch, 'a');
  EXPECT_EQ(console.PeekInput(records, 1), 1u);
  EXPECT_EQ(records[0].ch, 'b');
}

TEST(KeyboardUs, TypedBytesCarryTheirUsKey) {
  struct Case {
    std::uint8_t ch;
    std::uint16_t scan;
    std::uint16_t virtual_key;
    std::uint32_t control;
  };
  const std::uint32_t ctrl = platform::kLeftCtrlPressed;
  const std::uint32_t shift = platform::kShiftPressed;
  const std::vector<Case> cases = {
      {'a', 0x1E, 'A', 0},           {'A', 0x1E, 'A', shift}, {'1', 0x02, '1', 0},
      {'!', 0x02, '1', shift},       {' ', 0x39, 0x20, 0},    {'"', 0x28, 0xDE, shift},
      {'\r', 0x1C, 0x0D, 0},         {'\b', 0x0E, 0x08, 0},   {'\t', 0x0F, 0x09, 0},
      {3, 0x2E, 'C', ctrl},          {27, 0x01, 0x1B, 0},     {127, 0x0E, 0x08, ctrl},
      {30, 0x07, '6', ctrl | shift}, {0xE9, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.ch));
    const InputRecord r = keyboard::Typed(c.ch);
    EXPECT_EQ(r.ch, c.ch);
    EXPECT_EQ(r.scan_code, c.scan);
    EXPECT_EQ(r.virtual_key, c.virtual_key);
    EXPECT_EQ(r.control_state, c.control);
    EXPECT_TRUE(r.key_down);
    EXPECT_FALSE(keyboard::Released(r).key_down);
  }
}

TEST(KeyboardUs, ModifierPressesReportThemselvesHeld) {
  using keyboard::Key;
  EXPECT_EQ(keyboard::Press(Key::kShift).control_state, platform::kShiftPressed);
  EXPECT_EQ(keyboard::Press(Key::kCtrl).control_state, platform::kLeftCtrlPressed);
  EXPECT_EQ(keyboard::Press(Key::kAlt).control_state, platform::kLeftAltPressed);
  EXPECT_EQ(keyboard::Press(Key::kUp).control_state, platform::kEnhancedKey);
  EXPECT_EQ(keyboard::Press(Key::kF1, platform::kCapsLockOn).control_state, platform::kCapsLockOn);
}

}  // namespace
