// One attempt at sine or cosine in 64N-bit fixed point: the approximation, its proven error
// bound, and whether that bound decides the rounding. extended/sin_cos.cpp runs the attempts in
// order of growing precision; the tests call them one by one.
#pragma once

#include <cstdint>

#include "extended/bits.h"
#include "extended/fixed_point.h"

namespace extended::trig {

enum class Function { kSine, kCosine };

struct Outcome {
  Bits result;   // the approximation rounded to the format, decided or not
  bool decided;  // whether it is the correctly rounded value, by the error bound
};

// The proven bound, with room to spare, of the distance between an attempt's approximation and
// the exact value, in units of the approximation's last limb (the sums are beside the series in
// sin_cos_kernel.cpp).
inline constexpr std::uint64_t kErrorBound = 64;

// Whether a midpoint between two extended values lies within kErrorBound units of y, a
// fraction in [1/2, 1) whose top limb is the significand: then the attempt cannot decide.
template <int N>
bool NearMidpoint(const fixed::Fraction<N>& y);

// For finite x with 2^-32 <= |x|: the attempts with N = 2, 4 and 8 limbs are built.
template <int N>
Outcome Attempt(Function function, Bits x);

}  // namespace extended::trig
