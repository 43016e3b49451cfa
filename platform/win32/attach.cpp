// Process set-up on Windows: a console program is given its console by the system, so there
// is nothing to open; there only has to be a console screen to draw on.
#include "platform/console_api.h"
#include "platform/win32/records.h"

namespace platform {
namespace {

bool IsConsoleScreen(DWORD which) {
  const HANDLE h = GetStdHandle(which);
  DWORD mode = 0;
  return h != nullptr && h != INVALID_HANDLE_VALUE && GetConsoleMode(h, &mode) != FALSE;
}

}  // namespace

bool Attach(std::string* why) {
  // Without a console on standard output or standard error nothing could be shown, and the
  // final key wait would hold the process with no way for anyone to know.
  if (IsConsoleScreen(STD_OUTPUT_HANDLE) || IsConsoleScreen(STD_ERROR_HANDLE)) return true;
  if (why != nullptr) *why = "neither standard output nor standard error is a console";
  return false;
}

// The console's modes and cursor belong to the console, which its next user sets as it needs.
void Detach() {}

}  // namespace platform
