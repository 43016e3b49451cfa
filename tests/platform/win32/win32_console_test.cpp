// The Windows console seam against Wine's console: every screen call is made on a real console
// screen buffer and on the virtual console that the memory and terminal platforms use, and the
// two must end with the same cells, cursor and answers. Runs with a console of its own
// (SORVANTA_WINE_TTY=1 under the MinGW build's Wine wrapper).
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/console_api.h"
#include "platform/virtual_console.h"
#include "platform/win32/records.h"

namespace platform {
namespace {

constexpr std::int16_t kWidth = 20;
constexpr std::int16_t kHeight = 5;

// An off-screen buffer of kWidth x kHeight, so that nothing is drawn on the test's terminal.
class ConsoleBuffer {
 public:
  ConsoleBuffer()
      : handle_(CreateConsoleScreenBuffer(GENERIC_READ | GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          CONSOLE_TEXTMODE_BUFFER, nullptr)) {
    const SMALL_RECT window{0, 0, kWidth - 1, kHeight - 1};
    SetConsoleWindowInfo(handle_, TRUE, &window);
    SetConsoleScreenBufferSize(handle_, COORD{kWidth, kHeight});
  }
  ~ConsoleBuffer() { CloseHandle(handle_); }
  ConsoleBuffer(const ConsoleBuffer&) = delete;
  ConsoleBuffer& operator=(const ConsoleBuffer&) = delete;

  HANDLE get() const { return handle_; }

  std::vector<Cell> Cells() const {
    std::vector<CHAR_INFO> raw(kWidth * kHeight);
    SMALL_RECT all{0, 0, kWidth - 1, kHeight - 1};
    ReadConsoleOutputA(handle_, raw.data(), COORD{kWidth, kHeight}, COORD{0, 0}, &all);
    std::vector<Cell> cells;
    for (const CHAR_INFO& c : raw) {
      cells.push_back(Cell{static_cast<std::uint8_t>(c.Char.AsciiChar), c.Attributes});
    }
    return cells;
  }

 private:
  HANDLE handle_;
};

// One screen call, made on both consoles. Each side describes its answer (success, rectangle
// written) so that the answers can be compared too. Wine 8 reports no count for the fill
// calls, so only their success and their cells are compared.
struct Step {
  std::string name;
  std::function<std::string(Handle)> on_windows;
  std::function<std::string(VirtualConsole&)> on_virtual;
};

std::string Answer(bool ok) {
  return ok ? "ok" : "failed";
}

std::string Answer(bool ok, const Rect& r) {
  return Answer(ok) + " [" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + "]";
}

Step Fill(std::uint8_t ch, std::uint32_t count, Coord from) {
  return {"fill", [=](Handle h) { return Answer(FillCharacter(h, ch, count, from, nullptr)); },
          [=](VirtualConsole& v) { return Answer(v.FillCharacter(ch, count, from) > 0); }};
}

Step Paint(std::uint16_t attr, std::uint32_t count, Coord from) {
  return {"paint", [=](Handle h) { return Answer(FillAttribute(h, attr, count, from, nullptr)); },
          [=](VirtualConsole& v) { return Answer(v.FillAttribute(attr, count, from) > 0); }};
}

std::vector<Cell> Letters(Coord size) {
  std::vector<Cell> cells;
  for (int i = 0; i < size.x * size.y; ++i) {
    cells.push_back(
        Cell{static_cast<std::uint8_t>('a' + i % 26), static_cast<std::uint16_t>(0xF0 + i % 16)});
  }
  return cells;
}

// Writes a block of `size` lettered cells, from `origin` within it, into `region`.
Step Write(Coord size, Coord origin, Rect region) {
  return {"write",
          [=](Handle h) {
            Rect r = region;
            const bool ok = WriteCells(h, Letters(size).data(), size, origin, &r);
            return Answer(ok, r);
          },
          [=](VirtualConsole& v) {
            Rect r = region;
            const bool ok = v.WriteCells(Letters(size).data(), size, origin, &r);
            return Answer(ok, r);
          }};
}

Step Scroll(Rect source, std::optional<Rect> clip, Coord to) {
  const Cell fill{'.', 0x1E};
  return {
      "scroll",
      [=](Handle h) { return Answer(ScrollBuffer(h, source, clip ? &*clip : nullptr, to, fill)); },
      [=](VirtualConsole& v) {
        return Answer(v.Scroll(source, clip ? &*clip : nullptr, to, fill));
      }};
}

Step Cursor(Coord at) {
  return {"cursor", [=](Handle h) { return Answer(SetCursorPosition(h, at)); },
          [=](VirtualConsole& v) { return Answer(v.SetCursorPosition(at)); }};
}

struct Scenario {
  std::string name;
  std::vector<Step> steps;
};

std::vector<Scenario> Scenarios() {
  return {
      {"fills run on across rows and stop at the end",
       {Fill('x', 25, {15, 0}), Paint(0x4F, 7, {18, 1}), Fill('y', 100, {10, 4})}},
      {"a row piece", {Write({6, 1}, {0, 0}, {3, 2, 8, 2})}},
      {"a piece past the right edge is cut", {Write({8, 1}, {0, 0}, {16, 1, 23, 1})}},
      {"a block taken from inside a larger buffer",
       {Write({5, 4}, {1, 1}, {2, 1, 4, 3}), Write({5, 4}, {3, 2}, {10, 0, 19, 4})}},
      {"the whole screen up one row",
       {Fill('a', 20, {0, 0}), Fill('b', 20, {0, 4}),
        Scroll({0, 1, kWidth - 1, kHeight - 1}, std::nullopt, {0, 0})}},
      {"a move kept inside a clip",
       {Fill('z', 100, {0, 0}), Scroll({0, 0, 9, 2}, Rect{2, 1, 12, 3}, {4, 1})}},
      {"cursor inside and outside", {Cursor({19, 4}), Cursor({20, 0}), Cursor({-1, 2})}},
  };
}

ScreenInfo InfoOf(Handle h) {
  ScreenInfo info;
  EXPECT_TRUE(GetScreenInfo(h, &info));
  return info;
}

TEST(Win32Console, ScreenCallsMatchTheVirtualConsole) {
  for (const Scenario& scenario : Scenarios()) {
    SCOPED_TRACE(scenario.name);
    const ConsoleBuffer real;
    VirtualConsole virt(kWidth, kHeight);
    ASSERT_EQ(InfoOf(real.get()).size.x, kWidth);
    ASSERT_EQ(InfoOf(real.get()).size.y, kHeight);
    for (const Step& step : scenario.steps) {
      EXPECT_EQ(step.on_windows(real.get()), step.on_virtual(virt)) << step.name;
    }
    EXPECT_EQ(real.Cells(), virt.cells());
    EXPECT_EQ(InfoOf(real.get()).cursor.x, virt.cursor().x);
    EXPECT_EQ(InfoOf(real.get()).cursor.y, virt.cursor().y);
  }
}

TEST(Win32Console, ModesAttributeAndCursorShapeReachTheConsole) {
  const ConsoleBuffer real;
  EXPECT_TRUE(SetMode(real.get(), kProcessedOutput | kWrapAtEolOutput));
  std::uint32_t mode = 0;
  EXPECT_TRUE(GetMode(real.get(), &mode));
  EXPECT_EQ(mode & 3u, 3u);

  EXPECT_TRUE(SetTextAttribute(real.get(), 0xF8));
  EXPECT_EQ(InfoOf(real.get()).attr, 0xF8);

  EXPECT_TRUE(SetCursorInfo(real.get(), CursorInfo{37, false}));
  CursorInfo cursor;
  EXPECT_TRUE(GetCursorInfo(real.get(), &cursor));
  EXPECT_EQ(cursor.size, 37u);
  EXPECT_FALSE(cursor.visible);
}

TEST(Win32Console, WritesTooLargeForTheStagingAreaFailWithoutWriting) {
  const ConsoleBuffer real;
  std::vector<Cell> cells(kWidth * kHeight, Cell{'#', 0x0C});
  Rect all{0, 0, kWidth - 1, kHeight - 1};
  // 20 x 5 fits; a 300-cell row does not, and must not be cut short silently.
  EXPECT_TRUE(WriteCells(real.get(), cells.data(), {kWidth, kHeight}, {0, 0}, &all));
  std::vector<Cell> wide(300, Cell{'!', 0x0A});
  Rect row{0, 0, 299, 0};
  EXPECT_FALSE(WriteCells(real.get(), wide.data(), {300, 1}, {0, 0}, &row));
  EXPECT_EQ(real.Cells(), cells);
}

INPUT_RECORD KeyRecord(bool down, WORD vk, WORD scan, unsigned char ch, DWORD state) {
  INPUT_RECORD r{};
  r.EventType = KEY_EVENT;
  r.Event.KeyEvent.bKeyDown = down ? TRUE : FALSE;
  r.Event.KeyEvent.wRepeatCount = 2;
  r.Event.KeyEvent.wVirtualKeyCode = vk;
  r.Event.KeyEvent.wVirtualScanCode = scan;
  r.Event.KeyEvent.uChar.AsciiChar = static_cast<CHAR>(ch);
  r.Event.KeyEvent.dwControlKeyState = state;
  return r;
}

TEST(Win32Console, InputRecordsArriveWithEveryKeyField) {
  const HANDLE writer =
      CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  FlushConsoleInputBuffer(writer);
  INPUT_RECORD focus{};
  focus.EventType = FOCUS_EVENT;
  const INPUT_RECORD sent[] = {
      KeyRecord(true, 0x41, 0x1E, 'A', SHIFT_PRESSED | CAPSLOCK_ON),
      focus,
      KeyRecord(false, 0x41, 0x1E, 'A', SHIFT_PRESSED),
  };
  DWORD written = 0;
  ASSERT_TRUE(WriteConsoleInputA(writer, sent, 3, &written));
  ASSERT_EQ(written, 3u);

  // Wine's console queues records of its own from the terminal at any time, so ours are
  // looked for, in order, among what arrives; each peek must show what the read after it takes.
  const Handle keyboard = OpenKeyboard();
  std::vector<InputRecord> arrived;
  for (int i = 0; i < 64; ++i) {
    InputRecord peeked;
    InputRecord taken;
    std::uint32_t n = 0;
    ASSERT_TRUE(PeekInput(keyboard, &peeked, 1, &n));
    if (n == 0) break;
    ASSERT_TRUE(ReadInput(keyboard, &taken, 1, &n));
    ASSERT_EQ(n, 1u);
    EXPECT_EQ(peeked, taken);
    arrived.push_back(taken);
  }
  const InputRecord press{kKeyEvent, true, 2, 0x41, 0x1E, 'A', kShiftPressed | kCapsLockOn};
  auto at = std::find(arrived.begin(), arrived.end(), press);
  ASSERT_NE(at, arrived.end());
  at = std::find_if(at, arrived.end(), [](const InputRecord& r) {
    return r.event_type == kFocusEvent && !r.key_down && r.scan_code == 0;
  });
  ASSERT_NE(at, arrived.end());
  const InputRecord release{kKeyEvent, false, 2, 0x41, 0x1E, 'A', kShiftPressed};
  EXPECT_NE(std::find(at, arrived.end(), release), arrived.end());
  CloseHandle(keyboard);
  CloseHandle(writer);
}

// Whatever is queued signals the keyboard, a release as much as a press: the console layer
// takes such records out before it waits again. No keyboard is nothing to wait on.
TEST(Win32Console, AnyQueuedRecordEndsTheWaitForInput) {
  const HANDLE writer =
      CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  const Handle keyboard = OpenKeyboard();
  INPUT_RECORD focus{};
  focus.EventType = FOCUS_EVENT;
  for (const INPUT_RECORD& record : {KeyRecord(false, 0x0D, 0x1C, 13, 0), focus}) {
    FlushConsoleInputBuffer(writer);
    DWORD written = 0;
    ASSERT_TRUE(WriteConsoleInputA(writer, &record, 1, &written));
    EXPECT_TRUE(WaitForInput(keyboard, kUntilInput));
  }
  FlushConsoleInputBuffer(writer);
  EXPECT_FALSE(WaitForInput(INVALID_HANDLE_VALUE, kUntilInput));
  EXPECT_FALSE(WaitForInput(nullptr, kUntilInput));
  CloseHandle(keyboard);
  CloseHandle(writer);
}

TEST(Win32Records, ConversionsKeepEveryByteAndField) {
  for (const std::uint8_t ch : {std::uint8_t{0}, std::uint8_t{'a'}, std::uint8_t{0x7F},
                                std::uint8_t{0x80}, std::uint8_t{0xE9}, std::uint8_t{0xFF}}) {
    SCOPED_TRACE(static_cast<int>(ch));
    const CHAR_INFO cell = win32::ToCharInfo(Cell{ch, 0xFC});
    EXPECT_EQ(static_cast<std::uint8_t>(cell.Char.AsciiChar), ch);
    EXPECT_EQ(cell.Attributes, 0xFC);
    const InputRecord key =
        win32::FromInputRecord(KeyRecord(true, 0x31, 0x02, ch, LEFT_ALT_PRESSED | ENHANCED_KEY));
    EXPECT_EQ(key,
              (InputRecord{kKeyEvent, true, 2, 0x31, 0x02, ch, kLeftAltPressed | kEnhancedKey}));
  }
  INPUT_RECORD mouse{};
  mouse.EventType = MOUSE_EVENT;
  mouse.Event.MouseEvent.dwButtonState = 1;
  const InputRecord other = win32::FromInputRecord(mouse);
  EXPECT_EQ(other, (InputRecord{kMouseEvent, false, 0, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace platform
