#include "extended/operands.h"

namespace extended::software {
namespace {

bool Refused(Bits b) {
  return format::BiasedExponent(b) != 0 && (b.significand & format::kIntegerBit) == 0;
}
bool Signalling(Bits b) {
  return (b.significand & format::kQuietBit) == 0;
}
Bits Quiet(Bits b) {
  b.significand |= format::kQuietBit;
  return b;
}

}  // namespace

Bits PropagateNaN(Bits a) {
  return Refused(a) ? format::kNaNBits : Quiet(a);
}

Bits PropagateNaN(Bits a, Bits b) {
  if (Refused(a) || Refused(b)) return format::kNaNBits;
  if (!format::IsNaN(b)) return Quiet(a);
  if (!format::IsNaN(a)) return Quiet(b);
  if (Signalling(a) != Signalling(b)) return Quiet(Signalling(a) ? b : a);
  if (a.significand != b.significand) return Quiet(a.significand > b.significand ? a : b);
  return Quiet(format::Negative(a) ? b : a);
}

}  // namespace extended::software
