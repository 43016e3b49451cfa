// Multi-limb fixed point for sine and cosine: numbers of 64-bit limbs, the least significant
// limb first. A Fraction<N> is the value limbs / 2^(64N), in [0, 1). Every operation here that
// loses bits truncates, so each error is one-sided and below one unit of the last limb, which is
// what the error bounds beside the callers count in.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "extended/wide.h"

namespace extended::fixed {

// out[0 .. na+nb) = a[0 .. na) * b[0 .. nb), exactly.
constexpr void MultiplyFull(const std::uint64_t* a, int na, const std::uint64_t* b, int nb,
                            std::uint64_t* out) {
  for (int i = 0; i < na + nb; ++i) out[i] = 0;
  for (int i = 0; i < na; ++i) {
    std::uint64_t carry = 0;
    for (int j = 0; j < nb; ++j) {
      // a*b + c + d < 2^128 for 64-bit a, b, c, d: no carry is lost.
      wide::U128 t = wide::Add(wide::Multiply(a[i], b[j]), wide::U128{0, out[i + j]});
      t = wide::Add(t, wide::U128{0, carry});
      out[i + j] = t.low;
      carry = t.high;
    }
    out[i + nb] = carry;
  }
}

// The 64 bits of a[0 .. n) from bit `position` up (bit 0 is the lowest of a[0]); bits outside
// the number read as zeros, so the position may be negative or beyond the top.
constexpr std::uint64_t WordAt(const std::uint64_t* a, int n, int position) {
  const auto limb = [&](int i) { return i >= 0 && i < n ? a[i] : std::uint64_t{0}; };
  const int index = position >= 0 ? position / 64 : -((63 - position) / 64);
  const int offset = position - 64 * index;
  if (offset == 0) return limb(index);
  return (limb(index) >> offset) | (limb(index + 1) << (64 - offset));
}

// The number of significant bits of a[0 .. n): 0 for zero.
constexpr int BitLength(const std::uint64_t* a, int n) {
  for (int i = n - 1; i >= 0; --i) {
    if (a[i] != 0) return 64 * i + 64 - std::countl_zero(a[i]);
  }
  return 0;
}

template <int N>
struct Fraction {
  std::array<std::uint64_t, N> limb{};

  std::uint64_t Top() const { return limb[N - 1]; }
};

template <int N>
constexpr bool IsZero(const Fraction<N>& a) {
  for (std::uint64_t l : a.limb) {
    if (l != 0) return false;
  }
  return true;
}

template <int N>
constexpr Fraction<N> FromTop(std::uint64_t top) {
  Fraction<N> a;
  a.limb[N - 1] = top;
  return a;
}

// a - b modulo 1: the difference itself when b <= a, 1 - b when a is 0.
template <int N>
constexpr Fraction<N> Subtract(const Fraction<N>& a, const Fraction<N>& b) {
  Fraction<N> d;
  std::uint64_t borrow = 0;
  for (int i = 0; i < N; ++i) {
    const std::uint64_t x = a.limb[i] - b.limb[i];
    const std::uint64_t next = (a.limb[i] < b.limb[i] || x < borrow) ? 1 : 0;
    d.limb[i] = x - borrow;
    borrow = next;
  }
  return d;
}

// a + 1 unit of the last limb, modulo 1.
template <int N>
constexpr Fraction<N> Increment(Fraction<N> a) {
  for (int i = 0; i < N && ++a.limb[i] == 0; ++i) {
  }
  return a;
}

// a * b truncated: below the exact product by less than one unit of the last limb.
template <int N>
constexpr Fraction<N> Multiply(const Fraction<N>& a, const Fraction<N>& b) {
  std::uint64_t full[2 * N] = {};
  MultiplyFull(a.limb.data(), N, b.limb.data(), N, full);
  Fraction<N> p;
  for (int i = 0; i < N; ++i) p.limb[i] = full[N + i];
  return p;
}

// a / 2^count truncated; 0 once count reaches the width.
template <int N>
constexpr Fraction<N> ShiftRight(const Fraction<N>& a, int count) {
  Fraction<N> s;
  for (int i = 0; i < N; ++i) s.limb[i] = WordAt(a.limb.data(), N, 64 * i + count);
  return s;
}

// a * 2, modulo 1.
template <int N>
constexpr Fraction<N> Double(const Fraction<N>& a) {
  return ShiftRight(a, -1);
}

// a / d for 0 < d < 2^32, truncated; `inexact` tells whether a remainder was left. Truncating
// twice is truncating once: floor(floor(v) / d) = floor(v / d), so a chain of these divisions
// from an exact start is the correctly truncated quotient of the whole chain.
template <int N>
constexpr Fraction<N> DivideSmall(const Fraction<N>& a, std::uint32_t d, bool* inexact) {
  Fraction<N> q;
  std::uint64_t remainder = 0;
  for (int i = N - 1; i >= 0; --i) {
    for (int half = 1; half >= 0; --half) {
      const std::uint64_t current = (remainder << 32) | ((a.limb[i] >> (32 * half)) & 0xFFFFFFFF);
      q.limb[i] |= (current / d) << (32 * half);
      remainder = current % d;
    }
  }
  *inexact = remainder != 0;
  return q;
}

}  // namespace extended::fixed
