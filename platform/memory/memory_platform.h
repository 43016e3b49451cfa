// The memory platform's controls, for the tests: a fresh virtual console, scripted keys in,
// every cell and attribute out, and a log of the window-service calls.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/console_api.h"
#include "platform/keyboard_us.h"
#include "platform/virtual_console.h"

namespace platform::memory {

// Thrown when the program waits for input (a sleep with an empty queue, or a message box with
// no key to close it) and the script has no key left: the test fails instead of hanging.
struct ScriptExhausted : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct Options {
  int width = 80;
  int height = 25;
  bool stdout_is_console = true;
  bool stderr_is_console = true;
  bool keyboard_available = true;
  CursorInfo cursor{25, true};
};

// Starts over: a new console of the given shape, an empty key queue and an empty call log.
void Reset(const Options& options = Options{});
VirtualConsole& Console();

// Scripted keys: each press is followed by its release, as a real keyboard sends them.
void Type(std::string_view text, std::uint32_t control_state = 0);
void Press(keyboard::Key key, std::uint32_t control_state = 0);
void Queue(const InputRecord& record);

// Row text (bytes) and attributes, rows and columns counted from 1.
std::string Row(int row);
std::uint16_t Attr(int row, int column);

// Every window-service call, in order, as "Name(arg, arg, ...)" with texts in double quotes.
const std::vector<std::string>& WindowCalls();

// Handles the console layer was given, and the modes it set on them.
std::uint32_t ModeOf(StdStream stream);
Handle KeyboardHandle();
int SleepCount();

}  // namespace platform::memory
