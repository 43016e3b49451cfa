// Addition and subtraction. The smaller operand is aligned to the larger in 128 bits, the bits
// shifted beyond kept as a sticky bit: 64 bits below the significand are enough for one
// correct rounding, because a sum that loses leading bits to cancellation (operands at most one
// exponent apart) was aligned exactly.
#include <utility>

#include "extended/operands.h"
#include "extended/software.h"
#include "extended/wide.h"

namespace extended::software {
namespace {

Bits AddMagnitudes(Operand x, Operand y) {
  if (x.exponent < y.exponent) std::swap(x, y);
  const wide::U128 aligned =
      wide::ShiftRightSticky(wide::U128{y.significand, 0}, x.exponent - y.exponent);
  wide::U128 sum = wide::Add(wide::U128{x.significand, 0}, aligned);
  int exponent = x.exponent;
  if (sum.high < x.significand) {  // carried into bit 64
    sum = wide::ShiftRightSticky(sum, 1);
    sum.high |= format::kIntegerBit;
    ++exponent;
  }
  return format::RoundPack(x.negative, exponent, sum.high, sum.low);
}

Bits SubtractMagnitudes(Operand x, Operand y) {
  if (x.exponent < y.exponent || (x.exponent == y.exponent && x.significand < y.significand)) {
    std::swap(x, y);
  }
  if (x.exponent == y.exponent && x.significand == y.significand) return Zero(false);
  const wide::U128 aligned =
      wide::ShiftRightSticky(wide::U128{y.significand, 0}, x.exponent - y.exponent);
  const wide::U128 difference = wide::Subtract(wide::U128{x.significand, 0}, aligned);
  return format::RoundPack(x.negative, x.exponent, difference.high, difference.low);
}

// a + b, with b's sign flipped first when subtracting: a NaN b is given back with its own sign.
Bits AddSigned(Bits a, Bits b, bool subtract) {
  const Operand x = Unpack(a);
  Operand y = Unpack(b);
  if (x.kind == Kind::kNaN || y.kind == Kind::kNaN) return PropagateNaN(a, b);
  y.negative = y.negative != subtract;
  if (x.kind == Kind::kInfinity) {
    if (y.kind == Kind::kInfinity && y.negative != x.negative) return format::kNaNBits;
    return Infinity(x.negative);
  }
  if (y.kind == Kind::kInfinity) return Infinity(y.negative);
  if (x.kind == Kind::kZero)
    return y.kind == Kind::kZero ? Zero(x.negative && y.negative) : Pack(y);
  if (y.kind == Kind::kZero) return Pack(x);
  return x.negative == y.negative ? AddMagnitudes(x, y) : SubtractMagnitudes(x, y);
}

}  // namespace

Bits Add(Bits a, Bits b) {
  return AddSigned(a, b, false);
}

Bits Subtract(Bits a, Bits b) {
  return AddSigned(a, b, true);
}

}  // namespace extended::software
