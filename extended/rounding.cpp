#include "extended/rounding.h"

#include <bit>

#include "extended/wide.h"

namespace extended::format {
namespace {

// Whether an integer followed by the fraction rest (its top bit the half) rounds up to the
// next integer, to nearest with ties to even: every rounding here decides by this.
constexpr bool RoundsUp(std::uint64_t kept, std::uint64_t rest) {
  constexpr std::uint64_t kHalf = std::uint64_t{1} << 63;
  return rest > kHalf || (rest == kHalf && (kept & 1) != 0);
}

}  // namespace

Bits RoundPack(bool negative, int exponent, std::uint64_t significand, std::uint64_t rest) {
  if (significand == 0 && rest == 0) return Make(negative, 0, 0);
  if (significand == 0) {  // the value lies wholly in rest: move it up a word
    significand = rest;
    rest = 0;
    exponent -= 64;
  }
  const int shift = std::countl_zero(significand);
  if (shift != 0) {
    significand = (significand << shift) | (rest >> (64 - shift));
    rest <<= shift;
    exponent -= shift;
  }
  int biased = exponent + kExponentBias;
  if (biased >= kExponentMask) return Make(negative, kExponentMask, kIntegerBit);
  if (biased <= 0) {
    // Subnormal: the unit is that of exponent field 1, and the field itself is 0.
    const wide::U128 shifted = wide::ShiftRightSticky({significand, rest}, 1 - biased);
    significand = shifted.high;
    rest = shifted.low;
    biased = 0;
  }
  if (RoundsUp(significand, rest)) {
    if (++significand == 0) {  // carried out of the top: 2^64 is 2^63 one exponent up
      significand = kIntegerBit;
      if (++biased == kExponentMask) return Make(negative, kExponentMask, kIntegerBit);
    }
  }
  // A subnormal that rounds up to 2^63 becomes the smallest normal, exponent field 1.
  if (biased == 0 && (significand & kIntegerBit) != 0) biased = 1;
  return Make(negative, biased, significand);
}

std::uint64_t RoundShiftRight(std::uint64_t value, int count) {
  if (count <= 0) return value;
  if (count > 64) return 0;  // below half of one unit
  const std::uint64_t kept = count == 64 ? 0 : value >> count;
  return kept + (RoundsUp(kept, value << (64 - count)) ? 1 : 0);
}

}  // namespace extended::format
