#include "web/json_text.h"

#include <cstddef>

#include "unicode/utf8.h"

namespace web {

std::string JsonString(std::string_view text) {
  constexpr char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80) {
      const unicode::Character character = unicode::FirstCharacter(text.substr(i));
      out += character.well_formed ? text.substr(i, character.length) : "\\ufffd";
      i += character.length;
      continue;
    }
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      out += "\\u00";
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += static_cast<char>(c);
    }
    ++i;
  }
  return out + "\"";
}

}  // namespace web
