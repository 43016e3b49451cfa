// What every software operation does first: take its operands apart into a kind, a sign and,
// for numbers, a normalised significand with its exponent; and give a NaN operand back as the
// x87 does.
#pragma once

#include <bit>
#include <cstdint>

#include "extended/bits.h"
#include "extended/rounding.h"

namespace extended::software {

enum class Kind { kZero, kNumber, kInfinity, kNaN };

struct Operand {
  Kind kind;
  bool negative;
  // For kNumber: the value is significand * 2^(exponent - 63), exponent unbiased, with bit 63
  // of the significand set, subnormals and pseudo-denormals included.
  int exponent;
  std::uint64_t significand;
};

constexpr Operand Unpack(Bits b) {
  const bool negative = format::Negative(b);
  if (format::IsNaN(b)) return Operand{Kind::kNaN, negative, 0, 0};
  if (format::IsInfinity(b)) return Operand{Kind::kInfinity, negative, 0, 0};
  if (format::IsZero(b)) return Operand{Kind::kZero, negative, 0, 0};
  const int biased = format::BiasedExponent(b);
  if (biased != 0) {
    return Operand{Kind::kNumber, negative, biased - format::kExponentBias, b.significand};
  }
  const int shift = std::countl_zero(b.significand);
  return Operand{Kind::kNumber, negative, format::kMinNormalExponent - shift,
                 b.significand << shift};
}

// A number operand as the format writes it: subnormals stay subnormal, pseudo-denormals become
// the normal numbers they stand for.
inline Bits Pack(const Operand& x) {
  return format::RoundPack(x.negative, x.exponent, x.significand, 0);
}

constexpr Bits Zero(bool negative) {
  return format::Make(negative, 0, 0);
}
constexpr Bits Infinity(bool negative) {
  return format::Make(negative, format::kExponentMask, format::kIntegerBit);
}

// The result of an operation with a NaN operand, as the x87 chooses it: an operand the x87
// refuses (unnormal, pseudo-NaN, pseudo-infinity) is an invalid operation, giving the default
// NaN; otherwise the NaN operand made quiet, and of two, a quiet one before a signalling one,
// then the larger significand, then the positive one.
Bits PropagateNaN(Bits a);
Bits PropagateNaN(Bits a, Bits b);

}  // namespace extended::software
