// The web platform's process-wide state: the console the page shows, the key mapper that
// turns the page's keyboard events into key records, and the results that wait to be shown
// beside the screen.
#pragma once

#include <string>

#include "platform/presented_session.h"
#include "platform/web/browser_keys.h"

namespace platform::web {

struct WebState : presented::PresentedConsole {
  KeyMapper keys;
  std::string results;  // the JSON document for the next presentation to show
  bool results_pending = false;
};

WebState& State();

}  // namespace platform::web
