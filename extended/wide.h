// 128-bit unsigned arithmetic for the software operations: unsigned __int128 where the compiler
// has it, two 64-bit halves where it does not (MSVC). SORVANTA_PORTABLE_WIDE forces the halves,
// so that the tests run them too.
#pragma once

#include <cstdint>

#if defined(__SIZEOF_INT128__) && !defined(SORVANTA_PORTABLE_WIDE)
#define SORVANTA_HAS_INT128 1
#else
#define SORVANTA_HAS_INT128 0
#endif

namespace extended::wide {

struct U128 {
  std::uint64_t high;
  std::uint64_t low;
};

constexpr U128 Multiply(std::uint64_t a, std::uint64_t b) {
#if SORVANTA_HAS_INT128
  __extension__ using Native = unsigned __int128;
  const Native p = static_cast<Native>(a) * b;
  return U128{static_cast<std::uint64_t>(p >> 64), static_cast<std::uint64_t>(p)};
#else
  const std::uint64_t a0 = a & 0xFFFFFFFF, a1 = a >> 32;
  const std::uint64_t b0 = b & 0xFFFFFFFF, b1 = b >> 32;
  const std::uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
  const std::uint64_t middle = (p00 >> 32) + (p01 & 0xFFFFFFFF) + (p10 & 0xFFFFFFFF);
  return U128{p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32),
              (middle << 32) | (p00 & 0xFFFFFFFF)};
#endif
}

constexpr U128 Add(U128 a, U128 b) {
  const std::uint64_t low = a.low + b.low;
  return U128{a.high + b.high + (low < a.low ? 1 : 0), low};
}

constexpr U128 Subtract(U128 a, U128 b) {
  return U128{a.high - b.high - (a.low < b.low ? 1 : 0), a.low - b.low};
}

constexpr bool Less(U128 a, U128 b) {
  return a.high < b.high || (a.high == b.high && a.low < b.low);
}

}  // namespace extended::wide
