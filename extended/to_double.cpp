// Conversion to double, rounded once: to the double's 53 bits, or to its subnormal grid.
#include <bit>

#include "extended/operands.h"
#include "extended/software.h"

namespace extended::software {
namespace {

constexpr int kDoubleBias = 1023;
constexpr int kDoubleFractionBits = 52;
constexpr std::uint64_t kDoubleExponentMask = 0x7FF;
constexpr int kDroppedBits = format::kSignificandBits - 1 - kDoubleFractionBits;

double Assemble(bool negative, std::uint64_t magnitude) {
  return std::bit_cast<double>((negative ? std::uint64_t{1} << 63 : 0) | magnitude);
}

// A NaN as the x87 stores one: the significand's top fraction bits, made quiet; an operand the
// x87 refuses gives its default NaN.
double NaN(Bits a) {
  const Bits quiet = PropagateNaN(a);
  const std::uint64_t fraction = (quiet.significand & ~format::kIntegerBit) >> kDroppedBits;
  return Assemble(format::Negative(quiet), (kDoubleExponentMask << kDoubleFractionBits) | fraction);
}

}  // namespace

double ToDouble(Bits a) {
  const Operand x = Unpack(a);
  switch (x.kind) {
    case Kind::kNaN:
      return NaN(a);
    case Kind::kInfinity:
      return Assemble(x.negative, kDoubleExponentMask << kDoubleFractionBits);
    case Kind::kZero:
      return Assemble(x.negative, 0);
    case Kind::kNumber:
      break;
  }
  const int biased = x.exponent + kDoubleBias;
  if (biased >= static_cast<int>(kDoubleExponentMask)) {
    return Assemble(x.negative, kDoubleExponentMask << kDoubleFractionBits);
  }
  if (biased <= 0) {
    // Subnormal: fewer bits kept. A rounding up to 2^52 is the smallest normal double, whose
    // encoding is that very integer.
    return Assemble(x.negative, format::RoundShiftRight(x.significand, kDroppedBits + 1 - biased));
  }
  // The integer bit adds one to the exponent field, and a rounding up to 2^53 one more: the
  // exponent field then reaches the next binade, or infinity, by itself.
  const std::uint64_t rounded = format::RoundShiftRight(x.significand, kDroppedBits);
  return Assemble(x.negative,
                  (static_cast<std::uint64_t>(biased - 1) << kDoubleFractionBits) + rounded);
}

}  // namespace extended::software
