// The console program's entry (a terminal, the Windows console). Arguments are ignored. The
// setup sheet is kept after the program, where the platform can keep it.
#include "app/kept_results.h"
#include "app/results.h"
#include "app/run.h"

int main() {
  app::SetResultsHook(app::KeepSheetAfterExit);
  return app::RunProgram();
}
