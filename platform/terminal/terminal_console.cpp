// The console calls on the terminal: every screen call works on the process's virtual
// console (virtual_screen.cpp), which is presented on the tty whenever the program waits for
// keys.
#include <ctime>
#include <vector>

#include "platform/console_api.h"
#include "platform/terminal/terminal_session.h"
#include "platform/terminal/terminal_state.h"
#include "platform/virtual_screen.h"

namespace platform {
namespace {

using terminal::State;

// Handles are the addresses of these markers; only their identity matters.
char g_std_input, g_std_output, g_std_error, g_keyboard;

bool IsScreen(Handle h) {
  return h == &g_std_output || h == &g_std_error;
}

bool IsKeyboard(Handle h) {
  return h == &g_keyboard || (h == &g_std_input && State().attached && State().stdin_tty);
}

// Whether the handle is a console (a terminal here), as the console's mode calls tell.
bool HasMode(Handle h, std::size_t* slot) {
  const terminal::TerminalState& s = State();
  if (!s.attached) return false;
  if (h == &g_std_input) *slot = 0;
  if (h == &g_std_output) *slot = 1;
  if (h == &g_std_error) *slot = 2;
  if (h == &g_keyboard) *slot = 3;
  return (h == &g_std_input && s.stdin_tty) || (h == &g_std_output && s.stdout_tty) ||
         (h == &g_std_error && s.stderr_tty) || h == &g_keyboard;
}

void TakeKeysIfNoneQueued() {
  if (State().console.input().empty()) terminal::TakeWaitingKeys();
}

}  // namespace

VirtualConsole* virtual_screen::ScreenOf(Handle h) {
  return IsScreen(h) ? &State().console : nullptr;
}

bool Attach(std::string* why) {
  return terminal::OpenSession(why);
}
void Detach() {
  terminal::CloseSession();
}

Handle StdHandle(StdStream stream) {
  switch (stream) {
    case StdStream::kInput:
      return &g_std_input;
    case StdStream::kOutput:
      return &g_std_output;
    case StdStream::kError:
      return &g_std_error;
  }
  return nullptr;
}

Handle OpenKeyboard() {
  return State().attached ? &g_keyboard : nullptr;
}

bool GetMode(Handle h, std::uint32_t* mode) {
  std::size_t slot = 0;
  if (mode == nullptr || !HasMode(h, &slot)) return false;
  *mode = State().modes[slot];
  return true;
}

bool SetMode(Handle h, std::uint32_t mode) {
  std::size_t slot = 0;
  if (!HasMode(h, &slot)) return false;
  State().modes[slot] = mode;
  return true;
}

bool PeekInput(Handle h, InputRecord* records, std::uint32_t count, std::uint32_t* read) {
  if (!IsKeyboard(h) || records == nullptr || read == nullptr) return false;
  TakeKeysIfNoneQueued();
  *read = State().console.PeekInput(records, count);
  // The program looks for a key and finds none: it is about to wait, so the screen must be
  // up to date even if it polls without sleeping.
  if (*read == 0) terminal::Present();
  return true;
}

bool ReadInput(Handle h, InputRecord* records, std::uint32_t count, std::uint32_t* read) {
  if (!IsKeyboard(h) || records == nullptr || read == nullptr) return false;
  TakeKeysIfNoneQueued();
  *read = State().console.ReadInput(records, count);
  return true;
}

// A wait for keys: with keys queued it returns at once; otherwise the screen is presented
// and the process sleeps in poll() until a key (or nothing but a signal) arrives. Without a
// terminal it is a plain sleep.
void Sleep(std::uint32_t milliseconds) {
  terminal::TerminalState& s = State();
  if (!s.attached) {
    timespec t{static_cast<time_t>(milliseconds / 1000),
               static_cast<long>(milliseconds % 1000) * 1000000L};
    nanosleep(&t, nullptr);
    return;
  }
  TakeKeysIfNoneQueued();
  if (!s.console.input().empty()) return;
  std::vector<InputRecord> keys;
  terminal::WaitForKeys(&keys);
  s.console.input().insert(s.console.input().end(), keys.begin(), keys.end());
}

}  // namespace platform
