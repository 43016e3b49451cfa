// Division: 64 quotient bits from one 128-by-64 division, then one bit more and the remainder
// for the rounding.
#include "extended/operands.h"
#include "extended/software.h"
#include "extended/wide.h"

namespace extended::software {
namespace {

Bits DivideNumbers(bool negative, const Operand& x, const Operand& y) {
  // The numerator is x's significand times 2^63 or 2^64, whichever gives a quotient of exactly
  // 64 bits (from 2^63 to below 2^64).
  const bool at_least_one = x.significand >= y.significand;
  const wide::U128 numerator = at_least_one ? wide::U128{x.significand >> 1, x.significand << 63}
                                            : wide::U128{x.significand, 0};
  const int exponent = x.exponent - y.exponent - (at_least_one ? 0 : 1);
  const wide::QuotientRemainder q = wide::Divide(numerator, y.significand);
  // The next quotient bit is 1 when twice the remainder reaches the divisor; the remainder
  // then left says whether anything lies beyond it.
  const bool half = q.remainder >= y.significand - q.remainder;
  const bool beyond = half ? q.remainder != y.significand - q.remainder : q.remainder != 0;
  const std::uint64_t rest = (half ? format::kIntegerBit : 0) | (beyond ? 1 : 0);
  return format::RoundPack(negative, exponent, q.quotient, rest);
}

}  // namespace

Bits Divide(Bits a, Bits b) {
  const Operand x = Unpack(a);
  const Operand y = Unpack(b);
  if (x.kind == Kind::kNaN || y.kind == Kind::kNaN) return PropagateNaN(a, b);
  const bool negative = x.negative != y.negative;
  if (x.kind == Kind::kInfinity) {
    return y.kind == Kind::kInfinity ? format::kNaNBits : Infinity(negative);
  }
  if (x.kind == Kind::kZero) return y.kind == Kind::kZero ? format::kNaNBits : Zero(negative);
  if (y.kind == Kind::kInfinity) return Zero(negative);
  if (y.kind == Kind::kZero) return Infinity(negative);
  return DivideNumbers(negative, x, y);
}

}  // namespace extended::software
