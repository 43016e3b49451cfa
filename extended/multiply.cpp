// Multiplication: the 128-bit product of the significands is exact, so it is rounded once.
#include "extended/operands.h"
#include "extended/software.h"
#include "extended/wide.h"

namespace extended::software {

Bits Multiply(Bits a, Bits b) {
  const Operand x = Unpack(a);
  const Operand y = Unpack(b);
  if (x.kind == Kind::kNaN || y.kind == Kind::kNaN) return PropagateNaN(a, b);
  const bool negative = x.negative != y.negative;
  if (x.kind == Kind::kInfinity || y.kind == Kind::kInfinity) {
    if (x.kind == Kind::kZero || y.kind == Kind::kZero) return format::kNaNBits;
    return Infinity(negative);
  }
  if (x.kind == Kind::kZero || y.kind == Kind::kZero) return Zero(negative);
  // Each significand is below 2^64 with its unit at 2^(exponent - 63), so the product's top
  // word has its unit at 2^(x.exponent + y.exponent + 1 - 63).
  const wide::U128 product = wide::Multiply(x.significand, y.significand);
  return format::RoundPack(negative, x.exponent + y.exponent + 1, product.high, product.low);
}

}  // namespace extended::software
