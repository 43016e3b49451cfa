// The encoding of the extended format, and its constants, named once for every file that takes
// a number apart or puts one together.
#pragma once

#include <cstdint>

namespace extended {

// The x87 layout: the sign in bit 15 of sign_exponent above the 15-bit biased exponent; the
// 64-bit significand with its integer bit (bit 63) stored, not implied.
struct Bits {
  std::uint64_t significand;
  std::uint16_t sign_exponent;
};

namespace format {

inline constexpr int kSignificandBits = 64;
inline constexpr int kExponentBias = 16383;
inline constexpr std::uint16_t kExponentMask = 0x7FFF;  // also the exponent of infinities, NaNs
inline constexpr std::uint16_t kSignBit = 0x8000;
inline constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;
inline constexpr std::uint64_t kQuietBit = std::uint64_t{1} << 62;
// The smallest normal value is 2^(1 - bias); subnormals share its exponent with the integer bit
// clear, so their unit is 2^(1 - bias - 63).
inline constexpr int kMinNormalExponent = 1 - kExponentBias;
inline constexpr int kMaxExponent = kExponentMask - 1 - kExponentBias;  // of the largest finite

inline constexpr Bits kInfinityBits{kIntegerBit, kExponentMask};
// The NaN an invalid operation gives: the x87's "real indefinite", negative and quiet.
inline constexpr Bits kNaNBits{kIntegerBit | kQuietBit, kSignBit | kExponentMask};

constexpr int BiasedExponent(Bits b) {
  return b.sign_exponent & kExponentMask;
}
constexpr bool Negative(Bits b) {
  return (b.sign_exponent & kSignBit) != 0;
}
constexpr bool IsInfinity(Bits b) {
  return BiasedExponent(b) == kExponentMask && b.significand == kIntegerBit;
}
// NaNs, and every encoding the x87 refuses as an operand: unnormals, pseudo-NaNs and
// pseudo-infinities, which have the integer bit clear where it must be set. Pseudo-denormals
// (exponent field 0, integer bit set) are numbers, as on the x87.
constexpr bool IsNaN(Bits b) {
  const int e = BiasedExponent(b);
  if (e == 0) return false;
  if ((b.significand & kIntegerBit) == 0) return true;
  return e == kExponentMask && b.significand != kIntegerBit;
}
constexpr bool IsZero(Bits b) {
  return BiasedExponent(b) == 0 && b.significand == 0;
}
constexpr Bits Make(bool negative, int biased_exponent, std::uint64_t significand) {
  return Bits{significand, static_cast<std::uint16_t>((negative ? kSignBit : 0) | biased_exponent)};
}

}  // namespace format
}  // namespace extended
