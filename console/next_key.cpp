#include <algorithm>
#include <array>
#include <optional>

#include "console/console.h"
#include "console/console_internal.h"
#include "console/console_state.h"
#include "platform/keyboard_layout.h"

namespace console {
namespace {

namespace keyboard = platform::keyboard;

// Ctrl, left Shift, right Shift, Alt, Caps Lock, Num Lock, Scroll Lock: never a key alone.
constexpr std::array<std::uint8_t, 7> kModifierScanCodes = {
    keyboard::kScanCtrl,      keyboard::kScanLeftShift, keyboard::kScanRightShift,
    keyboard::kScanAlt,       keyboard::kScanCapsLock,  keyboard::kScanNumLock,
    keyboard::kScanScrollLock};

// With Caps Lock on, some consoles report the digit and punctuation keys as if Shift were
// inverted; these keys follow the Shift key alone.
constexpr auto kSymbolKeys = static_cast<std::size_t>(
    std::count_if(keyboard::kUsLayout.begin(), keyboard::kUsLayout.end(), keyboard::IsSymbolKey));
static_assert(kSymbolKeys == 21, "ten digit keys and eleven punctuation keys");

constexpr auto kCapsLockTable = [] {
  std::array<keyboard::LayoutKey, kSymbolKeys> table{};
  std::size_t n = 0;
  for (const keyboard::LayoutKey& key : keyboard::kUsLayout)
    if (keyboard::IsSymbolKey(key)) table[n++] = key;
  return table;
}();

bool IsModifier(std::uint8_t scan) {
  return std::find(kModifierScanCodes.begin(), kModifierScanCodes.end(), scan) !=
         kModifierScanCodes.end();
}

bool InLetterRows(std::uint8_t scan) {
  return std::any_of(
      keyboard::kUsLayout.begin(), keyboard::kUsLayout.end(),
      [scan](const keyboard::LayoutKey& k) { return k.scan == scan && keyboard::IsLetterKey(k); });
}

std::uint8_t CapsLockCorrected(std::uint8_t ch, std::uint8_t scan, std::uint32_t control) {
  if ((control & platform::kCapsLockOn) == 0) return ch;
  const auto entry = std::find_if(kCapsLockTable.begin(), kCapsLockTable.end(),
                                  [scan](const keyboard::LayoutKey& k) { return k.scan == scan; });
  if (entry == kCapsLockTable.end()) return scan == keyboard::kScanEscape ? 27 : ch;
  const auto plain = static_cast<std::uint8_t>(entry->plain);
  const auto shifted = static_cast<std::uint8_t>(entry->shifted);
  if ((control & platform::kShiftPressed) != 0) return ch == plain ? shifted : ch;
  return ch == shifted ? plain : ch;
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
  if (scan == keyboard::kScanEscape) {
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
