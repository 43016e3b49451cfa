#include "console/console.h"
#include "console/console_internal.h"
#include "console/console_state.h"

namespace console {

void ClearScreen() {
  // The cursor would flicker across the buffer while it is filled.
  if (State().cursor.visible) OverrideCursorVisibility(false);
  platform::ScreenInfo info;
  ReadScreen(&info);
  const std::uint32_t cells = static_cast<std::uint32_t>(info.size.x * info.size.y);
  std::uint32_t written = 0;
  platform::FillCharacter(State().screen, ' ', cells, platform::Coord{}, &written);
  platform::FillAttribute(State().screen, CurrentAttribute(), cells, platform::Coord{}, &written);
  MoveCursor(1, 1);
  EndCursorOverride();
}

void SetColor(std::int32_t foreground, std::int32_t background, std::uint32_t repaint_count) {
  ConsoleState& s = State();
  // Indexes of 16 or more, and so every negative one, keep the colour as it is.
  if (static_cast<std::uint32_t>(foreground) < 16)
    s.foreground = static_cast<std::uint32_t>(foreground);
  if (static_cast<std::uint32_t>(background) < 16)
    s.background = static_cast<std::uint32_t>(background);
  const std::uint16_t attr = CurrentAttribute();
  platform::SetTextAttribute(s.screen, attr);
  platform::ScreenInfo info;
  ReadScreen(&info);
  std::uint32_t written = 0;
  platform::FillAttribute(s.screen, attr, repaint_count, info.cursor, &written);
}

}  // namespace console
