#include "tests/extended/extended_mpfr.h"

#include <mpfr.h>

#include "extended/extended.h"
#include "tests/support/extended_reference.h"

namespace extended::mpfr_reference {
namespace {

using reference::Number;

Number Of(Bits b) {
  return Number(FromBits(b));
}

Bits Rounded(Number& result, int ternary) {
  return ToBits(reference::Finish(result, ternary));
}

// x = (-1)^negative * (high * 2^64 + low) * 2^exponent, exactly when x has the precision.
void SetExact(mpfr_ptr x, bool negative, std::uint64_t high, std::uint64_t low, long exponent) {
  const std::uint64_t words[2] = {high, low};
  mpz_t m;
  mpz_init(m);
  mpz_import(m, 2, 1, sizeof words[0], 0, 0, words);
  if (negative) mpz_neg(m, m);
  mpfr_set_z_2exp(x, m, exponent, MPFR_RNDN);
  mpz_clear(m);
  if (negative && mpfr_zero_p(x)) mpfr_neg(x, x, MPFR_RNDN);  // a zero keeps its sign
}

using BinaryFunction = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_srcptr, mpfr_rnd_t);

Bits Binary(BinaryFunction f, Bits a, Bits b) {
  Number x = Of(a), y = Of(b), result;
  return Rounded(result, f(result.get(), x.get(), y.get(), MPFR_RNDN));
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
  Number x = Of(a), result;
  return Rounded(result, mpfr_sqrt(result.get(), x.get(), MPFR_RNDN));
}

std::partial_ordering Compare(Bits a, Bits b) {
  const Number x = Of(a), y = Of(b);
  if (mpfr_unordered_p(x.get(), y.get())) return std::partial_ordering::unordered;
  return mpfr_cmp(x.get(), y.get()) <=> 0;
}

double ToDouble(Bits a) {
  const Number x = Of(a);
  return mpfr_get_d(x.get(), MPFR_RNDN);
}

Bits RoundToWhole(Bits a) {
  Number x = Of(a), result;
  mpfr_rint(result.get(), x.get(), MPFR_RNDN);  // a whole number of at most 64 bits: exact
  return Rounded(result, 0);
}

Bits ScaleByPowerOfTwo(Bits a, int n) {
  Number x = Of(a), result;
  return Rounded(result, mpfr_mul_2si(result.get(), x.get(), n, MPFR_RNDN));
}

Bits FromDouble(double d) {
  Number x;
  return Rounded(x, mpfr_set_d(x.get(), d, MPFR_RNDN));
}

Bits FromInteger(std::int64_t v) {
  Number x;
  SetExact(x.get(), v < 0, 0,
           v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v), 0);
  return Rounded(x, 0);
}

Bits FromUnsigned(std::uint64_t v) {
  Number x;
  SetExact(x.get(), false, 0, v, 0);
  return Rounded(x, 0);
}

}  // namespace

const OperationTable kOperationTable{
    "mpfr",   Add,          Subtract,          Multiply,   Divide,      Sqrt,        Compare,
    ToDouble, RoundToWhole, ScaleByPowerOfTwo, FromDouble, FromInteger, FromUnsigned};

Bits RoundPack(bool negative, int exponent, std::uint64_t significand, std::uint64_t rest) {
  // The exact 128-bit value first, in MPFR's widest exponent range, then rounded into the
  // format's.
  mpfr_set_emin(mpfr_get_emin_min());
  mpfr_set_emax(mpfr_get_emax_max());
  mpfr_t exact;
  mpfr_init2(exact, 2 * format::kSignificandBits);
  SetExact(exact, negative, significand, rest, exponent - 127);
  Number result;
  const int ternary = mpfr_set(result.get(), exact, MPFR_RNDN);
  mpfr_clear(exact);
  reference::UseExtendedRange();
  return Rounded(result, ternary);
}

std::uint64_t RoundShiftRight(std::uint64_t value, int count) {
  Number x, whole;
  SetExact(x.get(), false, 0, value, -count);
  mpfr_rint(whole.get(), x.get(), MPFR_RNDN);
  std::uint64_t words[2] = {};
  mpz_t m;
  mpz_init(m);
  mpfr_get_z(m, whole.get(), MPFR_RNDN);
  mpz_export(words, nullptr, -1, sizeof words[0], 0, 0, m);
  mpz_clear(m);
  return words[0];
}

}  // namespace extended::mpfr_reference
