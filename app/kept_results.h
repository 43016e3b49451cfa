// What the console program keeps of a run once it has ended: the setup sheet, which the
// platform leaves behind after the final screen (a terminal on its normal screen, or on
// standard output when that is a file or a pipe).
#pragma once

#include "app/results.h"

namespace app {

// The console program's results hook (app/results.h).
void KeepSheetAfterExit(const Results& results);

}  // namespace app
