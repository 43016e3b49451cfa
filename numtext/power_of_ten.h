// The power-of-ten table shared by reading and formatting.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "extended/extended.h"

namespace numtext {

inline constexpr int kPowerTableSize = 10;

// Entry i is 10^(8 * 2^i) (10^8 up to 10^4096), the extended value nearest the exact power.
Extended PowerOfTenEntry(int i);

// 10^0 to 10^27 all fit the 64-bit significand (5^27 < 2^63), so the table's products for them
// are exact and equal these, which are only quicker to get.
inline constexpr int kExactLimit = 27;

// m * 2^scale for a non-zero m whose product stays in the normal range: exact.
constexpr Extended ExactPower(std::uint64_t m, int scale) {
  const int shift = std::countl_zero(m);
  const int exponent = extended::format::kExponentBias + 63 - shift + scale;
  return extended::FromBits(extended::format::Make(false, exponent, m << shift));
}

// 10^n = 5^n * 2^n, and 5^n is exact in 64 bits up to n = 27.
constexpr std::array<Extended, kExactLimit + 1> BuildExactPowers() {
  std::array<Extended, kExactLimit + 1> exact{};
  std::uint64_t five = 1;
  for (int i = 0; i <= kExactLimit; ++i, five *= 5) exact[i] = ExactPower(five, i);
  return exact;
}

inline constexpr std::array<Extended, kExactLimit + 1> kExact = BuildExactPowers();

}  // namespace numtext
