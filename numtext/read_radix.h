// The "&" form of a typed number: hexadecimal, octal or binary digits with an optional suffix.
#pragma once

#include "extended/extended.h"

namespace numtext {

// Reads the text that follows the "&", from begin up to end.
Extended ReadRadix(const char* begin, const char* end);

}  // namespace numtext
