// What one run worked out, for whatever surrounds the program: once the report is printed the
// script hands the answers and the layout to the hook that the program's entry registered (the
// web page draws the layout beside the screen from them). Without a hook they go nowhere else.
#pragma once

#include "app/answers.h"
#include "app/geometry.h"

namespace app {

struct Results {
  const Answers& answers;  // as typed, answer 3 normalised
  const Layout& layout;
};

using ResultsHook = void (*)(const Results& results);

// Set before the program runs; a later call replaces the hook, null removes it.
void SetResultsHook(ResultsHook hook);

// Called by the script once the report is printed. The hook must not touch the console.
void PublishResults(const Results& results);

}  // namespace app
