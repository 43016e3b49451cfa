// Line input and the key wait on the memory platform, driven by scripted key records.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "console/console.h"
#include "platform/keyboard_us.h"
#include "platform/memory/memory_platform.h"
#include "tests/console/console_test_support.h"

namespace {

namespace memory = platform::memory;
namespace keyboard = platform::keyboard;
using keyboard::Key;
using platform::InputRecord;

constexpr std::uint16_t kBlackOnWhite = 0xF0;

using console_test::CursorCallsFrom;
using console_test::StartOn;

std::string Padded(std::string row, int width) {
  row.resize(static_cast<std::size_t>(width), ' ');
  return row;
}

InputRecord KeyPress(std::uint16_t scan, std::uint8_t ch, std::uint32_t control = 0) {
  InputRecord r;
  r.scan_code = scan;
  r.ch = ch;
  r.control_state = control;
  return r;
}

InputRecord Event(std::uint16_t type) {
  InputRecord r;
  r.event_type = type;
  return r;
}

// `f` must end in a wait for input with nothing left to come: a loop that keeps looking at
// the queue instead would fail with another message.
void ExpectEndsWaitingForAKey(const std::function<void()>& f) {
  try {
    f();
    ADD_FAILURE() << "returned without a key";
  } catch (const memory::ScriptExhausted& e) {
    EXPECT_STREQ(e.what(), "the program waits for a key and the script has none left");
  }
}

// NextKey on a queue holding `records`; the reported press stays queued, the rest before it go.
struct NextKeyCase {
  const char* name;
  std::vector<InputRecord> records;
  console::KeyEvent::Kind kind;
  std::uint8_t ch;
  std::uint8_t scan;
  std::size_t left;  // records still queued afterwards
};

TEST(NextKey, FiltersAndClassifiesKeyRecords) {
  using console::KeyEvent;
  const InputRecord a = keyboard::Typed('a');
  const std::vector<NextKeyCase> cases = {
      {"empty queue", {}, KeyEvent::kNone, 0, 0, 0},
      {"character", {a}, KeyEvent::kCharacter, 'a', 0x1E, 1},
      {"release dropped", {keyboard::Released(a)}, KeyEvent::kNone, 0, 0, 0},
      {"mouse, size, menu and focus dropped",
       {Event(platform::kMouseEvent), Event(platform::kWindowBufferSizeEvent),
        Event(platform::kMenuEvent), Event(platform::kFocusEvent), a},
       KeyEvent::kCharacter,
       'a',
       0x1E,
       1},
      {"modifiers alone dropped",
       {keyboard::Press(Key::kShift), KeyPress(0x36, 0), keyboard::Press(Key::kCtrl),
        keyboard::Press(Key::kAlt), keyboard::Press(Key::kCapsLock), keyboard::Press(Key::kNumLock),
        keyboard::Press(Key::kScrollLock)},
       KeyEvent::kNone,
       0,
       0,
       0},
      {"Shift then Shift+A",
       {keyboard::Press(Key::kShift), keyboard::Typed('A')},
       KeyEvent::kCharacter,
       'A',
       0x1E,
       1},
      {"arrow", {keyboard::Press(Key::kUp)}, KeyEvent::kExtended, 0, 0x48, 1},
      {"function key", {keyboard::Press(Key::kF5)}, KeyEvent::kExtended, 0, 0x3F, 1},
      {"key after the keys stays",
       {keyboard::Press(Key::kDelete), a},
       KeyEvent::kExtended,
       0,
       0x53,
       2},
      {"Alt with a letter",
       {keyboard::Typed('x', platform::kLeftAltPressed)},
       KeyEvent::kExtended,
       0,
       0x2D,
       1},
      {"right Alt character on a letter key",
       {KeyPress(0x12, 0xEE, platform::kRightAltPressed | platform::kLeftCtrlPressed)},
       KeyEvent::kExtended,
       0,
       0x12,
       1},
      {"Alt with a digit key is a character",
       {keyboard::Typed('1', platform::kLeftAltPressed)},
       KeyEvent::kCharacter,
       '1',
       0x02,
       1},
      {"Escape", {keyboard::Press(Key::kEscape)}, KeyEvent::kCharacter, 27, 0x01, 1},
      {"Escape reported as 0", {KeyPress(0x01, 0)}, KeyEvent::kCharacter, 0, 0x01, 1},
      {"Escape as 0 with Caps Lock",
       {KeyPress(0x01, 0, platform::kCapsLockOn)},
       KeyEvent::kCharacter,
       27,
       0x01,
       1},
      {"Ctrl+C", {keyboard::Typed(3)}, KeyEvent::kCharacter, 3, 0x2E, 1},
      {"scan code above 8 bits", {KeyPress(0x11E, 'a')}, KeyEvent::kCharacter, 'a', 0x1E, 1},
      {"character with no key", {keyboard::Typed(0xE9)}, KeyEvent::kCharacter, 0xE9, 0, 1},
  };
  for (const NextKeyCase& c : cases) {
    SCOPED_TRACE(c.name);
    StartOn(80, 25);
    for (const InputRecord& r : c.records) memory::Queue(r);
    const KeyEvent key = console::NextKey();
    EXPECT_EQ(key.kind, c.kind);
    EXPECT_EQ(key.ch, c.ch);
    EXPECT_EQ(key.scan_code, c.scan);
    EXPECT_EQ(memory::QueuedRecords(), c.left);
  }
}

TEST(NextKey, CapsLockMakesTheTableKeysFollowShift) {
  struct Case {
    std::uint16_t scan;
    std::uint8_t reported;
    std::uint32_t control;
    std::uint8_t expected;
  };
  const std::uint32_t caps = platform::kCapsLockOn;
  const std::uint32_t shift = platform::kShiftPressed;
  const std::vector<Case> cases = {
      {0x02, '!', caps, '1'},         {0x02, '1', caps | shift, '!'},
      {0x02, '1', caps, '1'},         {0x02, '!', caps | shift, '!'},
      {0x0B, ')', caps, '0'},         {0x0D, '=', caps | shift, '+'},
      {0x27, ':', caps, ';'},         {0x28, '\'', caps | shift, '"'},
      {0x29, '~', caps, '`'},         {0x2B, '\\', caps | shift, '|'},
      {0x35, '?', caps, '/'},         {0x1A, '{', caps, '['},
      {0x02, 'x', caps | shift, 'x'}, {0x1E, 'A', caps, 'A'},
      {0x1E, 'a', caps | shift, 'a'}, {0x02, '!', 0, '!'},
      {0x02, '1', shift, '1'},        {0x39, ' ', caps | shift, ' '},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "scan " << c.scan << " '" << c.reported << "'");
    StartOn(80, 25);
    memory::Queue(KeyPress(c.scan, c.reported, c.control));
    const console::KeyEvent key = console::NextKey();
    EXPECT_EQ(key.kind, console::KeyEvent::kCharacter);
    EXPECT_EQ(key.ch, c.expected);
  }
}

struct EditCase {
  const char* name;
  void (*script)();
  std::string result;
};

TEST(ReadLine, KeepsPrintableCharactersAndBackspaceOnly) {
  const std::vector<EditCase> cases = {
      {"typing and Backspace", [] { memory::Type("abc\bd\r"); }, "abd"},
      {"Enter at once", [] { memory::Type("\r"); }, ""},
      {"Backspace with nothing typed", [] { memory::Type("\b\bx\b\by\r"); }, "y"},
      {"control codes ignored", [] { memory::Type("a\t\x1b\x03\x01\nb\r"); }, "ab"},
      {"127 and high bytes kept", [] { memory::Type("a\x7f\xe9\xff\r"); }, "a\x7f\xe9\xff"},
      {"extended keys ignored",
       [] {
         for (Key k : {Key::kUp, Key::kLeft, Key::kHome, Key::kEnd, Key::kInsert, Key::kDelete,
                       Key::kF1, Key::kF12, Key::kEscape, Key::kTab, Key::kPageDown}) {
           memory::Type("x");
           memory::Press(k);
         }
         memory::Type("\r");
       },
       std::string(11, 'x')},
      {"Alt with a letter dropped",
       [] {
         memory::Type("q", platform::kLeftAltPressed);
         memory::Type("r", platform::kRightAltPressed);
         memory::Type("1", platform::kLeftAltPressed);
         memory::Queue(
             KeyPress(0x12, 0xEE, platform::kRightAltPressed | platform::kLeftCtrlPressed));
         memory::Type("\r");
       },
       "1"},
      {"Caps Lock with Shift on the 1 key",
       [] {
         memory::Queue(KeyPress(0x02, '1', platform::kCapsLockOn | platform::kShiftPressed));
         memory::Queue(KeyPress(0x02, '!', platform::kCapsLockOn));
         memory::Type("\r");
       },
       "!1"},
      {"modifier presses and releases between keys",
       [] {
         memory::Press(Key::kShift);
         memory::Type("A");
         memory::Queue(Event(platform::kFocusEvent));
         memory::Type("b\r");
       },
       "Ab"},
      {"keypad Enter",
       [] {
         memory::Type("7");
         memory::Queue(KeyPress(0x1C, 13, platform::kEnhancedKey));
       },
       "7"},
  };
  for (const EditCase& c : cases) {
    SCOPED_TRACE(c.name);
    StartOn(80, 25);
    c.script();
    EXPECT_EQ(console::ReadLine(), c.result);
    EXPECT_EQ(memory::Row(1), Padded(c.result, 80));
    EXPECT_EQ(memory::CursorRowOnScreen(), 2);
    EXPECT_EQ(memory::CursorColumn(), 1);
  }
}

TEST(ReadLine, EchoesInTheCurrentColourAtTheCursor) {
  StartOn(80, 25);
  console::SetColor(0, 15, 0);
  console::MoveCursor(3, 72);
  memory::Type("4.5\r");
  EXPECT_EQ(console::ReadLine(), "4.5");
  EXPECT_EQ(memory::Row(3).substr(71, 4), "4.5 ");
  EXPECT_EQ(memory::Attr(3, 72), kBlackOnWhite);
  EXPECT_EQ(memory::Attr(3, 74), kBlackOnWhite);
  EXPECT_EQ(memory::Attr(3, 75), 0x07);
}

TEST(ReadLine, AnswerAtColumn72) {
  struct Case {
    int length;
    int cursor_row;
  };
  for (const Case& c : std::vector<Case>{{7, 6}, {8, 6}, {9, 7}, {10, 7}}) {
    SCOPED_TRACE(c.length);
    StartOn(80, 25);
    console::MoveCursor(5, 72);
    const std::string answer(static_cast<std::size_t>(c.length), '9');
    memory::Type(answer + "\r");
    EXPECT_EQ(console::ReadLine(), answer);
    EXPECT_EQ(memory::CursorRowOnScreen(), c.cursor_row);
    EXPECT_EQ(memory::CursorColumn(), 1);
    EXPECT_EQ(memory::Row(5).substr(71), Padded(answer.substr(0, 9), 9));
  }
}

TEST(ReadLine, BackspaceCrossesTheRowBoundary) {
  StartOn(10, 4);
  console::MoveCursor(1, 8);
  memory::Type("abc\b");
  memory::Type("d\r");
  EXPECT_EQ(console::ReadLine(), "abd");
  EXPECT_EQ(memory::Row(1), "       abd");
  EXPECT_EQ(memory::Row(2), std::string(10, ' '));
  EXPECT_EQ(memory::CursorRowOnScreen(), 3);
}

TEST(ReadLine, BackspaceOnRowOneColumnOneStaysOnRowOne) {
  StartOn(10, 4);
  console::MoveCursor(1, 1);
  memory::Type("ab\b\b\bc\r");
  EXPECT_EQ(console::ReadLine(), "c");
  EXPECT_EQ(memory::Row(1), "c         ");
}

struct LastCellCase {
  const char* name;
  std::string keys;
  std::string result;
  std::vector<std::string> rows;
};

// The answer reaches the last cell of the screen, where the wrap stays pending.
TEST(ReadLine, BackspaceInTheLastCellWhileAWrapIsPending) {
  const std::vector<LastCellCase> cases = {
      {"erase and retype", "ab\bc", "ac", {"", "        ac", "", ""}},
      {"erase twice", "ab\b\b", "", {"", "", "", ""}},
      {"type on after the erase", "ab\bcd", "acd", {"", "        ac", "d", ""}},
      {"erase after the scroll", "abc\b\b", "a", {"", "", "        a", ""}},
  };
  for (const LastCellCase& c : cases) {
    SCOPED_TRACE(c.name);
    StartOn(10, 4);
    console::PrintText("top");
    console::MoveCursor(4, 9);
    memory::Type(c.keys);
    memory::Press(Key::kEnter);
    EXPECT_EQ(console::ReadLine(), c.result);
    std::vector<std::string> rows;
    for (int row = 1; row <= 4; ++row) rows.push_back(memory::Row(row));
    std::vector<std::string> expected;
    for (const std::string& row : c.rows) expected.push_back(Padded(row, 10));
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(memory::CursorRowOnScreen(), 4);
  }
}

// Before Enter, the pending wrap keeps the screen unscrolled with the answer in the last cell.
TEST(ReadLine, LastCellEchoDoesNotScroll) {
  StartOn(10, 4);
  console::PrintText("top");
  console::MoveCursor(4, 9);
  memory::Type("ab\b");
  EXPECT_THROW(console::ReadLine(), memory::ScriptExhausted);
  EXPECT_EQ(memory::Row(1), Padded("top", 10));
  EXPECT_EQ(memory::Row(4), Padded("        a", 10));
  EXPECT_EQ(memory::CursorRowOnScreen(), 4);
  EXPECT_EQ(memory::CursorColumn(), 10);
}

TEST(ReadLine, TypingOnTheLastRowScrollsInTheAnswerColour) {
  StartOn(10, 3);
  console::PrintText("top");
  console::SetColor(0, 15, 0);
  console::MoveCursor(3, 5);
  memory::Type("abcdefg\r");
  EXPECT_EQ(console::ReadLine(), "abcdefg");
  EXPECT_EQ(memory::Row(1), Padded("    abcdef", 10));
  EXPECT_EQ(memory::Row(2), Padded("g", 10));
  for (int column = 1; column <= 10; ++column) {
    EXPECT_EQ(memory::Attr(2, column), kBlackOnWhite) << column;
    EXPECT_EQ(memory::Attr(3, column), kBlackOnWhite) << column;
  }
}

TEST(ReadLine, TenThousandBytesAtMost) {
  StartOn(80, 25);
  memory::Type(std::string(10000, 'a') + "b\bc\r");
  const std::string line = console::ReadLine();
  EXPECT_EQ(line, std::string(9999, 'a') + "c");
  // 10000 bytes from row 1, column 1 fill 125 rows exactly; an echoed "b" would have scrolled.
  // The wrap owed by the last cell makes Enter scroll twice.
  EXPECT_EQ(memory::Row(22), std::string(80, 'a'));
  EXPECT_EQ(memory::Row(23), std::string(79, 'a') + "c");
  EXPECT_EQ(memory::Row(24), std::string(80, ' '));
  EXPECT_EQ(memory::Row(25), std::string(80, ' '));
}

TEST(ReadLine, PausesBeforeEveryCharacter) {
  StartOn(80, 25);
  memory::Type("ab\r");
  memory::Queue(Event(platform::kFocusEvent));
  memory::Type("c\r");
  EXPECT_EQ(console::ReadLine(), "ab");
  EXPECT_EQ(memory::Waits(), std::vector<std::uint32_t>(3, 1));
  EXPECT_EQ(console::ReadLine(), "c");
  EXPECT_EQ(memory::Waits(), std::vector<std::uint32_t>(5, 1));
}

// Typed and pasted text with everything the line input drops mixed in, at random, ended by
// Enter or by the end of the script: the line is the printable characters, every character
// read, used or not, comes after a pause of its own however many records are queued at once,
// and once nothing is left every record has gone and the input waits for a key instead of
// looking at the empty queue again and again.
TEST(ReadLine, OnePausePerCharacterAndAWaitOnceNothingIsQueued) {
  using Script = std::pair<std::function<void()>, int>;  // queues records; characters they give
  const std::vector<Script> dropped = {
      {[] { memory::Queue(keyboard::Released(keyboard::Typed('q'))); }, 0},
      {[] { memory::Queue(Event(platform::kFocusEvent)); }, 0},
      {[] { memory::Queue(Event(platform::kMouseEvent)); }, 0},
      {[] { memory::Queue(Event(platform::kMenuEvent)); }, 0},
      {[] { memory::Queue(Event(platform::kWindowBufferSizeEvent)); }, 0},
      {[] { memory::Press(Key::kShift); }, 0},
      {[] { memory::Press(Key::kLeft); }, 0},
      {[] { memory::Type("x", platform::kLeftAltPressed); }, 0},
      {[] { memory::Press(Key::kTab); }, 1},
      {[] { memory::Press(Key::kEscape, platform::kCapsLockOn); }, 1},
  };
  std::mt19937 random(24);
  for (int run = 0; run < 200; ++run) {
    StartOn(80, 25);
    std::string line;
    std::size_t pauses = 1;  // before the Enter, or before the wait that finds nothing
    for (int item = static_cast<int>(random() % 30); item > 0; --item) {
      if (random() % 2 == 0) {
        const char ch = static_cast<char>('!' + random() % 94);
        memory::Type(std::string(1, ch));
        line += ch;
        ++pauses;
      } else {
        const Script& script = dropped[random() % dropped.size()];
        script.first();
        pauses += static_cast<std::size_t>(script.second);
      }
    }
    const bool entered = random() % 2 == 0;
    SCOPED_TRACE(line + (entered ? " and Enter" : ""));
    if (entered) {
      memory::Press(Key::kEnter);
      EXPECT_EQ(console::ReadLine(), line);
    } else {
      ExpectEndsWaitingForAKey([] { console::ReadLine(); });
      EXPECT_EQ(memory::QueuedRecords(), 0u);
      EXPECT_EQ(memory::Row(1), Padded(line, 80));
    }
    const std::vector<std::uint32_t>& waits = memory::Waits();
    EXPECT_EQ(static_cast<std::size_t>(std::count(waits.begin(), waits.end(), 1u)), pauses);
  }
}

TEST(ReadLine, LeavesTheReleaseOfEnterQueued) {
  StartOn(80, 25);
  memory::Type("ab\rcd\r");
  EXPECT_EQ(console::ReadLine(), "ab");
  ASSERT_EQ(memory::QueuedRecords(), 7u);
  EXPECT_EQ(memory::Console().input().front(), keyboard::Released(keyboard::Press(Key::kEnter)));
  EXPECT_EQ(console::ReadLine(), "cd") << "keys typed ahead are used";
  EXPECT_EQ(memory::Row(2), Padded("cd", 80));
}

TEST(ReadLine, ShowsAHiddenCursorWhileTyping) {
  struct Case {
    std::int32_t set_cursor;
    std::vector<std::pair<std::uint32_t, bool>> calls;
    bool visible_after;
  };
  const std::vector<Case> cases = {
      {0, {{25, true}, {25, false}}, false},
      {30, {}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.set_cursor);
    StartOn(80, 25);
    console::SetCursor(c.set_cursor);
    const std::size_t before = memory::CursorInfoCalls().size();
    memory::Type("x\r");
    console::ReadLine();
    EXPECT_EQ(CursorCallsFrom(before), c.calls);
    EXPECT_EQ(memory::Console().cursor_info().visible, c.visible_after);
  }
}

TEST(ReadLine, ThrowsRatherThanWaitingForKeysThatNeverCome) {
  StartOn(80, 25);
  memory::Type("ab");
  try {
    console::ReadLine();
    FAIL() << "ReadLine returned without Enter";
  } catch (const memory::ScriptExhausted& e) {
    EXPECT_STREQ(e.what(), "the program waits for a key and the script has none left");
  }
  EXPECT_EQ(memory::Row(1).substr(0, 3), "ab ");
}

TEST(ReadLine, WithoutAKeyboardTheLineEndsEmpty) {
  memory::Options options;
  options.keyboard_available = false;
  memory::Reset(options);
  console::ConsoleStartup();
  memory::Type("ab\r");
  EXPECT_EQ(console::ReadLine(), "");
  EXPECT_EQ(memory::CursorRowOnScreen(), 2);
  EXPECT_EQ(memory::QueuedRecords(), 6u) << "nothing could be read";
  EXPECT_EQ(console::NextKey().kind, console::KeyEvent::kNone);
  EXPECT_EQ(console::WaitForKey(), -1);
}

struct WaitCase {
  const char* name;
  void (*script)();
  bool ends;
  InputRecord head;  // the press left at the head of the queue when it ends
};

TEST(WaitForKey, EndsOnAnyKeyPressButModifiersAlone) {
  const std::vector<WaitCase> cases = {
      {"Shift alone", [] { memory::Press(Key::kShift); }, false, {}},
      {"every modifier alone",
       [] {
         for (Key k : {Key::kShift, Key::kCtrl, Key::kAlt, Key::kCapsLock, Key::kNumLock,
                       Key::kScrollLock}) {
           memory::Press(k);
         }
       },
       false,
       {}},
      {"a release",
       [] { memory::Queue(keyboard::Released(keyboard::Press(Key::kEnter))); },
       false,
       {}},
      {"mouse and focus",
       [] {
         memory::Queue(Event(platform::kMouseEvent));
         memory::Queue(Event(platform::kFocusEvent));
       },
       false,
       {}},
      {"Shift+A",
       [] {
         memory::Queue(keyboard::Press(Key::kShift));
         memory::Type("A");
       },
       true, keyboard::Typed('A')},
      {"a second Enter after a release",
       [] {
         memory::Queue(keyboard::Released(keyboard::Press(Key::kEnter)));
         memory::Press(Key::kEnter);
       },
       true, keyboard::Press(Key::kEnter)},
      {"arrow", [] { memory::Press(Key::kDown); }, true, keyboard::Press(Key::kDown)},
      {"function key", [] { memory::Press(Key::kF10); }, true, keyboard::Press(Key::kF10)},
      {"Escape", [] { memory::Press(Key::kEscape); }, true, keyboard::Press(Key::kEscape)},
      {"Ctrl+C", [] { memory::Type("\x03"); }, true, keyboard::Typed(3)},
      {"Alt with a letter", [] { memory::Type("f", platform::kLeftAltPressed); }, true,
       keyboard::Typed('f', platform::kLeftAltPressed)},
  };
  for (const WaitCase& c : cases) {
    SCOPED_TRACE(c.name);
    StartOn(80, 25);
    console::MoveCursor(3, 4);
    c.script();
    if (!c.ends) {
      ExpectEndsWaitingForAKey([] { console::WaitForKey(); });
      EXPECT_EQ(memory::QueuedRecords(), 0u);
      continue;
    }
    EXPECT_EQ(console::WaitForKey(), -1);
    ASSERT_GE(memory::QueuedRecords(), 1u);
    EXPECT_EQ(memory::Console().input().front(), c.head) << "the ending key stays queued";
    EXPECT_EQ(memory::Row(3), Padded("", 80)) << "nothing echoed";
    EXPECT_EQ(memory::CursorRowOnScreen(), 3);
    EXPECT_EQ(memory::CursorColumn(), 4);
  }
}

TEST(WaitForKey, DoesNotWaitWhenAKeyIsWaiting) {
  StartOn(80, 25);
  memory::Press(Key::kEnter);
  EXPECT_EQ(console::WaitForKey(), -1);
  EXPECT_TRUE(memory::Waits().empty());
  EXPECT_EQ(console::WaitForKey(), -1) << "the key is still there";
}

}  // namespace
