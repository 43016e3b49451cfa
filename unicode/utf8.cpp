#include "unicode/utf8.h"

namespace unicode {

// The second byte's range is what rules out the overlong forms, the surrogates and the code
// points past U+10FFFF; every other continuation byte is 80 to BF.
Character FirstCharacter(std::string_view utf8) {
  constexpr Character kBad{kReplacement, 1, false};
  const auto at = [utf8](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
  const unsigned char lead = at(0);
  if (lead < 0x80) return {lead, 1, true};
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return kBad;
  }
  if (utf8.size() < length || at(1) < low || at(1) > high) return kBad;
  char32_t value = lead & (0x7Fu >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if (at(i) < 0x80 || at(i) > 0xBF) return kBad;
    value = value << 6 | (at(i) & 0x3Fu);
  }
  return {value, length, true};
}

}  // namespace unicode
