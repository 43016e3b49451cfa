#include "platform/terminal/key_decoder.h"

#include <cstdint>

#include "platform/cp437.h"

namespace platform::terminal {
namespace {

using keyboard::Key;
constexpr char kEsc = '\x1b';
// A control sequence longer than this is garbage, not a key: drop it instead of waiting.
constexpr std::size_t kLongestSequence = 32;

void Emit(const InputRecord& press, std::vector<InputRecord>* out) {
  out->push_back(press);
  out->push_back(keyboard::Released(press));
}

std::uint8_t Byte(std::string_view s, std::size_t i) {
  return static_cast<std::uint8_t>(s[i]);
}

// xterm's modifier parameter: 1 + (1 Shift, 2 Alt, 4 Ctrl, 8 Meta).
std::uint32_t ModifierState(int parameter) {
  const int bits = parameter > 1 ? parameter - 1 : 0;
  std::uint32_t state = 0;
  if (bits & 1) state |= kShiftPressed;
  if (bits & (2 | 8)) state |= kLeftAltPressed;
  if (bits & 4) state |= kLeftCtrlPressed;
  return state;
}

// The key of a CSI or SS3 sequence's final letter, when it names one.
bool KeyOfFinal(char final, Key* key) {
  switch (final) {
    case 'A':
      *key = Key::kUp;
      return true;
    case 'B':
      *key = Key::kDown;
      return true;
    case 'C':
      *key = Key::kRight;
      return true;
    case 'D':
      *key = Key::kLeft;
      return true;
    case 'H':
      *key = Key::kHome;
      return true;
    case 'F':
      *key = Key::kEnd;
      return true;
    case 'P':
      *key = Key::kF1;
      return true;
    case 'Q':
      *key = Key::kF2;
      return true;
    case 'R':
      *key = Key::kF3;
      return true;
    case 'S':
      *key = Key::kF4;
      return true;
    default:
      return false;
  }
}

// The key of "CSI n ~" (VT220 and xterm; 7 and 8 are rxvt's Home and End).
bool KeyOfTilde(int n, Key* key) {
  switch (n) {
    case 1:
    case 7:
      *key = Key::kHome;
      return true;
    case 2:
      *key = Key::kInsert;
      return true;
    case 3:
      *key = Key::kDelete;
      return true;
    case 4:
    case 8:
      *key = Key::kEnd;
      return true;
    case 5:
      *key = Key::kPageUp;
      return true;
    case 6:
      *key = Key::kPageDown;
      return true;
    case 11:
      *key = Key::kF1;
      return true;
    case 12:
      *key = Key::kF2;
      return true;
    case 13:
      *key = Key::kF3;
      return true;
    case 14:
      *key = Key::kF4;
      return true;
    case 15:
      *key = Key::kF5;
      return true;
    case 17:
      *key = Key::kF6;
      return true;
    case 18:
      *key = Key::kF7;
      return true;
    case 19:
      *key = Key::kF8;
      return true;
    case 20:
      *key = Key::kF9;
      return true;
    case 21:
      *key = Key::kF10;
      return true;
    case 23:
      *key = Key::kF11;
      return true;
    case 24:
      *key = Key::kF12;
      return true;
    default:
      return false;
  }
}

// Numeric parameters separated by ';' (sub-parameters after ':' are ignored).
std::vector<int> Parameters(std::string_view p) {
  std::vector<int> values(1, 0);
  bool in_sub = false;
  for (char c : p) {
    if (c == ';') {
      values.push_back(0);
      in_sub = false;
    } else if (c == ':') {
      in_sub = true;
    } else if (c >= '0' && c <= '9' && !in_sub && values.back() < 10000) {
      values.back() = values.back() * 10 + (c - '0');
    }
  }
  return values;
}

void EmitSequenceKey(std::string_view params, char final, std::vector<InputRecord>* out) {
  if (!params.empty() && (params[0] < '0' || params[0] > ';')) return;  // private: not a key
  const std::vector<int> p = Parameters(params);
  const std::uint32_t state = ModifierState(p.size() > 1 ? p[1] : 0);
  Key key;
  if (final == '~') {
    if (KeyOfTilde(p[0], &key)) Emit(keyboard::Press(key, state), out);
  } else if (final == 'Z') {
    Emit(keyboard::Press(Key::kTab, kShiftPressed), out);
  } else if (KeyOfFinal(final, &key)) {
    Emit(keyboard::Press(key, state), out);
  }
}

// "ESC [ ..." up to its final byte; the Linux console's "ESC [ [ A" to "ESC [ [ E" are F1-F5.
std::size_t DecodeCsi(std::string_view s, std::vector<InputRecord>* out) {
  if (s.size() >= 3 && s[2] == '[') {
    if (s.size() < 4) return 0;
    if (s[3] >= 'A' && s[3] <= 'E')
      Emit(keyboard::Press(static_cast<Key>(static_cast<int>(Key::kF1) + (s[3] - 'A'))), out);
    return 4;
  }
  std::size_t i = 2;
  while (i < s.size()) {
    const std::uint8_t b = Byte(s, i);
    if (b >= 0x40 && b <= 0x7E) {
      EmitSequenceKey(s.substr(2, i - 2), static_cast<char>(b), out);
      return i + 1;
    }
    if (b < 0x20 || b > 0x3F) return i;  // broken off: drop what came so far
    // Judged on the sequence's own bytes, so that it goes the same way however reads cut it.
    if (++i >= kLongestSequence) return i;
  }
  return 0;
}

// "ESC O x", with an optional modifier digit before x; keypad keys in application mode too.
std::size_t DecodeSs3(std::string_view s, std::vector<InputRecord>* out) {
  std::size_t i = 2;
  while (i < s.size() && i < kLongestSequence && ((s[i] >= '0' && s[i] <= '9') || s[i] == ';')) ++i;
  if (i >= kLongestSequence) return i;
  if (i >= s.size()) return 0;
  const char final = s[i];
  const std::string_view params = s.substr(2, i - 2);
  const std::vector<int> p = Parameters(params);
  const std::uint32_t state = ModifierState(p.back());
  Key key;
  if (final == 'M') {
    Emit(keyboard::Press(Key::kEnter, state), out);
  } else if (final >= 'j' && final <= 'y') {
    Emit(keyboard::Typed(static_cast<std::uint8_t>("*+,-./0123456789"[final - 'j'])), out);
  } else if (final == 'X') {
    Emit(keyboard::Typed('='), out);
  } else if (KeyOfFinal(final, &key)) {
    Emit(keyboard::Press(key, state), out);
  }
  return i + 1;
}

// Length of the UTF-8 sequence led by `b`, 0 when `b` cannot lead one.
std::size_t Utf8Length(std::uint8_t b) {
  if (b >= 0xC2 && b <= 0xDF) return 2;
  if (b >= 0xE0 && b <= 0xEF) return 3;
  if (b >= 0xF0 && b <= 0xF4) return 4;
  return 0;
}

// Whether the second byte fits the lead (no overlong forms, surrogates or values past U+10FFFF).
bool SecondByteFits(std::uint8_t lead, std::uint8_t b) {
  if (lead == 0xE0) return b >= 0xA0 && b <= 0xBF;
  if (lead == 0xED) return b >= 0x80 && b <= 0x9F;
  if (lead == 0xF0) return b >= 0x90 && b <= 0xBF;
  if (lead == 0xF4) return b >= 0x80 && b <= 0x8F;
  return b >= 0x80 && b <= 0xBF;
}

// A typed character in UTF-8; invalid bytes are dropped without eating a valid byte after them.
std::size_t DecodeUtf8(std::string_view s, std::vector<InputRecord>* out) {
  const std::uint8_t lead = Byte(s, 0);
  const std::size_t n = Utf8Length(lead);
  if (n == 0) return 1;
  char32_t c = lead & (n == 2 ? 0x1F : n == 3 ? 0x0F : 0x07);
  for (std::size_t k = 1; k < n; ++k) {
    if (k >= s.size()) return 0;
    const std::uint8_t b = Byte(s, k);
    const bool fits = k == 1 ? SecondByteFits(lead, b) : (b & 0xC0) == 0x80;
    if (!fits) return k;
    c = (c << 6) | (b & 0x3F);
  }
  const int typed = UnicodeToCp437Typed(c);
  if (typed >= 0) Emit(keyboard::Typed(static_cast<std::uint8_t>(typed)), out);
  return n;
}

void DecodeControl(std::uint8_t b, std::vector<InputRecord>* out) {
  switch (b) {
    case 0:
      return;  // Ctrl+Space: no console character
    case '\r':
    case '\n':
      Emit(keyboard::Press(Key::kEnter), out);
      return;
    case 0x7F:
    case 0x08:
      Emit(keyboard::Press(Key::kBackspace), out);
      return;
    default:
      Emit(keyboard::Typed(b), out);
      return;
  }
}

}  // namespace

void KeyDecoder::AddKeyString(std::string_view bytes, keyboard::Key key) {
  // Only escape sequences: single bytes such as the Backspace string are decoded anyway.
  if (bytes.size() < 2 || bytes[0] != kEsc) return;
  key_strings_.emplace_back(std::string(bytes), key);
}

void KeyDecoder::Feed(std::string_view bytes, std::vector<InputRecord>* out) {
  pending_.append(bytes);
  std::size_t done = 0;
  while (done < pending_.size()) {
    const std::size_t n = DecodeOne(std::string_view(pending_).substr(done), out);
    if (n == 0) break;
    done += n;
  }
  pending_.erase(0, done);
}

void KeyDecoder::Flush(std::vector<InputRecord>* out) {
  if (pending_.size() == 1 && pending_[0] == kEsc) {
    Emit(keyboard::Press(Key::kEscape), out);
  } else if (pending_.size() == 2 && pending_[0] == kEsc && Byte(pending_, 1) >= 0x20 &&
             Byte(pending_, 1) < 0x7F) {
    Emit(keyboard::Typed(Byte(pending_, 1), kLeftAltPressed), out);
  }
  pending_.clear();
}

std::size_t KeyDecoder::DecodeOne(std::string_view s, std::vector<InputRecord>* out) const {
  const std::uint8_t b = Byte(s, 0);
  if (b == 0x1B) return DecodeEscape(s, out);
  if (b >= 0x80) return DecodeUtf8(s, out);
  if (b < 0x20 || b == 0x7F) {
    DecodeControl(b, out);
  } else {
    Emit(keyboard::Typed(b), out);
  }
  return 1;
}

std::size_t KeyDecoder::DecodeKeyString(std::string_view s, std::vector<InputRecord>* out,
                                        bool* partial) const {
  const std::pair<std::string, Key>* best = nullptr;
  *partial = false;
  for (const auto& entry : key_strings_) {
    if (s.starts_with(entry.first)) {
      if (best == nullptr || entry.first.size() > best->first.size()) best = &entry;
    } else if (entry.first.starts_with(s)) {
      *partial = true;
    }
  }
  if (best == nullptr) return 0;
  Emit(keyboard::Press(best->second), out);
  return best->first.size();
}

std::size_t KeyDecoder::DecodeEscape(std::string_view s, std::vector<InputRecord>* out) const {
  if (s.size() == 1) return 0;
  bool partial = false;
  if (const std::size_t n = DecodeKeyString(s, out, &partial)) return n;
  const std::uint8_t next = Byte(s, 1);
  if (next == '[') return DecodeCsi(s, out);
  if (next == 'O') return DecodeSs3(s, out);
  if (partial) return 0;
  if (next >= 0x20 && next < 0x7F) {
    Emit(keyboard::Typed(next, kLeftAltPressed), out);
    return 2;
  }
  if (next == 0x7F) {
    Emit(keyboard::Press(Key::kBackspace, kLeftAltPressed), out);
    return 2;
  }
  // ESC before a control byte, another ESC or a UTF-8 character: the Escape key by itself.
  Emit(keyboard::Press(Key::kEscape), out);
  return 1;
}

}  // namespace platform::terminal
