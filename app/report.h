// The three result rows under the questions.
#pragma once

#include <string>

#include "app/answers.h"
#include "app/geometry.h"

namespace app {

// The texts of the results, owned by the program for the rest of its run.
struct ResultTexts {
  std::string front_back;
  std::string listening_distance;
  std::string surround_width;
};

// Two decimals, with a second integer place from 10 on; a NaN takes the wider mask too.
std::string FormatResult(double value);

// Prints the three rows from the cursor's row on, in the warning colour where a result is
// over its limit; the third row stays empty when the surround spacing was fixed. Leaves the
// cursor at column 1 of the row below the third.
void PrintReport(const Answers& answers, const Layout& layout, ResultTexts& texts);

}  // namespace app
