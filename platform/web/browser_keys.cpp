#include "platform/web/browser_keys.h"

#include <algorithm>
#include <array>
#include <string>

#include "platform/cp437.h"
#include "platform/keyboard_us.h"

namespace platform::web {
namespace {

using keyboard::Key;

// A key's place: its scan code and virtual key, whether the console marks it enhanced, and,
// for keys whose character the layout does not decide, the character it always gives.
struct Place {
  std::string code;
  std::uint16_t scan = 0;
  std::uint16_t virtual_key = 0;
  bool enhanced = false;
  bool named = false;  // the character comes from the key itself, not from KeyboardEvent.key
  std::uint8_t ch = 0;
};

Place FromRecord(std::string code, const InputRecord& r, bool named) {
  return Place{std::move(code), r.scan_code,
               r.virtual_key,   (r.control_state & kEnhancedKey) != 0,
               named,           named ? r.ch : std::uint8_t{0}};
}

void AddLayoutKeys(std::vector<Place>* places) {
  for (char c = 'a'; c <= 'z'; ++c) {
    places->push_back(FromRecord(std::string("Key") + static_cast<char>(c - 'a' + 'A'),
                                 keyboard::Typed(static_cast<std::uint8_t>(c)), false));
  }
  for (char c = '0'; c <= '9'; ++c) {
    places->push_back(
        FromRecord(std::string("Digit") + c, keyboard::Typed(static_cast<std::uint8_t>(c)), false));
  }
  constexpr std::pair<const char*, char> kPunctuation[] = {
      {"Minus", '-'},     {"Equal", '='},  {"BracketLeft", '['}, {"BracketRight", ']'},
      {"Semicolon", ';'}, {"Quote", '\''}, {"Backquote", '`'},   {"Backslash", '\\'},
      {"Comma", ','},     {"Period", '.'}, {"Slash", '/'},       {"Space", ' '},
  };
  for (const auto& [code, plain] : kPunctuation) {
    places->push_back(FromRecord(code, keyboard::Typed(static_cast<std::uint8_t>(plain)), false));
  }
}

void AddNamedKeys(std::vector<Place>* places) {
  constexpr std::pair<const char*, Key> kNamed[] = {
      {"Enter", Key::kEnter},     {"Backspace", Key::kBackspace},
      {"Escape", Key::kEscape},   {"Tab", Key::kTab},
      {"ArrowUp", Key::kUp},      {"ArrowDown", Key::kDown},
      {"ArrowLeft", Key::kLeft},  {"ArrowRight", Key::kRight},
      {"Home", Key::kHome},       {"End", Key::kEnd},
      {"PageUp", Key::kPageUp},   {"PageDown", Key::kPageDown},
      {"Insert", Key::kInsert},   {"Delete", Key::kDelete},
      {"F1", Key::kF1},           {"F2", Key::kF2},
      {"F3", Key::kF3},           {"F4", Key::kF4},
      {"F5", Key::kF5},           {"F6", Key::kF6},
      {"F7", Key::kF7},           {"F8", Key::kF8},
      {"F9", Key::kF9},           {"F10", Key::kF10},
      {"F11", Key::kF11},         {"F12", Key::kF12},
      {"ShiftLeft", Key::kShift}, {"ControlLeft", Key::kCtrl},
      {"AltLeft", Key::kAlt},     {"CapsLock", Key::kCapsLock},
      {"NumLock", Key::kNumLock}, {"ScrollLock", Key::kScrollLock},
  };
  for (const auto& [code, key] : kNamed)
    places->push_back(FromRecord(code, keyboard::Press(key), true));
}

// Keys the US layout table does not hold: the right-hand modifiers, the keypad, and the keys
// around them.
void AddOtherKeys(std::vector<Place>* places) {
  const Place kOther[] = {
      {"ShiftRight", 0x36, 0x10, false, true, 0},
      {"ControlRight", 0x1D, 0x11, true, true, 0},
      {"AltRight", 0x38, 0x12, true, true, 0},
      {"NumpadEnter", 0x1C, 0x0D, true, true, 13},
      {"NumpadDivide", 0x35, 0x6F, true, false, 0},
      {"NumpadMultiply", 0x37, 0x6A, false, false, 0},
      {"NumpadSubtract", 0x4A, 0x6D, false, false, 0},
      {"NumpadAdd", 0x4E, 0x6B, false, false, 0},
      {"NumpadDecimal", 0x53, 0x6E, false, false, 0},
      {"IntlBackslash", 0x56, 0xE2, false, false, 0},
      {"MetaLeft", 0x5B, 0x5B, true, true, 0},
      {"MetaRight", 0x5C, 0x5C, true, true, 0},
      {"ContextMenu", 0x5D, 0x5D, true, true, 0},
      {"PrintScreen", 0x37, 0x2C, true, true, 0},
      {"Pause", 0x45, 0x13, false, true, 0},
  };
  places->insert(places->end(), std::begin(kOther), std::end(kOther));
  // Numpad0 to Numpad9: with Num Lock on they type digits (virtual keys 0x60 to 0x69).
  constexpr std::array<std::uint16_t, 10> kDigitScans = {0x52, 0x4F, 0x50, 0x51, 0x4B,
                                                         0x4C, 0x4D, 0x47, 0x48, 0x49};
  for (std::size_t n = 0; n < kDigitScans.size(); ++n) {
    places->push_back(Place{"Numpad" + std::to_string(n), kDigitScans[n],
                            static_cast<std::uint16_t>(0x60 + n), false, false, 0});
  }
}

const std::vector<Place>& Places() {
  static const std::vector<Place> places = [] {
    std::vector<Place> p;
    AddLayoutKeys(&p);
    AddNamedKeys(&p);
    AddOtherKeys(&p);
    return p;
  }();
  return places;
}

const Place* PlaceOf(std::string_view code) {
  const std::vector<Place>& places = Places();
  const auto it =
      std::find_if(places.begin(), places.end(), [code](const Place& p) { return p.code == code; });
  return it == places.end() ? nullptr : &*it;
}

// With Num Lock off the keypad is a second set of cursor keys: the browser then reports no
// character for it, and the console the virtual key of the cursor key.
std::uint16_t KeypadVirtualKey(const Place& place, char32_t character) {
  constexpr std::array<std::uint16_t, 10> kCursorKeys = {0x2D, 0x23, 0x28, 0x22, 0x25,
                                                         0x0C, 0x27, 0x24, 0x26, 0x21};
  if (character != 0) return place.virtual_key;
  if (place.virtual_key >= 0x60 && place.virtual_key <= 0x69)
    return kCursorKeys[place.virtual_key - 0x60];
  if (place.code == "NumpadDecimal") return 0x2E;
  return place.virtual_key;
}

std::uint8_t Cp437Of(char32_t c) {
  const int b = UnicodeToCp437Typed(c);
  return b < 0 ? std::uint8_t{0} : static_cast<std::uint8_t>(b);
}

// What the console reports with Ctrl held on a US keyboard: the control codes of the letters
// and of a few punctuation keys, and no character for the other keys.
std::uint8_t ControlCharacter(const Place* place, char32_t character, bool shift) {
  if ((character >= 'a' && character <= 'z') || (character >= 'A' && character <= 'Z'))
    return static_cast<std::uint8_t>(character & 0x1F);
  if (place == nullptr) return 0;
  constexpr std::pair<const char*, std::uint8_t> kControls[] = {
      {"BracketLeft", 27}, {"Backslash", 28},  {"BracketRight", 29}, {"Enter", 10},
      {"NumpadEnter", 10}, {"Backspace", 127}, {"Escape", 27},       {"Space", ' '},
  };
  for (const auto& [code, ch] : kControls)
    if (place->code == code) return ch;
  if (shift && place->code == "Digit6") return 30;
  if (shift && place->code == "Minus") return 31;
  return 0;
}

}  // namespace

void KeyMapper::NoteHeld(const BrowserKey& key) {
  if (key.code == "ControlLeft") left_ctrl_ = key.down;
  if (key.code == "ControlRight") right_ctrl_ = key.down;
  if (key.code == "AltLeft") left_alt_ = key.down;
  if (key.code == "AltRight") right_alt_ = key.down;
  // A release lost while the page had no focus must not leave a key held for ever.
  if ((key.modifiers & kModControl) == 0) left_ctrl_ = right_ctrl_ = false;
  if ((key.modifiers & kModAlt) == 0) left_alt_ = right_alt_ = false;
}

std::uint32_t KeyMapper::ControlState(const BrowserKey& key, bool enhanced) const {
  const std::uint32_t m = key.modifiers;
  std::uint32_t state = 0;
  if (m & kModShift) state |= kShiftPressed;
  if (m & kModCapsLock) state |= kCapsLockOn;
  if (m & kModNumLock) state |= kNumLockOn;
  if (m & kModScrollLock) state |= kScrollLockOn;
  if (enhanced) state |= kEnhancedKey;
  // The console reports AltGr as the right Alt key with the left Ctrl key.
  if (m & kModAltGraph) return state | kRightAltPressed | kLeftCtrlPressed;
  if (m & kModControl) {
    if (left_ctrl_ || !right_ctrl_) state |= kLeftCtrlPressed;
    if (right_ctrl_) state |= kRightCtrlPressed;
  }
  if (m & kModAlt) {
    if (left_alt_ || !right_alt_) state |= kLeftAltPressed;
    if (right_alt_) state |= kRightAltPressed;
  }
  return state;
}

std::optional<InputRecord> KeyMapper::Record(const BrowserKey& key) {
  NoteHeld(key);
  const Place* place = PlaceOf(key.code);
  const bool ctrl = (key.modifiers & (kModControl | kModAltGraph)) == kModControl;
  const bool alt = (key.modifiers & kModAlt) != 0;
  std::uint8_t ch = 0;
  if (ctrl) {
    ch = alt ? std::uint8_t{0} : ControlCharacter(place, key.character, key.modifiers & kModShift);
  } else if (place != nullptr && place->named) {
    ch = place->ch;
  } else {
    ch = Cp437Of(key.character);
  }
  InputRecord r;
  if (place != nullptr) {
    r.scan_code = place->scan;
    r.virtual_key = KeypadVirtualKey(*place, key.character);
    r.control_state = ControlState(key, place->enhanced);
  } else if (ch != 0) {
    // No place known (an on-screen keyboard may name none): the US key that types it.
    r = keyboard::Typed(ch);
    r.control_state = ControlState(key, false);
  } else {
    return std::nullopt;
  }
  r.ch = ch;
  r.key_down = key.down;
  return r;
}

void TypeCharacter(char32_t c, std::vector<InputRecord>* out) {
  InputRecord press;
  if (c == '\n' || c == '\r') {
    press = keyboard::Press(Key::kEnter);
  } else if (c == '\t') {
    press = keyboard::Press(Key::kTab);
  } else if (c == '\b') {
    press = keyboard::Press(Key::kBackspace);
  } else if (const int b = UnicodeToCp437Typed(c); b >= 0) {
    press = keyboard::Typed(static_cast<std::uint8_t>(b));
  } else {
    return;
  }
  out->push_back(press);
  out->push_back(keyboard::Released(press));
}

}  // namespace platform::web
