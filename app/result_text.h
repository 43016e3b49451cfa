// A result as the report prints it: the one formatting of results, so that every place that
// shows a result (the screen, the drawing, the setup sheet) shows the same text.
#pragma once

#include <string>

namespace app {

// Two decimals, with a second integer place from 10 on; a NaN takes the wider mask too.
std::string FormatResult(double value);

}  // namespace app
