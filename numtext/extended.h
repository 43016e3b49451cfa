// The one place that names the 80-bit extended format. Every intermediate result of the
// program's arithmetic is an Extended; values kept in variables are doubles.
#pragma once

#include <cfloat>

#if defined(_MSC_VER) && !defined(__clang__)
#error \
    "Sorvanta needs the x87 80-bit extended format, which MSVC does not provide; build with MinGW-w64 (GCC)."
#endif

#if !(defined(__x86_64__) || defined(__i386__))
#error "Sorvanta needs the x87 80-bit extended format: build it for x86 or x86-64."
#endif

static_assert(LDBL_MANT_DIG == 64,
              "long double must be the x87 extended format with a 64-bit significand");

using Extended = long double;

namespace numtext {

// Puts the floating-point unit in the mode the whole program runs in: 64-bit significand,
// round to nearest, every exception masked (x87 and SSE alike), so nothing ever traps.
// Called at start-up and after every call into the window services, which may change it.
void EstablishFloatingPoint();

}  // namespace numtext
