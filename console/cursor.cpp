#include "console/console.h"
#include "console/console_internal.h"
#include "console/console_state.h"

namespace console {

void ApplyCursorSetting() {
  platform::SetCursorInfo(State().screen, State().cursor);
}

void OverrideCursorVisibility(bool visible) {
  ConsoleState& s = State();
  platform::CursorInfo shown = s.cursor;
  shown.visible = visible;
  platform::SetCursorInfo(s.screen, shown);
  s.override_pending = true;
}

void EndCursorOverride() {
  ConsoleState& s = State();
  if (!s.override_pending) return;
  ApplyCursorSetting();
  s.override_pending = false;
}

void PlaceCursor(int x, int y) {
  platform::SetCursorPosition(
      State().screen, platform::Coord{static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)});
}

void MoveCursor(std::int32_t row, std::int32_t column) {
  platform::ScreenInfo info;
  if (ReadScreen(&info)) {
    const std::int32_t width = info.size.x;
    const std::int32_t height = info.size.y;
    if (column < 1 || column > width) column = info.cursor.x + 1;
    if (row < 1 || row > height) row = info.cursor.y + 1;
    PlaceCursor(column - 1, row - 1);
  }
  State().pending_wrap = false;
}

// With no screen at all there is no cursor to report; row 1 keeps callers' row arithmetic
// on the screen.
std::int32_t CursorRow() {
  platform::ScreenInfo info;
  ReadScreen(&info);
  return info.cursor.y + 1;
}

void SetCursor(std::int32_t size) {
  platform::CursorInfo& cursor = State().cursor;
  if (size == 0) {
    cursor.visible = false;
  } else {
    if (size > 0) cursor.size = static_cast<std::uint32_t>(size < 10 ? 10 : size > 99 ? 99 : size);
    cursor.visible = true;
  }
  ApplyCursorSetting();
}

}  // namespace console
