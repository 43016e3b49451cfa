// The C library's own functions on its long double, where that is the x87 format: the peers
// the benchmarks time ours against. Not for the program: sinl and cosl differ between C
// libraries in the last bit, and strtold and printf between their versions.
#pragma once

#include <string>

#include "extended/bits.h"

namespace extended::c_library {

Bits Sin(double x);                             // sinl
Bits Cos(double x);                             // cosl
Bits Read(const char* text);                    // strtold
std::string FormatFixed(Bits x, int decimals);  // snprintf("%.*Lf")

}  // namespace extended::c_library
