// The window services that have no counterpart where the platform presents the console itself
// (a terminal, a web page): there is no icon, tool bar, system menu or window position to set.
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

}  // namespace platform::window
