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

// a shifted right by count bits (any count from 0 up), with every bit shifted out kept as a
// sticky bit 0: rounding the result at any place above bit 1 gives what rounding a would.
constexpr U128 ShiftRightSticky(U128 a, int count) {
  if (count <= 0) return a;
  if (count >= 128) return U128{0, (a.high | a.low) != 0 ? 1U : 0U};
  if (count >= 64) {
    const bool lost = a.low != 0 || (count > 64 && (a.high << (128 - count)) != 0);
    return U128{0, (a.high >> (count - 64)) | (lost ? 1U : 0U)};
  }
  const bool lost = (a.low << (64 - count)) != 0;
  return U128{a.high >> count, (a.low >> count) | (a.high << (64 - count)) | (lost ? 1U : 0U)};
}

struct QuotientRemainder {
  std::uint64_t quotient;
  std::uint64_t remainder;
};

// n / d for a normalised divisor (bit 63 set) and n.high < d, so that the quotient fits 64 bits.
constexpr QuotientRemainder Divide(U128 n, std::uint64_t d) {
#if SORVANTA_HAS_INT128
  __extension__ using Native = unsigned __int128;
  const Native numerator = (static_cast<Native>(n.high) << 64) | n.low;
  const auto quotient = static_cast<std::uint64_t>(numerator / d);
  return QuotientRemainder{quotient, n.low - quotient * d};
#else
  // Long division in base 2^32, two quotient digits, each estimated from the divisor's top digit
  // and corrected (at most twice) against its second: Knuth's algorithm D.
  constexpr std::uint64_t kBase = std::uint64_t{1} << 32;
  const std::uint64_t d1 = d >> 32, d0 = d & (kBase - 1);
  const auto digit = [&](std::uint64_t top, std::uint64_t next) {
    // The quotient digit of (top * 2^32 + next) / d, where top < d.
    std::uint64_t q = top / d1;
    std::uint64_t r = top - q * d1;
    while (q >= kBase || q * d0 > ((r << 32) | next)) {
      --q;
      r += d1;
      if (r >= kBase) break;
    }
    return q;
  };
  const std::uint64_t next1 = n.low >> 32, next0 = n.low & (kBase - 1);
  const std::uint64_t q1 = digit(n.high, next1);
  const std::uint64_t middle = ((n.high << 32) | next1) - q1 * d;
  const std::uint64_t q0 = digit(middle, next0);
  const std::uint64_t remainder = ((middle << 32) | next0) - q0 * d;
  return QuotientRemainder{(q1 << 32) | q0, remainder};
#endif
}

}  // namespace extended::wide
