// The web platform's process-wide state: the console the page shows, the key mapper that
// turns the page's keyboard events into key records, and what waits to be shown beside the
// screen.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/virtual_console.h"
#include "platform/web/browser_keys.h"

namespace platform::web {

struct WebState {
  VirtualConsole console{80, 25};
  KeyMapper keys;
  std::array<std::uint32_t, 4> modes{};  // standard input, output and error, the keyboard
  std::string beside_screen;             // SVG for the next presentation to show
  bool beside_screen_pending = false;
};

WebState& State();

}  // namespace platform::web
