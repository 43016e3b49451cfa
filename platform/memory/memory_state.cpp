#include "platform/memory/memory_state.h"

#include <cstdint>

namespace platform::memory {
namespace {

// Distinct addresses for the handles; their contents are never looked at.
char handle_tokens[kSlots];

Handle Token(Slot slot) {
  return &handle_tokens[static_cast<int>(slot)];
}

// What the console hands out for a device it cannot open.
Handle InvalidHandle() {
  return reinterpret_cast<Handle>(static_cast<std::intptr_t>(-1));
}

bool IsConsole(Slot slot) {
  const Options& o = State().options;
  switch (slot) {
    case Slot::kOutput:
      return o.stdout_is_console;
    case Slot::kError:
      return o.stderr_is_console;
    case Slot::kInput:
      return o.stdin_is_console;
    case Slot::kKeyboard:
      return o.keyboard_available;
  }
  return false;
}

// The slot of a handle that is a console, or -1.
int ConsoleSlotOf(Handle h) {
  for (int i = 0; i < kSlots; ++i) {
    const auto slot = static_cast<Slot>(i);
    if (h == Token(slot) && IsConsole(slot)) return i;
  }
  return -1;
}

}  // namespace

MemoryState& State() {
  static MemoryState state;
  return state;
}

Handle HandleOf(Slot slot) {
  if (slot == Slot::kKeyboard && !State().options.keyboard_available) return InvalidHandle();
  return Token(slot);
}

VirtualConsole* ScreenOf(Handle h) {
  const int slot = ConsoleSlotOf(h);
  const bool output =
      slot == static_cast<int>(Slot::kOutput) || slot == static_cast<int>(Slot::kError);
  return output ? &State().console : nullptr;
}

VirtualConsole* InputOf(Handle h) {
  const int slot = ConsoleSlotOf(h);
  const bool input =
      slot == static_cast<int>(Slot::kInput) || slot == static_cast<int>(Slot::kKeyboard);
  return input ? &State().console : nullptr;
}

std::uint32_t* ModeOf(Handle h) {
  const int slot = ConsoleSlotOf(h);
  return slot < 0 ? nullptr : &State().modes[slot];
}

}  // namespace platform::memory
