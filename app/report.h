// The three result rows under the questions.
#pragma once

#include <string>

#include "app/geometry.h"

namespace app {

// The texts of the results, owned by the program for the rest of its run.
struct ResultTexts {
  std::string front_back;
  std::string listening_distance;
  std::string surround_width;
};

// Prints the three rows from the cursor's row on, in the warning colour where a result is
// over the limit the calculation read for it; the third row stays empty when the surround spacing
// was fixed. Leaves the cursor at column 1 of the row below the third.
void PrintReport(const Layout& layout, ResultTexts& texts);

}  // namespace app
