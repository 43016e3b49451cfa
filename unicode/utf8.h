// UTF-8 from outside the program (an answer, a document's text), read one character at a time.
// A byte that begins no well-formed sequence (a stray continuation byte, a sequence cut short,
// an overlong form, a surrogate, a code point past U+10FFFF) is read on its own as U+FFFD, so
// that whatever follows it is kept as it was.
#pragma once

#include <cstddef>
#include <string_view>

namespace unicode {

inline constexpr char32_t kReplacement = 0xFFFD;
// U+FFFD as UTF-8.
inline constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

struct Character {
  char32_t value;
  std::size_t length;  // bytes taken: 1 for a byte that begins no well-formed sequence
  bool well_formed;
};

// The character that `utf8` begins with; `utf8` is not empty.
Character FirstCharacter(std::string_view utf8);

}  // namespace unicode
