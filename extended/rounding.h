// Rounding and packing, in one place for every operation that makes a number.
#pragma once

#include <cstdint>

#include "extended/bits.h"

namespace extended::format {

// The exact value (-1)^negative * (significand + rest / 2^64) * 2^(exponent - 63), exponent
// unbiased, rounded to nearest with ties to even: rest's top bit is the first bit below the
// significand, and its other bits must be non-zero when any bit further down is. The significand
// need not be normalised. A result below the normal range is rounded to the subnormal grid, once;
// one beyond the largest finite value becomes an infinity.
Bits RoundPack(bool negative, int exponent, std::uint64_t significand, std::uint64_t rest);

}  // namespace extended::format
