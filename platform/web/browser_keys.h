// The key records a Windows console would queue for the keyboard events a browser reports:
// KeyboardEvent.code names the key's place on the keyboard (its PC scan code and virtual key),
// KeyboardEvent.key the character it types (in code page 437, or none), getModifierState the
// control-key state. Text that comes without key events (a paste, an on-screen keyboard) is
// typed as the US keys that make it.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/console_api.h"

namespace platform::web {

// getModifierState, one bit for each state the console reports.
enum : std::uint32_t {
  kModShift = 1u << 0,
  kModControl = 1u << 1,
  kModAlt = 1u << 2,
  kModAltGraph = 1u << 3,
  kModCapsLock = 1u << 4,
  kModNumLock = 1u << 5,
  kModScrollLock = 1u << 6,
};

// The name getModifierState takes for each bit: the page asks the browser by these.
struct ModifierName {
  const char* name;
  std::uint32_t bit;
};
inline constexpr ModifierName kModifierNames[] = {
    {"Shift", kModShift},           {"Control", kModControl},   {"Alt", kModAlt},
    {"AltGraph", kModAltGraph},     {"CapsLock", kModCapsLock}, {"NumLock", kModNumLock},
    {"ScrollLock", kModScrollLock},
};

// One KeyboardEvent as the page passes it on.
struct BrowserKey {
  bool down = true;             // keydown, or keyup
  std::string_view code;        // KeyboardEvent.code, such as "KeyA" or "NumpadEnter"
  char32_t character = 0;       // KeyboardEvent.key when that is one character, else 0
  std::uint32_t modifiers = 0;  // kMod* bits
};

class KeyMapper {
 public:
  // The record of one event; none for a key that has no place on a PC keyboard and types no
  // character of code page 437.
  std::optional<InputRecord> Record(const BrowserKey& key);

 private:
  void NoteHeld(const BrowserKey& key);
  std::uint32_t ControlState(const BrowserKey& key, bool enhanced) const;

  // Which Ctrl and Alt keys are down, from their own presses and releases: the modifier state
  // of an event says only that one of each pair is.
  bool left_ctrl_ = false;
  bool right_ctrl_ = false;
  bool left_alt_ = false;
  bool right_alt_ = false;
};

// The press and release that type `c`, appended to *out: a line end is the Enter key, a tab
// the Tab key, a backspace the Backspace key; other control characters, and characters code
// page 437 lacks, type nothing.
void TypeCharacter(char32_t c, std::vector<InputRecord>* out);

}  // namespace platform::web
