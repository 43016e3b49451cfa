// The memory platform's controls, for the tests: a fresh virtual console, scripted keys in,
// every cell and attribute out, and a log of the window-service calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/console_api.h"
#include "platform/keyboard_us.h"
#include "platform/virtual_console.h"

namespace platform::memory {

// Thrown when the program waits for input (a wait with no limit on an empty queue, or a
// message box with no key to close it) and the script has no key left: the test fails instead of
// hanging.
struct ScriptExhausted : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct Options {
  int width = 80;
  int height = 25;
  bool stdout_is_console = true;
  bool stderr_is_console = true;
  bool stdin_is_console = true;    // false: standard input is redirected, its modes can't be set
  bool keyboard_available = true;  // false: OpenKeyboard gives a handle nothing can be read from
  CursorInfo cursor{25, true};
  bool cursor_info_readable = true;  // false: GetCursorInfo fails on every handle
};

// The modes a console starts with before the program sets its own.
constexpr std::uint32_t kInitialOutputMode = 0x0007;
constexpr std::uint32_t kInitialInputMode = 0x01F7;

// Starts over: a new console of the given shape (cursor home, light grey on black, the given
// cursor shape), an empty key queue, empty call logs, nothing kept, initial modes and no waits
// counted.
void Reset(const Options& options = Options{});
VirtualConsole& Console();

// Scripted keys: each press is followed by its release, as a real keyboard sends them.
// Type: every byte as keyboard::Typed(byte, control_state), then its release.
void Type(std::string_view text, std::uint32_t control_state = 0);
// Press: keyboard::Press(key, control_state), then its release.
void Press(keyboard::Key key, std::uint32_t control_state = 0);
// Any record at all, as it stands (a lone press, a release, a mouse or focus record).
void Queue(const InputRecord& record);
// Records still waiting in the input queue.
std::size_t QueuedRecords();

// Row text (bytes, the whole width) and attributes, rows and columns counted from 1.
std::string Row(int row);
std::uint16_t Attr(int row, int column);
// The cursor, row and column counted from 1.
int CursorRowOnScreen();
int CursorColumn();

// Every window-service call, in order, as "Name(arg, arg, ...)" with texts in double quotes.
const std::vector<std::string>& WindowCalls();
// The texts the program asked to be kept after it ends, one a call, in order.
const std::vector<std::string>& KeptAfterExit();

// Handles the console layer was given, and the modes it set on them. A handle that is not a
// console keeps its initial mode, since setting it fails.
std::uint32_t ModeOf(StdStream stream);
std::uint32_t KeyboardMode();
Handle KeyboardHandle();

// Every SetCursorInfo call on a console handle, in order, including those the console refused.
const std::vector<CursorInfo>& CursorInfoCalls();

// The pause of every wait for input so far, in order (kUntilInput for a wait with no limit).
// A wait with no limit on an empty input queue throws ScriptExhausted, and so does the
// kIdleWaitLimit-th wait in a row that finds the queue as the wait before it did.
const std::vector<std::uint32_t>& Waits();
constexpr int kIdleWaitLimit = 1000;

}  // namespace platform::memory
