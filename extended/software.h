// The extended format on 64-bit integers: every operation exactly as IEEE 754 defines it for
// this format, rounding to nearest with ties to even, never trapping. The program reaches these
// through Extended where the compiler has no such long double; they are built everywhere, so
// that the tests can hold them against the x87 bit for bit.
//
// A NaN operand gives a NaN (the first NaN operand, made quiet); an invalid operation gives the
// default NaN, format::kNaNBits. Unnormals, pseudo-NaNs and pseudo-infinities are read as NaNs;
// pseudo-denormals as the numbers they encode, as the x87 reads them.
#pragma once

#include <bit>
#include <compare>
#include <concepts>
#include <cstdint>
#include <type_traits>

#include "extended/bits.h"

namespace extended::software {

Bits Add(Bits a, Bits b);
Bits Subtract(Bits a, Bits b);
Bits Multiply(Bits a, Bits b);
Bits Divide(Bits a, Bits b);
Bits Sqrt(Bits a);
std::partial_ordering Compare(Bits a, Bits b);
double ToDouble(Bits a);
Bits RoundToWhole(Bits a);
Bits ScaleByPowerOfTwo(Bits a, int n);

constexpr Bits Negate(Bits a) {
  return Bits{a.significand, static_cast<std::uint16_t>(a.sign_exponent ^ format::kSignBit)};
}

// Exact: a 64-bit magnitude always fits the significand.
constexpr Bits FromInteger(std::uint64_t magnitude, bool negative) {
  if (magnitude == 0) return format::Make(negative, 0, 0);
  const int shift = std::countl_zero(magnitude);
  return format::Make(negative, format::kExponentBias + 63 - shift, magnitude << shift);
}

template <std::integral T>
constexpr Bits FromIntegral(T v) {
  if constexpr (std::is_signed_v<T>) {
    const auto wide = static_cast<std::int64_t>(v);
    if (wide < 0) return FromInteger(std::uint64_t{0} - static_cast<std::uint64_t>(wide), true);
    return FromInteger(static_cast<std::uint64_t>(wide), false);
  } else {
    return FromInteger(static_cast<std::uint64_t>(v), false);
  }
}

// Exact. A signalling NaN comes back quiet, as the x87 loads it.
constexpr Bits FromDouble(double d) {
  constexpr int kDoubleBias = 1023;
  constexpr int kFractionBits = 52;
  const auto raw = std::bit_cast<std::uint64_t>(d);
  const bool negative = (raw >> 63) != 0;
  const int exponent = static_cast<int>((raw >> kFractionBits) & 0x7FF);
  const std::uint64_t fraction = raw & ((std::uint64_t{1} << kFractionBits) - 1);
  if (exponent == 0x7FF) {
    const std::uint64_t payload = fraction << (63 - kFractionBits);
    return format::Make(negative, format::kExponentMask,
                        format::kIntegerBit | payload | (fraction != 0 ? format::kQuietBit : 0));
  }
  if (exponent == 0) {  // zero, or a subnormal double: a normal extended value
    if (fraction == 0) return format::Make(negative, 0, 0);
    const int shift = std::countl_zero(fraction);
    return format::Make(negative,
                        format::kExponentBias + 1 - kDoubleBias - kFractionBits + 63 - shift,
                        fraction << shift);
  }
  return format::Make(negative, exponent - kDoubleBias + format::kExponentBias,
                      format::kIntegerBit | (fraction << (63 - kFractionBits)));
}

}  // namespace extended::software
