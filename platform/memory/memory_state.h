// The one process-wide state of the memory platform: the virtual console, the handles it hands
// out and what the tests read back (modes, call logs, waits).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/console_api.h"
#include "platform/memory/memory_platform.h"
#include "platform/virtual_console.h"

namespace platform::memory {

enum class Slot { kOutput, kError, kInput, kKeyboard };
constexpr int kSlots = 4;

struct MemoryState {
  Options options;
  VirtualConsole console{80, 25};
  std::uint32_t modes[kSlots] = {kInitialOutputMode, kInitialOutputMode, kInitialInputMode,
                                 kInitialInputMode};
  std::vector<std::string> window_calls;
  std::vector<std::string> kept_after_exit;
  std::vector<CursorInfo> cursor_info_calls;
  // The pause of every wait for input, in order.
  std::vector<std::uint32_t> waits;
  // Waits in a row that found the input queue as the wait before left it (none before the
  // first wait).
  int idle_waits = 0;
  std::size_t queued_at_last_wait = SIZE_MAX;
};

MemoryState& State();

// The handle of each slot; the keyboard's is invalid when no keyboard is available.
Handle HandleOf(Slot slot);
// The console behind a handle that can write to the screen; null for any other handle.
VirtualConsole* ScreenOf(Handle h);
// The console behind a handle that can read the input queue; null for any other handle.
VirtualConsole* InputOf(Handle h);
// The recorded mode of a console handle; null for a handle that is not a console.
std::uint32_t* ModeOf(Handle h);

}  // namespace platform::memory
