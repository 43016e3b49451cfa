// The console program's entry (a terminal, the Windows console). Arguments are ignored.
#include "app/run.h"

int main() {
  return app::RunProgram();
}
