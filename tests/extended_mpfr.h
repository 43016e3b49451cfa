// The extended format's operations computed by MPFR: 64-bit precision, the format's exponent
// range and its subnormals, rounding to nearest with ties to even. The reference for the
// software operations on every machine, the ones without an x87 included. Operands the x87
// refuses (unnormals, pseudo-NaNs, pseudo-infinities) are read as NaN, pseudo-denormals as the
// numbers they encode; a NaN result is MPFR's NaN, which has no payload.
#pragma once

#include <compare>
#include <cstdint>

#include "extended/bits.h"

namespace extended::mpfr_reference {

Bits Add(Bits a, Bits b);
Bits Subtract(Bits a, Bits b);
Bits Multiply(Bits a, Bits b);
Bits Divide(Bits a, Bits b);
Bits Sqrt(Bits a);
std::partial_ordering Compare(Bits a, Bits b);
double ToDouble(Bits a);
Bits RoundToWhole(Bits a);
Bits ScaleByPowerOfTwo(Bits a, int n);
Bits FromDouble(double d);
Bits FromInteger(std::int64_t v);
Bits FromUnsigned(std::uint64_t v);

// What format::RoundPack must give for an exact rest, and format::RoundShiftRight.
Bits RoundPack(bool negative, int exponent, std::uint64_t significand, std::uint64_t rest);
std::uint64_t RoundShiftRight(std::uint64_t value, int count);

}  // namespace extended::mpfr_reference
