// Square root: the integer root of a 128-bit radicand made from the significand, whose
// remainder settles the rounding. The root of an integer is never exactly halfway between two
// integers, so there are no ties.
#include "extended/operands.h"
#include "extended/software.h"
#include "extended/wide.h"

namespace extended::software {
namespace {

// floor(sqrt(y)) for y from 2^62 to below 2^64, by Newton's iteration from above: each step
// lowers the estimate until it stops at the floor of the root.
std::uint64_t TopRoot(std::uint64_t y) {
  // The start: the tangent of sqrt at 2^63, sqrt(2^63) * (1/2 + y / 2^64), which lies above the
  // root (sqrt is concave), by at most 6% over the range; its parts are rounded up.
  constexpr std::uint64_t kRootOf2To63 = 3037000500;  // sqrt(2^63) = 3037000499.976, rounded up
  std::uint64_t r = kRootOf2To63 / 2 + (((y >> 32) + 1) * kRootOf2To63 >> 32) + 1;
  for (;;) {
    const std::uint64_t next = (r + y / r) / 2;
    if (next >= r) return r;
    r = next;
  }
}

// floor(sqrt(m)) for m from 2^126 to below 2^128.
std::uint64_t IntegerRoot(wide::U128 m) {
  // With r the root of the top word, sqrt(m) < (r + 1) * 2^32, so s is no less than the root,
  // within a relative 2^-31 of it; one Newton step from there leaves it at most 2 above.
  const std::uint64_t r = TopRoot(m.high);
  std::uint64_t s = (r << 32) | 0xFFFFFFFF;
  // m.high >= s means m / s >= 2^64 > s: s is no more than the root either.
  if (m.high >= s) return s;
  const std::uint64_t q = wide::Divide(m, s).quotient;
  s = (s >> 1) + (q >> 1) + (s & q & 1);  // (s + q) / 2, rounded down, without overflow
  while (wide::Less(m, wide::Multiply(s, s))) --s;
  return s;
}

}  // namespace

Bits Sqrt(Bits a) {
  const Operand x = Unpack(a);
  if (x.kind == Kind::kNaN) return PropagateNaN(a);
  if (x.kind == Kind::kZero) return a;  // sqrt(-0) is -0
  if (x.negative) return format::kNaNBits;
  if (x.kind == Kind::kInfinity) return a;
  // The radicand m with x = m * 2^(2k): the significand times 2^64 for an odd exponent, 2^63
  // for an even one, so that m lies from 2^126 to below 2^128 and its root has 64 bits.
  const bool odd = (x.exponent & 1) != 0;
  const wide::U128 m =
      odd ? wide::U128{x.significand, 0} : wide::U128{x.significand >> 1, x.significand << 63};
  const int twice_k = x.exponent - 63 - (odd ? 64 : 63);
  const std::uint64_t root = IntegerRoot(m);
  const wide::U128 remainder = wide::Subtract(m, wide::Multiply(root, root));
  // Above the halfway point root + 1/2 exactly when m - root^2 > root.
  const bool half = wide::Less(wide::U128{0, root}, remainder);
  const bool beyond = remainder.high != 0 || remainder.low != 0;
  const std::uint64_t rest = (half ? format::kIntegerBit : 0) | (beyond ? 1 : 0);
  return format::RoundPack(false, twice_k / 2 + 63, root, rest);
}

}  // namespace extended::software
