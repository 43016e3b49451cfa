// One attempt at sine or cosine in 64N-bit fixed point: the approximation, its proven error
// bound, and whether that bound decides the rounding. extended/sin_cos.cpp runs the attempts in
// order of growing precision; the tests call them one by one.
#pragma once

#include "extended/bits.h"

namespace extended::trig {

enum class Function { kSine, kCosine };

struct Outcome {
  Bits result;   // the approximation rounded to the format, decided or not
  bool decided;  // whether it is the correctly rounded value, by the error bound
};

// For finite x with 2^-32 <= |x|: the attempts with N = 2, 4 and 8 limbs are built.
template <int N>
Outcome Attempt(Function function, Bits x);

}  // namespace extended::trig
