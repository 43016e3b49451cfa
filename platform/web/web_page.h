// What the web page shows beside the console screen, for the program's own additions that are
// no part of a console: they go next to the screen, never over it.
#pragma once

#include <string>

namespace platform::web {

// The results of the run as a JSON document in UTF-8, for the page to lay out beside the
// screen: shown from the next presentation of the screen on, so that the page has the report
// on the screen when it shows them.
void ShowResults(std::string json);

}  // namespace platform::web
