// A result as the report prints it: the one formatting of results, so that every place that
// shows a result (the screen, the drawing, the setup sheet) shows the same text.
#pragma once

#include <string>

namespace app {

// Two decimals, with a second integer place from 10 on; a NaN takes the wider mask too.
std::string FormatResult(double value);

// A length measured in the room (a place, a height, a spacing), formatted as a result is, but a
// value that rounds to nothing reads 0.00 from either side: a tape measure has no "-0.00". The
// results themselves keep the screen's text, which prints such a value with its sign.
std::string FormatMeasure(double value);

}  // namespace app
