#include <algorithm>
#include <array>
#include <optional>

#include "console/console.h"
#include "console/console_internal.h"
#include "console/console_state.h"

namespace console {
namespace {

constexpr std::uint8_t kScanEscape = 0x01;

// Ctrl, left Shift, right Shift, Alt, Caps Lock, Num Lock, Scroll Lock: never a key alone.
constexpr std::array<std::uint8_t, 7> kModifierScanCodes = {0x1D, 0x2A, 0x36, 0x38,
                                                            0x3A, 0x45, 0x46};

struct CapsLockEntry {
  std::uint8_t scan;
  std::uint8_t plain;
  std::uint8_t shifted;
};

// With Caps Lock on, some consoles report the digit and punctuation keys as if Shift were
// inverted; these keys follow the Shift key alone.
constexpr std::array<CapsLockEntry, 21> kCapsLockTable = {{
    {0x02, '1', '!'},  {0x03, '2', '@'}, {0x04, '3', '#'},  {0x05, '4', '$'}, {0x06, '5', '%'},
    {0x07, '6', '^'},  {0x08, '7', '&'}, {0x09, '8', '*'},  {0x0A, '9', '('}, {0x0B, '0', ')'},
    {0x0C, '-', '_'},  {0x0D, '=', '+'}, {0x1A, '[', '{'},  {0x1B, ']', '}'}, {0x27, ';', ':'},
    {0x28, '\'', '"'}, {0x29, '`', '~'}, {0x2B, '\\', '|'}, {0x33, ',', '<'}, {0x34, '.', '>'},
    {0x35, '/', '?'},
}};

bool IsModifier(std::uint8_t scan) {
  return std::find(kModifierScanCodes.begin(), kModifierScanCodes.end(), scan) !=
         kModifierScanCodes.end();
}

bool InLetterRows(std::uint8_t scan) {
  return (scan >= 0x10 && scan <= 0x19) || (scan >= 0x1E && scan <= 0x26) ||
         (scan >= 0x2C && scan <= 0x32);
}

std::uint8_t CapsLockCorrected(std::uint8_t ch, std::uint8_t scan, std::uint32_t control) {
  if ((control & platform::kCapsLockOn) == 0) return ch;
  const auto entry = std::find_if(kCapsLockTable.begin(), kCapsLockTable.end(),
                                  [scan](const CapsLockEntry& e) { return e.scan == scan; });
  if (entry == kCapsLockTable.end()) return scan == kScanEscape ? 27 : ch;
  if ((control & platform::kShiftPressed) != 0) return ch == entry->plain ? entry->shifted : ch;
  return ch == entry->shifted ? entry->plain : ch;
}

// The key a record stands for; nothing for a record that is dropped on the way to a key.
std::optional<KeyEvent> Classify(const platform::InputRecord& record) {
  if (record.event_type != platform::kKeyEvent || !record.key_down) return std::nullopt;
  const auto scan = static_cast<std::uint8_t>(record.scan_code & 0xFF);
  const std::uint32_t control = record.control_state;
  if (record.ch != 0) {
    // Alt with a letter, including a third-level character made with the right Alt key, is
    // a command rather than text.
    if ((control & (platform::kLeftAltPressed | platform::kRightAltPressed)) != 0 &&
        InLetterRows(scan)) {
      return KeyEvent{KeyEvent::kExtended, 0, scan};
    }
    return KeyEvent{KeyEvent::kCharacter, CapsLockCorrected(record.ch, scan, control), scan};
  }
  if (scan == kScanEscape) {
    return KeyEvent{KeyEvent::kCharacter, CapsLockCorrected(0, scan, control), scan};
  }
  if (IsModifier(scan)) return std::nullopt;
  return KeyEvent{KeyEvent::kExtended, 0, scan};
}

}  // namespace

bool TakeHeadRecord() {
  platform::InputRecord record;
  std::uint32_t read = 0;
  return platform::ReadInput(State().keyboard, &record, 1, &read) && read == 1;
}

KeyEvent LookForKey(bool* unreadable) {
  *unreadable = false;
  for (;;) {
    platform::InputRecord record;
    std::uint32_t read = 0;
    if (!platform::PeekInput(State().keyboard, &record, 1, &read)) {
      *unreadable = true;
      return KeyEvent{};
    }
    if (read == 0) return KeyEvent{};
    if (const std::optional<KeyEvent> key = Classify(record)) return *key;
    if (!TakeHeadRecord()) {
      *unreadable = true;
      return KeyEvent{};
    }
  }
}

KeyEvent NextKey() {
  bool unreadable = false;
  return LookForKey(&unreadable);
}

}  // namespace console
