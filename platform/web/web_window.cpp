// The window services on the web page: the title is the document's title, the message box a
// modal dialog of the page, the beep a short tone. Icon, tool bar, system menu and window
// position have no page counterpart (presented_window.cpp).
#include "platform/cp437.h"
#include "platform/presented_session.h"
#include "platform/web/page_bridge.h"
#include "platform/window_api.h"

namespace platform::window {
namespace {

std::string Text(const char* text) {
  return Utf8Of(text != nullptr ? text : "");
}

}  // namespace

void SetTitle(const char* title) {
  web::page::SetTitle(Text(title));
}

// The page's box is modal: the keys that close it, and any typed while it is open, are the
// box's and never reach the program; keys queued before it opened stay the program's.
void MessageBox(const char* message, const char* caption) {
  presented::Present();
  web::page::ShowMessageBox(Text(message), Text(caption));
}

void Beep(std::uint32_t) {
  web::page::Beep();
}

// The page shows the results beside its screen, and keeps them there after the program ends.
void KeepAfterExit(const char*) {}

}  // namespace platform::window
