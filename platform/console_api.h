// The seam under the console layer: the console calls the layer makes, under our own names,
// with the semantics of the Windows console. One implementation per platform folder:
// win32/ hands them to kernel32, memory/ and terminal/ run them on a VirtualConsole.
//
// Coordinates count from 0. Calls report success as the Windows calls do; the console layer
// mostly ignores the answers.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

using Handle = void*;

struct Coord {
  std::int16_t x = 0;
  std::int16_t y = 0;
};

// Inclusive on all four sides, like the console's own rectangles.
struct Rect {
  std::int16_t left = 0;
  std::int16_t top = 0;
  std::int16_t right = 0;
  std::int16_t bottom = 0;
};

// One screen cell: a code page 437 byte and its attribute (foreground + 16 x background).
struct Cell {
  std::uint8_t ch = ' ';
  std::uint16_t attr = 0;
  friend bool operator==(const Cell&, const Cell&) = default;
};

struct ScreenInfo {
  Coord size;    // columns and rows of the screen buffer
  Coord cursor;  // cursor position
  std::uint16_t attr = 0;
};

struct CursorInfo {
  std::uint32_t size = 25;  // percent of the cell height, 1 to 100
  bool visible = true;
};

// Event types of an input record.
enum : std::uint16_t {
  kKeyEvent = 0x0001,
  kMouseEvent = 0x0002,
  kWindowBufferSizeEvent = 0x0004,
  kMenuEvent = 0x0008,
  kFocusEvent = 0x0010,
};

// Control-key state bits of a key record.
enum : std::uint32_t {
  kRightAltPressed = 0x0001,
  kLeftAltPressed = 0x0002,
  kRightCtrlPressed = 0x0004,
  kLeftCtrlPressed = 0x0008,
  kShiftPressed = 0x0010,
  kNumLockOn = 0x0020,
  kScrollLockOn = 0x0040,
  kCapsLockOn = 0x0080,
  kEnhancedKey = 0x0100,
};

// An input record. Only key events carry the fields after event_type.
struct InputRecord {
  std::uint16_t event_type = kKeyEvent;
  bool key_down = true;
  std::uint16_t repeat_count = 1;
  std::uint16_t virtual_key = 0;
  std::uint16_t scan_code = 0;
  std::uint8_t ch = 0;  // the character in the console code page, 0 for none
  std::uint32_t control_state = 0;
  friend bool operator==(const InputRecord&, const InputRecord&) = default;
};

// Console modes the program sets.
enum : std::uint32_t {
  kProcessedOutput = 0x0001,
  kWrapAtEolOutput = 0x0002,
};

enum class StdStream { kInput, kOutput, kError };

// Process set-up of the platform, before the console layer starts. False when the program
// cannot run here (no console or terminal at all); *why then says why, in one line.
bool Attach(std::string* why);
// Gives the console back as it was found. Safe to call more than once.
void Detach();

Handle StdHandle(StdStream stream);
Handle OpenKeyboard();  // the console input buffer by name, whatever standard input is

bool GetMode(Handle h, std::uint32_t* mode);
bool SetMode(Handle h, std::uint32_t mode);
bool GetCursorInfo(Handle h, CursorInfo* info);
bool SetCursorInfo(Handle h, const CursorInfo& info);
bool GetScreenInfo(Handle h, ScreenInfo* info);
bool SetCursorPosition(Handle h, Coord at);
bool SetTextAttribute(Handle h, std::uint16_t attr);
bool FillCharacter(Handle h, std::uint8_t ch, std::uint32_t count, Coord from,
                   std::uint32_t* written);
bool FillAttribute(Handle h, std::uint16_t attr, std::uint32_t count, Coord from,
                   std::uint32_t* written);
// Writes buffer_size cells read from `cells` (row-major), starting at buffer_origin within
// them, into *region of the screen; *region becomes the rectangle actually written.
bool WriteCells(Handle h, const Cell* cells, Coord buffer_size, Coord buffer_origin, Rect* region);
// Moves `source` to `destination`; cells of the source that the move uncovers take `fill`.
// Only cells inside `clip` (when given) change.
bool ScrollBuffer(Handle h, const Rect& source, const Rect* clip, Coord destination,
                  const Cell& fill);
bool PeekInput(Handle h, InputRecord* records, std::uint32_t count, std::uint32_t* read);
bool ReadInput(Handle h, InputRecord* records, std::uint32_t count, std::uint32_t* read);

// Waits until input is waiting on the keyboard or `milliseconds` have passed, whichever comes
// first: at once when input is already waiting. kUntilInput waits for input with no limit. A
// platform that shows the screen while it waits (a terminal, a page) may wait for input past
// the pause, since nothing else can change there meanwhile. True when input is waiting; false
// when the pause ended first or the handle cannot be waited on.
constexpr std::uint32_t kUntilInput = 0xFFFFFFFF;
bool WaitForInput(Handle keyboard, std::uint32_t milliseconds);

}  // namespace platform
