#include "tests/extended_mpfr.h"

// mpfr.h declares its intmax_t functions only after <cstdint>.
#include <mpfr.h>
#include <cstdint>

namespace extended::mpfr_reference {
namespace {

constexpr mpfr_prec_t kPrecision = format::kSignificandBits;
// MPFR writes a number as m * 2^e with m from 1/2 to below 1: the smallest subnormal,
// 2^(kMinNormalExponent - 63), has e = kMinNormalExponent - 62; the largest finite value, just
// below 2^(kMaxExponent + 1), has e = kMaxExponent + 1.
constexpr mpfr_exp_t kMinExponent = format::kMinNormalExponent - (format::kSignificandBits - 2);
constexpr mpfr_exp_t kMaxExponent = format::kMaxExponent + 1;

class Number {
 public:
  explicit Number(mpfr_prec_t precision = kPrecision) { mpfr_init2(value_, precision); }
  ~Number() { mpfr_clear(value_); }
  Number(const Number&) = delete;
  Number& operator=(const Number&) = delete;
  operator mpfr_ptr() { return value_; }

 private:
  mpfr_t value_;
};

// The format's exponent range while it lives, MPFR's own again afterwards.
class FormatRange {
 public:
  FormatRange() : min_(mpfr_get_emin()), max_(mpfr_get_emax()) {
    mpfr_set_emin(kMinExponent);
    mpfr_set_emax(kMaxExponent);
  }
  ~FormatRange() {
    mpfr_set_emin(min_);
    mpfr_set_emax(max_);
  }
  FormatRange(const FormatRange&) = delete;
  FormatRange& operator=(const FormatRange&) = delete;

 private:
  mpfr_exp_t min_, max_;
};

void Set(mpfr_ptr x, Bits b) {
  const int sign = format::Negative(b) ? -1 : 1;
  if (format::IsNaN(b)) {
    mpfr_set_nan(x);
  } else if (format::IsInfinity(b)) {
    mpfr_set_inf(x, sign);
  } else if (format::IsZero(b)) {
    mpfr_set_zero(x, sign);
  } else {
    const int biased = format::BiasedExponent(b) == 0 ? 1 : format::BiasedExponent(b);
    mpfr_set_uj_2exp(x, b.significand, biased - format::kExponentBias - 63, MPFR_RNDN);
    mpfr_setsign(x, x, sign < 0, MPFR_RNDN);
  }
}

// x, which must be in the format (as Finish leaves it), in its encoding.
Bits Get(mpfr_ptr x) {
  const bool negative = mpfr_signbit(x) != 0;
  if (mpfr_nan_p(x)) return format::kNaNBits;
  if (mpfr_inf_p(x)) return format::Make(negative, format::kExponentMask, format::kIntegerBit);
  if (mpfr_zero_p(x)) return format::Make(negative, 0, 0);
  const mpfr_exp_t e = mpfr_get_exp(x);
  Number scaled;
  mpfr_abs(scaled, x, MPFR_RNDN);
  mpfr_mul_2si(scaled, scaled, 64 - e, MPFR_RNDN);
  const auto significand = static_cast<std::uint64_t>(mpfr_get_uj(scaled, MPFR_RNDN));
  const int biased = static_cast<int>(e) - 1 + format::kExponentBias;
  if (biased >= 1) return format::Make(negative, biased, significand);
  return format::Make(negative, 0, significand >> (1 - biased));
}

// The result of an operation rounded to 64 bits with the given ternary value, brought into the
// exponent range and onto the subnormal grid without a second rounding.
Bits Finish(mpfr_ptr x, int ternary) {
  ternary = mpfr_check_range(x, ternary, MPFR_RNDN);
  mpfr_subnormalize(x, ternary, MPFR_RNDN);
  return Get(x);
}

using BinaryFunction = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_srcptr, mpfr_rnd_t);

Bits Binary(BinaryFunction f, Bits a, Bits b) {
  const FormatRange range;
  Number x, y, result;
  Set(x, a);
  Set(y, b);
  return Finish(result, f(result, x, y, MPFR_RNDN));
}

Bits Add(Bits a, Bits b) {
  return Binary(mpfr_add, a, b);
}
Bits Subtract(Bits a, Bits b) {
  return Binary(mpfr_sub, a, b);
}
Bits Multiply(Bits a, Bits b) {
  return Binary(mpfr_mul, a, b);
}
Bits Divide(Bits a, Bits b) {
  return Binary(mpfr_div, a, b);
}

Bits Sqrt(Bits a) {
  const FormatRange range;
  Number x, result;
  Set(x, a);
  return Finish(result, mpfr_sqrt(result, x, MPFR_RNDN));
}

std::partial_ordering Compare(Bits a, Bits b) {
  const FormatRange range;
  Number x, y;
  Set(x, a);
  Set(y, b);
  if (mpfr_unordered_p(x, y)) return std::partial_ordering::unordered;
  return mpfr_cmp(x, y) <=> 0;
}

double ToDouble(Bits a) {
  const FormatRange range;
  Number x;
  Set(x, a);
  return mpfr_get_d(x, MPFR_RNDN);
}

Bits RoundToWhole(Bits a) {
  const FormatRange range;
  Number x, result;
  Set(x, a);
  mpfr_rint(result, x, MPFR_RNDN);  // a whole number of at most 64 bits: exact
  return Get(result);
}

Bits ScaleByPowerOfTwo(Bits a, int n) {
  const FormatRange range;
  Number x, result;
  Set(x, a);
  return Finish(result, mpfr_mul_2si(result, x, n, MPFR_RNDN));
}

Bits FromDouble(double d) {
  const FormatRange range;
  Number x;
  mpfr_set_d(x, d, MPFR_RNDN);
  return Get(x);
}

Bits FromInteger(std::int64_t v) {
  const FormatRange range;
  Number x;
  mpfr_set_sj(x, v, MPFR_RNDN);
  return Get(x);
}

Bits FromUnsigned(std::uint64_t v) {
  const FormatRange range;
  Number x;
  mpfr_set_uj(x, v, MPFR_RNDN);
  return Get(x);
}

}  // namespace

const OperationTable kOperationTable{
    "mpfr",   Add,          Subtract,          Multiply,   Divide,      Sqrt,        Compare,
    ToDouble, RoundToWhole, ScaleByPowerOfTwo, FromDouble, FromInteger, FromUnsigned};

Bits RoundPack(bool negative, int exponent, std::uint64_t significand, std::uint64_t rest) {
  // The exact 128-bit value first, in MPFR's own wide exponent range.
  Number exact(2 * kPrecision), low, result;
  mpfr_set_uj_2exp(exact, significand, 64, MPFR_RNDN);
  mpfr_set_uj(low, rest, MPFR_RNDN);
  mpfr_add(exact, exact, low, MPFR_RNDN);
  mpfr_mul_2si(exact, exact, exponent - 127, MPFR_RNDN);
  mpfr_setsign(exact, exact, negative, MPFR_RNDN);
  const int ternary = mpfr_set(result, exact, MPFR_RNDN);
  const FormatRange range;
  return Finish(result, ternary);
}

std::uint64_t RoundShiftRight(std::uint64_t value, int count) {
  Number x, whole;
  mpfr_set_uj_2exp(x, value, -count, MPFR_RNDN);
  mpfr_rint(whole, x, MPFR_RNDN);
  return static_cast<std::uint64_t>(mpfr_get_uj(whole, MPFR_RNDN));
}

}  // namespace extended::mpfr_reference
