// What tests of numbers share: an extended value as text that shows every bit, and exact ways to
// write the values the tables expect.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "extended/extended.h"

namespace testing_support {

// Sign and exponent, then the significand, so that comparisons see the last bit and the zero's
// sign, and a failure shows both.
inline std::string BitsText(Extended x) {
  const extended::Bits b = extended::ToBits(x);
  char text[32];
  std::snprintf(text, sizeof text, "%04x:%016llx", static_cast<unsigned>(b.sign_exponent),
                static_cast<unsigned long long>(b.significand));
  return text;
}

// m / 10^k, one correctly rounded division of exact operands: the correctly rounded value of a
// decimal with at most 19 digits and k <= 19.
inline Extended Decimal(std::uint64_t m, int k) {
  std::uint64_t power = 1;
  for (int i = 0; i < k; ++i) power *= 10;
  return Extended{m} / Extended{power};
}

inline Extended PowerOfTwo(int e) {  // for normal results only
  return extended::FromBits({extended::format::kIntegerBit,
                             static_cast<std::uint16_t>(extended::format::kExponentBias + e)});
}

inline Extended Smallest() {  // the smallest subnormal
  return extended::FromBits({1, 0});
}

inline Extended Largest() {
  return extended::FromBits({~std::uint64_t{0}, extended::format::kExponentMask - 1});
}

}  // namespace testing_support
