// What the web page shows beside the console screen, for the program's own additions that are
// no part of a console: the picture goes next to the screen, never over it.
#pragma once

#include <string>

namespace platform::web {

// An SVG picture for beside the screen, shown from the next presentation of the screen on.
void ShowBesideScreen(std::string svg);

}  // namespace platform::web
