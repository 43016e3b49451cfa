#include "winsvc/winsvc.h"

#include "extended/extended.h"
#include "platform/window_api.h"

namespace winsvc {
namespace {

// Whatever the window layer did to the floating-point unit, the program's own settings hold
// again when control comes back to it.
struct RestoreFloatingPoint {
  RestoreFloatingPoint() = default;
  RestoreFloatingPoint(const RestoreFloatingPoint&) = delete;
  RestoreFloatingPoint& operator=(const RestoreFloatingPoint&) = delete;
  ~RestoreFloatingPoint() { extended::EstablishFloatingPoint(); }
};

}  // namespace

void InitConsoleTools(void* instance, int, int, int, int*, int) {
  RestoreFloatingPoint restore;
  platform::window::Init(instance);
}

int ConsoleToolBar(int style, int buttons) {
  RestoreFloatingPoint restore;
  platform::window::ToolBar(style, buttons);
  return 0;
}

std::string ConsoleTitle(const char* title) {
  RestoreFloatingPoint restore;
  platform::window::SetTitle(title);
  return title;
}

int ConsoleIcon(int resource_id) {
  RestoreFloatingPoint restore;
  platform::window::SetIcon(resource_id);
  return 0;
}

int DeleteWindowMenuItem(int item) {
  RestoreFloatingPoint restore;
  platform::window::DeleteMenuItem(item);
  return 0;
}

void Console80x(int rows) {
  RestoreFloatingPoint restore;
  platform::window::Resize80x(rows);
}

void ConsoleMove(int x, int y) {
  RestoreFloatingPoint restore;
  platform::window::Move(x, y);
}

void ConsoleMessageBox(const char* message, int, const char* caption, int, int) {
  RestoreFloatingPoint restore;
  platform::window::MessageBox(message, caption);
}

void MessageBeep(std::uint32_t type) {
  RestoreFloatingPoint restore;
  platform::window::Beep(type);
}

}  // namespace winsvc
