#include "platform/keyboard_us.h"

#include <array>
#include <cstring>

namespace platform::keyboard {
namespace {

struct KeyInfo {
  std::uint16_t scan;
  std::uint16_t virtual_key;
  std::uint8_t ch;
  bool enhanced;
};

// Indexed by Key.
constexpr std::array<KeyInfo, 32> kNamed = {{
    {0x1C, 0x0D, 13, false},  // Enter
    {0x0E, 0x08, 8, false},   // Backspace
    {0x01, 0x1B, 27, false},  // Escape
    {0x0F, 0x09, 9, false},   // Tab
    {0x48, 0x26, 0, true},    // Up
    {0x50, 0x28, 0, true},    // Down
    {0x4B, 0x25, 0, true},    // Left
    {0x4D, 0x27, 0, true},    // Right
    {0x47, 0x24, 0, true},    // Home
    {0x4F, 0x23, 0, true},    // End
    {0x49, 0x21, 0, true},    // Page Up
    {0x51, 0x22, 0, true},    // Page Down
    {0x52, 0x2D, 0, true},    // Insert
    {0x53, 0x2E, 0, true},    // Delete
    {0x3B, 0x70, 0, false},   // F1
    {0x3C, 0x71, 0, false},   // F2
    {0x3D, 0x72, 0, false},   // F3
    {0x3E, 0x73, 0, false},   // F4
    {0x3F, 0x74, 0, false},   // F5
    {0x40, 0x75, 0, false},   // F6
    {0x41, 0x76, 0, false},   // F7
    {0x42, 0x77, 0, false},   // F8
    {0x43, 0x78, 0, false},   // F9
    {0x44, 0x79, 0, false},   // F10
    {0x57, 0x7A, 0, false},   // F11
    {0x58, 0x7B, 0, false},   // F12
    {0x2A, 0x10, 0, false},   // Shift
    {0x1D, 0x11, 0, false},   // Ctrl
    {0x38, 0x12, 0, false},   // Alt
    {0x3A, 0x14, 0, false},   // Caps Lock
    {0x45, 0x90, 0, false},   // Num Lock
    {0x46, 0x91, 0, false},   // Scroll Lock
}};

// Virtual-key codes of the punctuation keys, by scan code.
std::uint16_t VirtualKeyOf(std::uint16_t scan, char plain) {
  if (plain >= 'a' && plain <= 'z') return static_cast<std::uint16_t>(plain - 'a' + 'A');
  if (plain >= '0' && plain <= '9') return static_cast<std::uint16_t>(plain);
  switch (scan) {
    case 0x0C:
      return 0xBD;
    case 0x0D:
      return 0xBB;
    case 0x1A:
      return 0xDB;
    case 0x1B:
      return 0xDD;
    case 0x27:
      return 0xBA;
    case 0x28:
      return 0xDE;
    case 0x29:
      return 0xC0;
    case 0x2B:
      return 0xDC;
    case 0x33:
      return 0xBC;
    case 0x34:
      return 0xBE;
    case 0x35:
      return 0xBF;
    case 0x39:
      return 0x20;
    default:
      return 0;
  }
}

InputRecord KeyRecord(std::uint16_t scan, std::uint16_t virtual_key, std::uint8_t ch,
                      std::uint32_t control_state) {
  InputRecord r;
  r.event_type = kKeyEvent;
  r.key_down = true;
  r.repeat_count = 1;
  r.scan_code = scan;
  r.virtual_key = virtual_key;
  r.ch = ch;
  r.control_state = control_state;
  return r;
}

// Control codes typed with Ctrl (and Shift for 30 and 31) on a US keyboard.
InputRecord ControlCode(std::uint8_t ch, std::uint32_t control_state) {
  const std::uint32_t ctrl = control_state | kLeftCtrlPressed;
  char base = 0;
  switch (ch) {
    case 27:
      return KeyRecord(0x01, 0x1B, 27, control_state);
    case 28:
      base = '\\';
      break;
    case 29:
      base = ']';
      break;
    case 30:
      return KeyRecord(0x07, '6', 30, ctrl | kShiftPressed);
    case 31:
      return KeyRecord(0x0C, 0xBD, 31, ctrl | kShiftPressed);
    default:
      base = static_cast<char>('a' + ch - 1);
      break;
  }
  bool shift = false;
  const std::uint16_t scan = ScanCodeOf(static_cast<std::uint8_t>(base), &shift);
  return KeyRecord(scan, VirtualKeyOf(scan, base), ch, ctrl);
}

// A modifier key is reported as held down in its own press.
std::uint32_t ImpliedState(Key key) {
  switch (key) {
    case Key::kShift:
      return kShiftPressed;
    case Key::kCtrl:
      return kLeftCtrlPressed;
    case Key::kAlt:
      return kLeftAltPressed;
    default:
      return 0;
  }
}

}  // namespace

std::uint16_t ScanCodeOf(std::uint8_t ch, bool* shift) {
  for (const LayoutKey& k : kUsLayout) {
    if (static_cast<std::uint8_t>(k.plain) == ch) {
      *shift = false;
      return k.scan;
    }
    if (static_cast<std::uint8_t>(k.shifted) == ch) {
      *shift = true;
      return k.scan;
    }
  }
  *shift = false;
  return 0;
}

InputRecord Press(Key key, std::uint32_t control_state) {
  const KeyInfo& k = kNamed[static_cast<std::size_t>(key)];
  const std::uint32_t enhanced = k.enhanced ? std::uint32_t{kEnhancedKey} : 0u;
  return KeyRecord(k.scan, k.virtual_key, k.ch, control_state | ImpliedState(key) | enhanced);
}

InputRecord Typed(std::uint8_t ch, std::uint32_t control_state) {
  switch (ch) {
    case 8:
      return Press(Key::kBackspace, control_state);
    case 9:
      return Press(Key::kTab, control_state);
    case 13:
      return Press(Key::kEnter, control_state);
    case 10:
      return KeyRecord(0x1C, 0x0D, 10, control_state | kLeftCtrlPressed);
    case 127:
      return KeyRecord(0x0E, 0x08, 127, control_state | kLeftCtrlPressed);
    default:
      break;
  }
  if (ch >= 1 && ch < 32) return ControlCode(ch, control_state);
  bool shift = false;
  const std::uint16_t scan = ScanCodeOf(ch, &shift);
  if (scan == 0) return KeyRecord(0, 0, ch, control_state);
  char plain = 0;
  for (const LayoutKey& k : kUsLayout)
    if (k.scan == scan) plain = k.plain;
  return KeyRecord(scan, VirtualKeyOf(scan, plain), ch,
                   control_state | (shift ? std::uint32_t{kShiftPressed} : 0u));
}

InputRecord Released(const InputRecord& press) {
  InputRecord r = press;
  r.key_down = false;
  return r;
}

}  // namespace platform::keyboard
