// Rounding and packing, in one place for every operation that makes a number.
#pragma once

#include <cstdint>

#include "extended/bits.h"

namespace extended::format {

// The value (-1)^negative * (significand + rest / 2^64) * 2^(exponent - 63), exponent unbiased,
// rounded to nearest with ties to even. The significand need not be normalised; when it has k
// leading zeros, the top k + 1 bits of rest must be exact (normalising makes them significand
// bits and the rounding bit), and the bits below may stand for anything further down by being
// non-zero when it is. A result below the normal range is rounded to the subnormal grid, once;
// one beyond the largest finite value becomes an infinity.
Bits RoundPack(bool negative, int exponent, std::uint64_t significand, std::uint64_t rest);

// value / 2^count rounded to nearest, ties to even, for any count >= 0: the rounding of the
// formats narrower than the significand (whole numbers, doubles).
std::uint64_t RoundShiftRight(std::uint64_t value, int count);

}  // namespace extended::format
