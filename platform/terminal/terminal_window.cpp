// The window services on a terminal: the title is the terminal's title, the message box an
// overlay drawn over the screen at presentation time, the beep the terminal's bell, and the
// text kept after the program is left on its normal screen when the session closes. Icon,
// tool bar, system menu and window position have no terminal counterpart (presented_window.cpp).
#include <algorithm>
#include <string>
#include <vector>

#include "platform/cp437.h"
#include "platform/keyboard_layout.h"
#include "platform/presented_session.h"
#include "platform/terminal/terminal_session.h"
#include "platform/terminal/terminal_state.h"
#include "platform/window_api.h"

namespace platform::window {
namespace {

using terminal::State;

// Control bytes would end the title sequence or act on the terminal: they are left out.
std::string TitleText(const char* title) {
  std::string out;
  for (const char* p = title; p != nullptr && *p != '\0'; ++p) {
    const auto b = static_cast<std::uint8_t>(*p);
    if (b < 0x20 || b == 0x7F) continue;
    out += GlyphOf(b, State().utf8);
  }
  return out;
}

bool ClosesBox(const InputRecord& r) {
  return r.event_type == kKeyEvent && r.key_down &&
         (r.ch == 13 || r.ch == ' ' || r.scan_code == keyboard::kScanEscape);
}

// Keys typed after the one that closed the box are the program's; the closing key's own
// release goes with it.
void KeepKeysAfter(const std::vector<InputRecord>& keys, std::size_t closing) {
  auto& queue = State().console.input();
  for (std::size_t i = closing + 1; i < keys.size(); ++i) {
    if (i == closing + 1 && !keys[i].key_down) continue;
    queue.push_back(keys[i]);
  }
}

}  // namespace

void SetTitle(const char* title) {
  terminal::QueueTitle(TitleText(title));
}

void MessageBox(const char* message, const char* caption) {
  terminal::TerminalState& s = State();
  if (!s.attached) return;
  s.box = terminal::MessageBoxText{message != nullptr ? message : "",
                                   caption != nullptr ? caption : ""};
  for (bool open = true; open;) {
    std::vector<InputRecord> keys;
    presented::WaitForKeys(&keys);
    const auto closing = std::find_if(keys.begin(), keys.end(), ClosesBox);
    if (closing == keys.end()) continue;
    KeepKeysAfter(keys, static_cast<std::size_t>(closing - keys.begin()));
    open = false;
  }
  s.box.reset();
  presented::Present();
}

void Beep(std::uint32_t) {
  if (State().attached) State().ahead += '\a';
}

void KeepAfterExit(const char* text) {
  terminal::KeepText(text != nullptr ? text : "");
}

}  // namespace platform::window
