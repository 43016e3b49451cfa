// The window services of the platforms that present the console themselves (a terminal, a web
// page): the size is the virtual console's, and there is no icon, tool bar, system menu or
// window position to set.
#include <algorithm>

#include "platform/presented_session.h"
#include "platform/window_api.h"

namespace platform::window {
namespace {

char g_instance;

}  // namespace

void* InstanceHandle() {
  return &g_instance;
}
void Init(void*) {}
void ToolBar(int, int) {}
void SetIcon(int) {}
void DeleteMenuItem(int) {}
void Move(int, int) {}

void Resize80x(int rows) {
  presented::Console().console.Resize(80, std::clamp(rows, 1, 255));
}

}  // namespace platform::window
