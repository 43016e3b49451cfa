// Comparison. Among numbers of one sign, the encoding orders the magnitudes once a
// pseudo-denormal's exponent field 0 is read as the 1 it stands for.
#include "extended/software.h"

namespace extended::software {
namespace {

std::strong_ordering CompareMagnitudes(Bits a, Bits b) {
  const int ea = format::BiasedExponent(a), eb = format::BiasedExponent(b);
  const int effective_a = ea == 0 ? 1 : ea, effective_b = eb == 0 ? 1 : eb;
  if (effective_a != effective_b) return effective_a <=> effective_b;
  return a.significand <=> b.significand;
}

}  // namespace

std::partial_ordering Compare(Bits a, Bits b) {
  if (format::IsNaN(a) || format::IsNaN(b)) return std::partial_ordering::unordered;
  if (format::IsZero(a) && format::IsZero(b)) return std::partial_ordering::equivalent;
  const bool negative = format::Negative(a);
  if (negative != format::Negative(b)) {
    return negative ? std::partial_ordering::less : std::partial_ordering::greater;
  }
  const std::strong_ordering magnitude = CompareMagnitudes(a, b);
  return negative ? 0 <=> magnitude : magnitude;
}

}  // namespace extended::software
