// The x87 format's bits in and out of a long double, for the files that hold the machine's own
// arithmetic (the x87 reference and the C library peers). Only where long double is that
// format: ten bytes, significand first, then sign and exponent.
#pragma once

#include <cstring>

#include "extended/bits.h"

namespace extended::x87 {

inline long double Load(Bits b) {
  long double v = 0;
  std::memcpy(&v, &b.significand, sizeof b.significand);
  std::memcpy(reinterpret_cast<unsigned char*>(&v) + sizeof b.significand, &b.sign_exponent,
              sizeof b.sign_exponent);
  return v;
}

inline Bits Store(long double v) {
  Bits b{};
  std::memcpy(&b.significand, &v, sizeof b.significand);
  std::memcpy(&b.sign_exponent, reinterpret_cast<const unsigned char*>(&v) + sizeof b.significand,
              sizeof b.sign_exponent);
  return b;
}

}  // namespace extended::x87
