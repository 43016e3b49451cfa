// The process around the program's script: the floating-point settings, the platform and the
// console layer set up, the script run, the platform given back. Every program's entry ends in
// it, once it has registered whatever it does with the results (app/results.h).
#pragma once

namespace app {

// The process's exit code: the script's, or 255 when the platform cannot run here, in which
// case nothing is shown and the reason goes to standard error.
int RunProgram();

}  // namespace app
