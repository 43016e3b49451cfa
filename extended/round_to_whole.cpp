// Rounding to a whole number, ties to even.
#include "extended/operands.h"
#include "extended/software.h"

namespace extended::software {

Bits RoundToWhole(Bits a) {
  const Operand x = Unpack(a);
  if (x.kind == Kind::kNaN) return PropagateNaN(a);
  if (x.kind != Kind::kNumber) return a;
  // From 2^63 up every number is whole; below 1/2 every one rounds to zero.
  if (x.exponent >= format::kSignificandBits - 1) return a;
  if (x.exponent < -1) return Zero(x.negative);
  const std::uint64_t whole =
      format::RoundShiftRight(x.significand, format::kSignificandBits - 1 - x.exponent);
  return format::RoundPack(x.negative, format::kSignificandBits - 1, whole, 0);
}

}  // namespace extended::software
