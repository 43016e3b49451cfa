// The cursor-shape calls of the platforms that present the console themselves (the terminal,
// the web page): the shape is the virtual console's, shown at the next presentation.
#include "platform/console_api.h"
#include "platform/virtual_screen.h"

namespace platform {

using virtual_screen::ScreenOf;

bool GetCursorInfo(Handle h, CursorInfo* info) {
  const VirtualConsole* console = ScreenOf(h);
  if (console == nullptr || info == nullptr) return false;
  *info = console->cursor_info();
  return true;
}

bool SetCursorInfo(Handle h, const CursorInfo& info) {
  VirtualConsole* console = ScreenOf(h);
  return console != nullptr && console->SetCursorInfo(info);
}

}  // namespace platform
