// The console calls of the platforms that present the virtual console themselves: the screen
// calls work on the virtual console (virtual_screen.cpp), which the session shows whenever the
// program is about to wait for keys, and the keys come from the session.
#include "platform/console_api.h"
#include "platform/presented_session.h"
#include "platform/virtual_screen.h"

namespace platform {
namespace {

using presented::Attached;
using presented::Console;
using presented::StreamIsConsole;

// Standard input, output and error, and the keyboard opened by name: their addresses are the
// handles, in the order of the modes they keep.
char g_handles[4];
constexpr std::size_t kKeyboardSlot = 3;

int SlotOf(Handle h) {
  for (int i = 0; i < 4; ++i)
    if (h == &g_handles[i]) return i;
  return -1;
}

bool IsStream(Handle h, StdStream stream) {
  return h == &g_handles[static_cast<int>(stream)];
}

bool IsKeyboard(Handle h) {
  return h == &g_handles[kKeyboardSlot] ||
         (IsStream(h, StdStream::kInput) && Attached() && StreamIsConsole(StdStream::kInput));
}

// The console's mode of a handle that is a console, as the mode calls see it.
std::uint32_t* ModeOf(Handle h) {
  const int slot = SlotOf(h);
  if (slot < 0 || !Attached()) return nullptr;
  const bool console = slot == kKeyboardSlot || StreamIsConsole(static_cast<StdStream>(slot));
  return console ? &Console().modes[static_cast<std::size_t>(slot)] : nullptr;
}

void TakeKeysIfNoneQueued() {
  auto& queue = Console().console.input();
  if (!queue.empty()) return;
  std::vector<InputRecord> keys;
  presented::TakeWaitingKeys(&keys);
  queue.insert(queue.end(), keys.begin(), keys.end());
}

}  // namespace

VirtualConsole* virtual_screen::ScreenOf(Handle h) {
  return IsStream(h, StdStream::kOutput) || IsStream(h, StdStream::kError) ? &Console().console
                                                                           : nullptr;
}

bool Attach(std::string* why) {
  if (why != nullptr) why->clear();
  std::string ignored;
  return presented::OpenSession(why != nullptr ? why : &ignored);
}

void Detach() {
  presented::CloseSession();
}

Handle StdHandle(StdStream stream) {
  return &g_handles[static_cast<int>(stream)];
}

Handle OpenKeyboard() {
  return Attached() ? &g_handles[kKeyboardSlot] : nullptr;
}

bool GetMode(Handle h, std::uint32_t* mode) {
  const std::uint32_t* recorded = ModeOf(h);
  if (recorded == nullptr || mode == nullptr) return false;
  *mode = *recorded;
  return true;
}

bool SetMode(Handle h, std::uint32_t mode) {
  std::uint32_t* recorded = ModeOf(h);
  if (recorded == nullptr) return false;
  *recorded = mode;
  return true;
}

// A look that finds no key is the program about to wait: the screen must be up to date even if
// it looks again without sleeping.
bool PeekInput(Handle h, InputRecord* records, std::uint32_t count, std::uint32_t* read) {
  if (!IsKeyboard(h) || records == nullptr || read == nullptr) return false;
  TakeKeysIfNoneQueued();
  *read = Console().console.PeekInput(records, count);
  if (*read == 0) presented::Present();
  return true;
}

bool ReadInput(Handle h, InputRecord* records, std::uint32_t count, std::uint32_t* read) {
  if (!IsKeyboard(h) || records == nullptr || read == nullptr) return false;
  TakeKeysIfNoneQueued();
  *read = Console().console.ReadInput(records, count);
  return true;
}

// With keys queued the wait is over at once; otherwise the session presents the screen and
// waits for a key, however long the pause asked for, since nothing else can happen meanwhile.
// Without a session there is no keyboard, and so nothing to wait for.
bool WaitForInput(Handle keyboard, std::uint32_t) {
  if (!Attached() || !IsKeyboard(keyboard)) return false;
  TakeKeysIfNoneQueued();
  auto& queue = Console().console.input();
  if (!queue.empty()) return true;
  std::vector<InputRecord> keys;
  presented::WaitForKeys(&keys);
  queue.insert(queue.end(), keys.begin(), keys.end());
  return !queue.empty();
}

}  // namespace platform
