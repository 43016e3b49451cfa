// The one process-wide state of the console layer, shared by the screen, the line input and
// the key wait. Set up by ConsoleStartup and alive until the process ends; one thread only.
#pragma once

#include <cstdint>

#include "platform/console_api.h"

namespace console {

struct ConsoleState {
  platform::Handle screen = nullptr;          // standard output, or standard error
  platform::Handle keyboard = nullptr;        // the console input buffer, opened by name
  platform::Handle standard_input = nullptr;  // only its mode is ever set
  std::uint32_t foreground = 7;
  std::uint32_t background = 0;
  // The last text filled the last cell of the last row; its scroll is owed to the next output.
  bool pending_wrap = false;
  // The cursor as the program last asked for it.
  platform::CursorInfo cursor{25, true};
  // ClearScreen or ReadLine changed the cursor's visibility for their own length and put the
  // stored setting back when they end.
  bool override_pending = false;
};

ConsoleState& State();

}  // namespace console
