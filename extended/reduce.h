// Argument reduction for sine and cosine: x = (quadrant + t) * pi/2 with |t| <= 1/2, so that
// the series only ever meet |r| = |t| * pi/2 <= pi/4.
#pragma once

#include <cstdint>

#include "extended/fixed_point.h"

namespace extended::trig {

// r = (negative ? -1 : 1) * f * 2^-shift, with f in [0.5, 1).
template <int N>
struct Reduced {
  fixed::Fraction<N> f;
  int shift = 0;
  bool negative = false;
  int quadrant = 0;  // 0 to 3: x lies at quadrant * pi/2 + r, modulo 2 pi
  // Whether f carries the relative error below 6 units of its last limb that the callers'
  // bounds rely on; false only where the table of 2/pi ran out.
  bool precise = false;
};

// The reduction of m * 2^(exponent - 63), m with its top bit set and exponent >= -1.
template <int N>
Reduced<N> Reduce(std::uint64_t m, int exponent);

}  // namespace extended::trig
