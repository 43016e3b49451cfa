// The key records a US keyboard produces: scan codes, virtual keys and control state for
// every code page 437 byte that can be typed, and for the named keys. The terminal turns tty
// bytes into these records; the memory platform scripts them for the tests.
#pragma once

#include <cstdint>

#include "platform/console_api.h"
#include "platform/keyboard_layout.h"

namespace platform::keyboard {

enum class Key {
  kEnter,
  kBackspace,
  kEscape,
  kTab,
  kUp,
  kDown,
  kLeft,
  kRight,
  kHome,
  kEnd,
  kPageUp,
  kPageDown,
  kInsert,
  kDelete,
  kF1,
  kF2,
  kF3,
  kF4,
  kF5,
  kF6,
  kF7,
  kF8,
  kF9,
  kF10,
  kF11,
  kF12,
  kShift,
  kCtrl,
  kAlt,
  kCapsLock,
  kNumLock,
  kScrollLock,
};

// A press of a named key; `control_state` is added to the state the key itself implies.
InputRecord Press(Key key, std::uint32_t control_state = 0);

// A press that types the code page 437 byte `ch`: the scan code and virtual key of its key on
// a US keyboard, with Shift or Ctrl set where the layout needs them (Ctrl+A for 1, and so on).
// Bytes no US key types (128 to 255) carry scan code 0, as the console reports characters
// entered by other means.
InputRecord Typed(std::uint8_t ch, std::uint32_t control_state = 0);

// The release that follows `press`.
InputRecord Released(const InputRecord& press);

// The scan code of the US key that types printable ASCII `ch`, and whether Shift is needed;
// 0 when no key types it.
std::uint16_t ScanCodeOf(std::uint8_t ch, bool* shift);

}  // namespace platform::keyboard
