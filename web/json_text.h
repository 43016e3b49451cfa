// Text as a JSON string, for the page's JSON.parse.
#pragma once

#include <string>
#include <string_view>

namespace web {

// `text` quoted as a JSON string: quotes, backslashes and every control character escaped,
// valid UTF-8 kept as it is, and each byte that begins no valid UTF-8 sequence (a stray
// continuation byte, an overlong form, a surrogate, a code point past U+10FFFF) written as
// U+FFFD, so that whatever bytes it is given the document stays valid JSON and no byte can
// swallow the closing quote.
std::string JsonString(std::string_view text);

}  // namespace web
