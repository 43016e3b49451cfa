// The web platform's key mapping: browser keyboard events against the records a Windows console
// queues for the same keys on a US keyboard (keyboard_us, which the other platforms' tests use
// too), and typed text; then through the console layer, which must read the keys as it does on
// Windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/console.h"
#include "platform/cp437.h"
#include "platform/keyboard_us.h"
#include "platform/memory/memory_platform.h"
#include "platform/web/browser_keys.h"

namespace platform::web {
namespace {

using keyboard::Key;

// A US keyboard as KeyboardEvent.code names its keys: the code, the character without Shift and
// the character with it.
struct UsKey {
  std::string code;
  char plain;
  char shifted;
};

std::vector<UsKey> UsKeys() {
  std::vector<UsKey> keys;
  for (char c = 'a'; c <= 'z'; ++c)
    keys.push_back({std::string("Key") + static_cast<char>(c - 32), c, static_cast<char>(c - 32)});
  const std::string shifted_digits = ")!@#$%^&*(";
  for (char d = '0'; d <= '9'; ++d)
    keys.push_back(
        {std::string("Digit") + d, d, shifted_digits[static_cast<std::size_t>(d - '0')]});
  const std::vector<UsKey> punctuation = {
      {"Minus", '-', '_'},        {"Equal", '=', '+'},      {"BracketLeft", '[', '{'},
      {"BracketRight", ']', '}'}, {"Semicolon", ';', ':'},  {"Quote", '\'', '"'},
      {"Backquote", '`', '~'},    {"Backslash", '\\', '|'}, {"Comma", ',', '<'},
      {"Period", '.', '>'},       {"Slash", '/', '?'},      {"Space", ' ', ' '},
  };
  keys.insert(keys.end(), punctuation.begin(), punctuation.end());
  return keys;
}

InputRecord Mapped(KeyMapper& mapper, BrowserKey key) {
  const std::optional<InputRecord> r = mapper.Record(key);
  EXPECT_TRUE(r.has_value()) << key.code;
  return r.value_or(InputRecord{});
}

// Every printable character, typed with or without Shift, gives the record the console gives,
// and its release the same record released.
TEST(BrowserKeys, EveryPrintableKeyOfAUsKeyboard) {
  KeyMapper mapper;
  int characters = 0;
  for (const UsKey& k : UsKeys()) {
    for (const bool shift : {false, true}) {
      if (shift && k.shifted == k.plain) continue;  // Space
      const char ch = shift ? k.shifted : k.plain;
      const BrowserKey press{true, k.code, static_cast<char32_t>(ch), shift ? kModShift : 0u};
      const auto byte = static_cast<std::uint8_t>(ch);
      EXPECT_EQ(Mapped(mapper, press), keyboard::Typed(byte)) << k.code << " shift " << shift;
      BrowserKey release = press;
      release.down = false;
      EXPECT_EQ(Mapped(mapper, release), keyboard::Released(keyboard::Typed(byte))) << k.code;
      ++characters;
    }
  }
  EXPECT_EQ(characters, 95);
}

TEST(BrowserKeys, NamedKeys) {
  struct Case {
    const char* code;
    Key key;
    std::uint32_t modifiers;  // as getModifierState reports them during the key's own press
    std::uint32_t extra_state;
  };
  const Case cases[] = {
      {"Enter", Key::kEnter, 0, 0},
      {"Backspace", Key::kBackspace, 0, 0},
      {"Escape", Key::kEscape, 0, 0},
      {"Tab", Key::kTab, 0, 0},
      {"ArrowUp", Key::kUp, 0, 0},
      {"ArrowDown", Key::kDown, 0, 0},
      {"ArrowLeft", Key::kLeft, 0, 0},
      {"ArrowRight", Key::kRight, 0, 0},
      {"Home", Key::kHome, 0, 0},
      {"End", Key::kEnd, 0, 0},
      {"PageUp", Key::kPageUp, 0, 0},
      {"PageDown", Key::kPageDown, 0, 0},
      {"Insert", Key::kInsert, 0, 0},
      {"Delete", Key::kDelete, 0, 0},
      {"F1", Key::kF1, 0, 0},
      {"F10", Key::kF10, 0, 0},
      {"F11", Key::kF11, 0, 0},
      {"F12", Key::kF12, 0, 0},
      {"ShiftLeft", Key::kShift, kModShift, 0},
      {"ControlLeft", Key::kCtrl, kModControl, 0},
      {"AltLeft", Key::kAlt, kModAlt, 0},
      {"CapsLock", Key::kCapsLock, kModCapsLock, kCapsLockOn},
      {"NumLock", Key::kNumLock, kModNumLock, kNumLockOn},
      {"ScrollLock", Key::kScrollLock, kModScrollLock, kScrollLockOn},
  };
  for (const Case& c : cases) {
    KeyMapper mapper;
    EXPECT_EQ(Mapped(mapper, {true, c.code, 0, c.modifiers}), keyboard::Press(c.key, c.extra_state))
        << c.code;
  }
}

// Ctrl with a key types the control codes as the console reports them.
TEST(BrowserKeys, ControlCodes) {
  KeyMapper mapper;
  for (char c = 'a'; c <= 'z'; ++c) {
    const std::string code = std::string("Key") + static_cast<char>(c - 32);
    const auto ch = static_cast<std::uint8_t>(c - 'a' + 1);
    // The US table types 8, 9 and 13 with Backspace, Tab and Enter alone, and 10 with Ctrl+Enter.
    if (ch == 8 || ch == 9 || ch == 10 || ch == 13) continue;
    EXPECT_EQ(Mapped(mapper, {true, code, static_cast<char32_t>(c), kModControl}),
              keyboard::Typed(ch))
        << code;
  }
  EXPECT_EQ(Mapped(mapper, {true, "Backslash", '\\', kModControl}), keyboard::Typed(28));
  EXPECT_EQ(Mapped(mapper, {true, "BracketRight", ']', kModControl}), keyboard::Typed(29));
  EXPECT_EQ(Mapped(mapper, {true, "Digit6", '^', kModControl | kModShift}), keyboard::Typed(30));
  EXPECT_EQ(Mapped(mapper, {true, "Minus", '_', kModControl | kModShift}), keyboard::Typed(31));
  EXPECT_EQ(Mapped(mapper, {true, "Enter", 0, kModControl}), keyboard::Typed(10));
  EXPECT_EQ(Mapped(mapper, {true, "Backspace", 0, kModControl}), keyboard::Typed(127));
  EXPECT_EQ(Mapped(mapper, {true, "BracketLeft", '[', kModControl}).ch, 27);
  EXPECT_EQ(Mapped(mapper, {true, "Digit1", '1', kModControl}).ch, 0);
  EXPECT_EQ(Mapped(mapper, {true, "ArrowUp", 0, kModControl}).ch, 0);
}

TEST(BrowserKeys, AltAltGrAndTheRightHandModifiers) {
  KeyMapper mapper;
  EXPECT_EQ(Mapped(mapper, {true, "KeyX", 'x', kModAlt}), keyboard::Typed('x', kLeftAltPressed));
  // AltGr on a German keyboard: Q types @, reported as right Alt with left Ctrl.
  const InputRecord at = Mapped(mapper, {true, "KeyQ", '@', kModAltGraph | kModControl | kModAlt});
  EXPECT_EQ(at.ch, '@');
  EXPECT_EQ(at.scan_code, 0x10);
  EXPECT_EQ(at.control_state, kRightAltPressed | kLeftCtrlPressed);

  const InputRecord right_ctrl = Mapped(mapper, {true, "ControlRight", 0, kModControl});
  EXPECT_EQ(right_ctrl.scan_code, 0x1D);
  EXPECT_EQ(right_ctrl.control_state, kRightCtrlPressed | kEnhancedKey);
  EXPECT_EQ(Mapped(mapper, {true, "KeyC", 'c', kModControl}).control_state, kRightCtrlPressed);
  Mapped(mapper, {true, "ControlLeft", 0, kModControl});
  EXPECT_EQ(Mapped(mapper, {true, "KeyC", 'c', kModControl}).control_state,
            kLeftCtrlPressed | kRightCtrlPressed);
  // Both released while the page had no focus: the next key says no Ctrl, and none stays held.
  EXPECT_EQ(Mapped(mapper, {true, "KeyC", 'c', 0}).control_state, 0u);
  EXPECT_EQ(Mapped(mapper, {true, "KeyC", 'c', kModControl}).control_state, kLeftCtrlPressed);

  const InputRecord right_alt = Mapped(mapper, {true, "AltRight", 0, kModAlt});
  EXPECT_EQ(right_alt.control_state, kRightAltPressed | kEnhancedKey);
  EXPECT_EQ(Mapped(mapper, {true, "ShiftRight", 0, kModShift}).scan_code,
            keyboard::kScanRightShift);
}

TEST(BrowserKeys, LockStatesAndTheKeypad) {
  KeyMapper mapper;
  const InputRecord caps = Mapped(mapper, {true, "KeyA", 'A', kModCapsLock});
  EXPECT_EQ(caps.ch, 'A');
  EXPECT_EQ(caps.control_state, kCapsLockOn);
  EXPECT_EQ(Mapped(mapper, {true, "Digit1", '1', kModCapsLock | kModShift}).control_state,
            kCapsLockOn | kShiftPressed);

  struct Pad {
    const char* code;
    char32_t character;
    std::uint32_t modifiers;
    std::uint16_t scan, virtual_key;
    std::uint8_t ch;
    std::uint32_t state;
  };
  const Pad pads[] = {
      {"Numpad7", '7', kModNumLock, 0x47, 0x67, '7', kNumLockOn},
      {"Numpad7", 0, 0, 0x47, 0x24, 0, 0},  // Num Lock off: Home
      {"Numpad0", 0, 0, 0x52, 0x2D, 0, 0},  // Insert
      {"Numpad5", 0, 0, 0x4C, 0x0C, 0, 0},  // Clear
      {"NumpadDecimal", '.', kModNumLock, 0x53, 0x6E, '.', kNumLockOn},
      {"NumpadDecimal", 0, 0, 0x53, 0x2E, 0, 0},  // Delete
      {"NumpadEnter", 0, 0, 0x1C, 0x0D, 13, kEnhancedKey},
      {"NumpadDivide", '/', 0, 0x35, 0x6F, '/', kEnhancedKey},
      {"NumpadAdd", '+', 0, 0x4E, 0x6B, '+', 0},
  };
  for (const Pad& p : pads) {
    const InputRecord r = Mapped(mapper, {true, p.code, p.character, p.modifiers});
    EXPECT_EQ(r.scan_code, p.scan) << p.code;
    EXPECT_EQ(r.virtual_key, p.virtual_key) << p.code;
    EXPECT_EQ(r.ch, p.ch) << p.code;
    EXPECT_EQ(r.control_state, p.state) << p.code;
  }
}

// KeyboardEvent.key is Unicode; the console's character is its code page 437 byte, or none.
TEST(BrowserKeys, CharactersOutsideTheCodePageAreDropped) {
  KeyMapper mapper;
  const InputRecord e_acute = Mapped(mapper, {true, "Digit2", U'\u00e9', 0});  // French é
  EXPECT_EQ(e_acute.ch, 0x82);
  EXPECT_EQ(e_acute.scan_code, 0x03);
  const InputRecord euro = Mapped(mapper, {true, "KeyE", U'\u20ac', kModAltGraph});
  EXPECT_EQ(euro.ch, 0);
  EXPECT_EQ(euro.scan_code, 0x12);
  // No code at all, as some on-screen keyboards send: the US key of the character.
  EXPECT_EQ(Mapped(mapper, {true, "", 'a', 0}), keyboard::Typed('a'));
  EXPECT_FALSE(mapper.Record({true, "", U'\u20ac', 0}).has_value());
  EXPECT_FALSE(mapper.Record({true, "Lang1", 0, 0}).has_value());
}

// Text without key events: every character code page 437 has, as the US key that types it.
TEST(BrowserKeys, TypedText) {
  int typed = 0;
  for (int b = 0; b < 256; ++b) {
    const char32_t c = Cp437ToUnicode(static_cast<std::uint8_t>(b));
    std::vector<InputRecord> out;
    TypeCharacter(c, &out);
    if (UnicodeToCp437Typed(c) != b) {
      EXPECT_TRUE(out.empty()) << b;
      continue;
    }
    const InputRecord press = keyboard::Typed(static_cast<std::uint8_t>(b));
    EXPECT_EQ(out, (std::vector<InputRecord>{press, keyboard::Released(press)})) << b;
    ++typed;
  }
  EXPECT_EQ(typed, 95 + 128);
  const std::pair<char32_t, Key> controls[] = {
      {'\n', Key::kEnter}, {'\r', Key::kEnter}, {'\t', Key::kTab}, {'\b', Key::kBackspace}};
  for (const auto& [c, key] : controls) {
    std::vector<InputRecord> out;
    TypeCharacter(c, &out);
    EXPECT_EQ(out, (std::vector<InputRecord>{keyboard::Press(key),
                                             keyboard::Released(keyboard::Press(key))}));
  }
  std::vector<InputRecord> none;
  TypeCharacter(U'\u0007', &none);
  TypeCharacter(U'\u20ac', &none);
  EXPECT_TRUE(none.empty());
}

// What the console layer makes of the mapped keys: the line a user typed, as on Windows.
TEST(BrowserKeys, LineInputReadsTheMappedKeysAsOnWindows) {
  memory::Reset();
  KeyMapper mapper;
  auto key = [&](const char* code, char32_t character, std::uint32_t modifiers) {
    for (const bool down : {true, false}) {
      if (const auto r = mapper.Record({down, code, character, modifiers})) memory::Queue(*r);
    }
  };
  key("ShiftLeft", 0, kModShift);
  key("Digit1", '!', kModShift);     // !
  key("CapsLock", 0, kModCapsLock);  // Caps Lock on from here
  key("KeyA", 'A', kModCapsLock);    // A
  key("Digit1", '1', kModCapsLock);  // Caps Lock leaves the digits alone
  key("KeyQ", '@', kModCapsLock | kModAltGraph | kModControl | kModAlt);  // AltGr: not text
  key("KeyX", 'x', kModCapsLock | kModAlt);                               // Alt+X: not text
  key("ArrowLeft", 0, kModCapsLock);
  key("KeyE", U'\u20ac', kModCapsLock);    // no such character
  key("Digit2", U'\u00e9', kModCapsLock);  // é
  key("KeyB", 'B', kModCapsLock);
  key("Backspace", 0, kModCapsLock);
  std::vector<InputRecord> pasted;
  for (const char32_t c : std::u32string(U" \u00bd\u2665\n")) TypeCharacter(c, &pasted);
  for (const InputRecord& r : pasted) memory::Queue(r);
  console::ConsoleStartup();
  EXPECT_EQ(console::ReadLine(), "!A1\x82 \xab");
}

}  // namespace
}  // namespace platform::web
