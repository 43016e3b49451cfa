#include "console/console.h"
#include "console/console_internal.h"
#include "console/console_state.h"

namespace console {
namespace {

bool ReadCursorInfo(platform::Handle h, platform::CursorInfo* info) {
  return platform::GetCursorInfo(h, info) && info->size != 0;
}

// The console's own cursor shape, from the screen or else from standard output; a plain
// visible cursor when neither will say.
void TakeCursorSetting(platform::Handle standard_output) {
  ConsoleState& s = State();
  platform::CursorInfo info;
  if (ReadCursorInfo(s.screen, &info) || ReadCursorInfo(standard_output, &info)) {
    s.cursor = info;
    return;
  }
  s.cursor = platform::CursorInfo{10, true};
  ApplyCursorSetting();
}

}  // namespace

void ConsoleStartup() {
  ConsoleState& s = State();
  s = ConsoleState{};
  s.screen = platform::StdHandle(platform::StdStream::kError);
  s.standard_input = platform::StdHandle(platform::StdStream::kInput);
  const platform::Handle standard_output = platform::StdHandle(platform::StdStream::kOutput);
  // Keys come from the console even when standard input is redirected.
  s.keyboard = platform::OpenKeyboard();
  std::uint32_t mode = 0;
  if (platform::GetMode(standard_output, &mode)) s.screen = standard_output;
  platform::SetMode(s.screen, platform::kProcessedOutput | platform::kWrapAtEolOutput);
  // No line editing, echo or Ctrl+C handling by the console: the layer does its own.
  platform::SetMode(s.standard_input, 0);
  TakeCursorSetting(standard_output);
  s.foreground = 7;
  s.background = 0;
  s.pending_wrap = false;
  s.override_pending = false;
}

}  // namespace console
