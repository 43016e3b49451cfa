#include "extended/rounding.h"

#include <bit>

namespace extended::format {
namespace {

// (high:low) shifted right by count bits, the bits shifted out kept as a sticky low bit.
void ShiftRightSticky(std::uint64_t& high, std::uint64_t& low, int count) {
  if (count <= 0) return;
  if (count >= 128) {
    low = (high | low) != 0 ? 1 : 0;
    high = 0;
    return;
  }
  if (count >= 64) {
    const bool lost = low != 0 || (count > 64 && (high << (128 - count)) != 0);
    low = high >> (count - 64);
    high = 0;
    low |= lost ? 1 : 0;
    return;
  }
  const bool lost = (low << (64 - count)) != 0;
  low = (low >> count) | (high << (64 - count)) | (lost ? 1 : 0);
  high >>= count;
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
    ShiftRightSticky(significand, rest, 1 - biased);
    biased = 0;
  }
  const bool half = (rest >> 63) != 0;
  const bool beyond_half = (rest << 1) != 0;
  if (half && (beyond_half || (significand & 1) != 0)) {
    if (++significand == 0) {  // carried out of the top: 2^64 is 2^63 one exponent up
      significand = kIntegerBit;
      if (++biased == kExponentMask) return Make(negative, kExponentMask, kIntegerBit);
    }
  }
  // A subnormal that rounds up to 2^63 becomes the smallest normal, exponent field 1.
  if (biased == 0 && (significand & kIntegerBit) != 0) biased = 1;
  return Make(negative, biased, significand);
}

}  // namespace extended::format
