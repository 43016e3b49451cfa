// The console calls of the seam, run on the memory platform's virtual console (the screen
// calls in virtual_screen.cpp).
#include "platform/console_api.h"
#include "platform/memory/memory_platform.h"
#include "platform/memory/memory_state.h"
#include "platform/virtual_screen.h"

namespace platform {
namespace {

using memory::InputOf;
using memory::ScreenOf;

bool Report(std::uint32_t count, std::uint32_t* out) {
  if (out != nullptr) *out = count;
  return true;
}

}  // namespace

VirtualConsole* virtual_screen::ScreenOf(Handle h) {
  return memory::ScreenOf(h);
}

bool Attach(std::string* why) {
  if (why != nullptr) why->clear();
  return true;
}

void Detach() {}

Handle StdHandle(StdStream stream) {
  switch (stream) {
    case StdStream::kInput:
      return memory::HandleOf(memory::Slot::kInput);
    case StdStream::kOutput:
      return memory::HandleOf(memory::Slot::kOutput);
    case StdStream::kError:
      return memory::HandleOf(memory::Slot::kError);
  }
  return nullptr;
}

Handle OpenKeyboard() {
  return memory::HandleOf(memory::Slot::kKeyboard);
}

bool GetMode(Handle h, std::uint32_t* mode) {
  const std::uint32_t* recorded = memory::ModeOf(h);
  if (recorded == nullptr || mode == nullptr) return false;
  *mode = *recorded;
  return true;
}

bool SetMode(Handle h, std::uint32_t mode) {
  std::uint32_t* recorded = memory::ModeOf(h);
  if (recorded == nullptr) return false;
  *recorded = mode;
  return true;
}

bool GetCursorInfo(Handle h, CursorInfo* info) {
  const VirtualConsole* console = ScreenOf(h);
  if (console == nullptr || info == nullptr || !memory::State().options.cursor_info_readable) {
    return false;
  }
  *info = console->cursor_info();
  return true;
}

bool SetCursorInfo(Handle h, const CursorInfo& info) {
  VirtualConsole* console = ScreenOf(h);
  if (console == nullptr) return false;
  memory::State().cursor_info_calls.push_back(info);
  return console->SetCursorInfo(info);
}

bool PeekInput(Handle h, InputRecord* records, std::uint32_t count, std::uint32_t* read) {
  const VirtualConsole* console = InputOf(h);
  if (console == nullptr) return false;
  return Report(console->PeekInput(records, count), read);
}

bool ReadInput(Handle h, InputRecord* records, std::uint32_t count, std::uint32_t* read) {
  VirtualConsole* console = InputOf(h);
  if (console == nullptr) return false;
  return Report(console->ReadInput(records, count), read);
}

// A wait for input with nothing left to come would last for ever; the test fails at once
// instead. So does a run of waits that finds the queue unchanged each time: keys queued that
// are never taken, or an empty queue looked at again and again instead of waited on.
bool WaitForInput(Handle keyboard, std::uint32_t milliseconds) {
  memory::MemoryState& s = memory::State();
  s.waits.push_back(milliseconds);
  if (InputOf(keyboard) == nullptr) return false;
  const std::size_t queued = s.console.input().size();
  if (queued == 0 && milliseconds == kUntilInput) {
    throw memory::ScriptExhausted("the program waits for a key and the script has none left");
  }
  if (queued != s.queued_at_last_wait) {
    s.queued_at_last_wait = queued;
    s.idle_waits = 0;
  } else if (++s.idle_waits >= memory::kIdleWaitLimit) {
    throw memory::ScriptExhausted(
        queued == 0 ? "the program looks at an empty queue again and again instead of waiting"
                    : "the program keeps waiting while keys are queued and takes none of them");
  }
  return queued > 0;
}

}  // namespace platform
