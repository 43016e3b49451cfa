#include "console/console_state.h"

#include "console/console_internal.h"

namespace console {

ConsoleState& State() {
  static ConsoleState state;
  return state;
}

std::uint16_t CurrentAttribute() {
  const ConsoleState& s = State();
  return static_cast<std::uint16_t>(s.foreground + 16 * s.background);
}

// A failed query leaves nothing to go by; a cursor outside the buffer would make every row
// piece empty, so such a screen is treated as no screen at all.
bool ReadScreen(platform::ScreenInfo* info) {
  *info = platform::ScreenInfo{};
  if (!platform::GetScreenInfo(State().screen, info)) {
    *info = platform::ScreenInfo{};
    return false;
  }
  const bool usable = info->size.x > 0 && info->size.y > 0 && info->cursor.x >= 0 &&
                      info->cursor.y >= 0 && info->cursor.x < info->size.x &&
                      info->cursor.y < info->size.y;
  if (!usable) *info = platform::ScreenInfo{};
  return usable;
}

}  // namespace console
