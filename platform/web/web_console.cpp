// The console calls on the web page: every screen call works on the process's virtual console
// (virtual_screen.cpp), which is presented on the page whenever the program waits for keys.
#include "platform/console_api.h"
#include "platform/virtual_screen.h"
#include "platform/web/web_session.h"
#include "platform/web/web_state.h"

namespace platform {
namespace {

using web::State;

// Standard input, output and error, and the keyboard opened by name: their addresses are the
// handles, and all four are the page's console.
char g_handles[4];

int SlotOf(Handle h) {
  for (int i = 0; i < 4; ++i)
    if (h == &g_handles[i]) return i;
  return -1;
}

bool IsScreen(Handle h) {
  const int slot = SlotOf(h);
  return slot == 1 || slot == 2;
}

bool IsKeyboard(Handle h) {
  const int slot = SlotOf(h);
  return slot == 0 || slot == 3;
}

void TakeKeysIfNoneQueued() {
  if (State().console.input().empty()) web::TakeWaitingKeys();
}

}  // namespace

VirtualConsole* virtual_screen::ScreenOf(Handle h) {
  return IsScreen(h) ? &State().console : nullptr;
}

bool Attach(std::string* why) {
  if (why != nullptr) why->clear();
  return true;
}

void Detach() {
  web::Present();
}

Handle StdHandle(StdStream stream) {
  switch (stream) {
    case StdStream::kInput:
      return &g_handles[0];
    case StdStream::kOutput:
      return &g_handles[1];
    case StdStream::kError:
      return &g_handles[2];
  }
  return nullptr;
}

Handle OpenKeyboard() {
  return &g_handles[3];
}

bool GetMode(Handle h, std::uint32_t* mode) {
  const int slot = SlotOf(h);
  if (slot < 0 || mode == nullptr) return false;
  *mode = State().modes[static_cast<std::size_t>(slot)];
  return true;
}

bool SetMode(Handle h, std::uint32_t mode) {
  const int slot = SlotOf(h);
  if (slot < 0) return false;
  State().modes[static_cast<std::size_t>(slot)] = mode;
  return true;
}

// A look that finds no key is the program about to wait: the page must show the screen as it
// stands even if the program looks again without sleeping.
bool PeekInput(Handle h, InputRecord* records, std::uint32_t count, std::uint32_t* read) {
  if (!IsKeyboard(h) || records == nullptr || read == nullptr) return false;
  TakeKeysIfNoneQueued();
  *read = State().console.PeekInput(records, count);
  if (*read == 0) web::Present();
  return true;
}

bool ReadInput(Handle h, InputRecord* records, std::uint32_t count, std::uint32_t* read) {
  if (!IsKeyboard(h) || records == nullptr || read == nullptr) return false;
  TakeKeysIfNoneQueued();
  *read = State().console.ReadInput(records, count);
  return true;
}

// The console layer's pause between looks at an empty queue: with keys queued it returns at
// once; otherwise the program is suspended until the page has a key, using no processor time
// while it waits and no timer to wake it.
void Sleep(std::uint32_t) {
  TakeKeysIfNoneQueued();
  if (State().console.input().empty()) web::WaitForKeys();
}

}  // namespace platform
