// The power-of-ten table shared by reading and formatting.
#pragma once

#include <array>

#include "numtext/extended.h"

namespace numtext {

inline constexpr int kPowerTableSize = 10;

// Entry i is 10^(8 * 2^i) (10^8 up to 10^4096), the extended value nearest the exact power.
Extended PowerOfTenEntry(int i);

// 10^0 to 10^27 all fit the 64-bit significand (5^27 < 2^63), so the table's products for them
// are exact and equal these, which are only quicker to get.
inline constexpr int kExactLimit = 27;

constexpr std::array<Extended, kExactLimit + 1> BuildExactPowers() {
  std::array<Extended, kExactLimit + 1> exact{};
  exact[0] = 1;
  for (int i = 1; i <= kExactLimit; ++i) exact[i] = exact[i - 1] * 10;
  return exact;
}

inline constexpr std::array<Extended, kExactLimit + 1> kExact = BuildExactPowers();

}  // namespace numtext
