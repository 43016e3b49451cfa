#include "tests/support/extended_reference.h"

#include <cstdint>

#include "extended/bits.h"
#include "extended/rounding.h"

namespace reference {
namespace {

using extended::format::kExponentBias;

// MPFR writes a number as 0.1xxx * 2^e. The smallest subnormal 2^(1 - bias - 63) is 0.1 * 2^-16444,
// the largest finite value just below 2^16384, 0.111... * 2^16384.
constexpr long kMinExponent = 1 - kExponentBias - 63 + 1;
constexpr long kMaxExponent = kExponentBias + 1;

Extended ReadBack(mpfr_srcptr x) {
  if (mpfr_nan_p(x)) return extended::QuietNaN();
  const bool negative = mpfr_signbit(x) != 0;
  if (mpfr_inf_p(x)) return extended::CopySign(extended::Infinity(), negative ? -1 : 1);
  if (mpfr_zero_p(x)) return extended::FromBits(extended::format::Make(negative, 0, 0));
  mpz_t m;
  mpz_init(m);
  const long e = mpfr_get_z_2exp(m, x);  // |x| = |m| * 2^e
  mpz_abs(m, m);
  std::uint64_t significand = 0;
  mpz_export(&significand, nullptr, -1, sizeof significand, 0, 0, m);
  mpz_clear(m);
  // Exact: the value is already on the format's grid.
  return extended::FromBits(
      extended::format::RoundPack(negative, static_cast<int>(e) + 63, significand, 0));
}

}  // namespace

void UseExtendedRange() {
  mpfr_set_emin(kMinExponent);
  mpfr_set_emax(kMaxExponent);
}

Number::Number() {
  mpfr_init2(value_, extended::format::kSignificandBits);
}

Number::Number(Extended x) : Number() {
  const extended::Bits b = extended::ToBits(x);
  const bool negative = extended::format::Negative(b);
  if (extended::format::IsNaN(b)) {
    mpfr_set_nan(value_);
  } else if (extended::format::IsInfinity(b)) {
    mpfr_set_inf(value_, negative ? -1 : 1);
  } else {
    const int biased = extended::format::BiasedExponent(b);
    mpz_t m;
    mpz_init(m);
    mpz_import(m, 1, -1, sizeof b.significand, 0, 0, &b.significand);
    mpfr_set_z_2exp(value_, m, (biased == 0 ? 1 : biased) - kExponentBias - 63, MPFR_RNDN);
    mpz_clear(m);
    if (negative) mpfr_neg(value_, value_, MPFR_RNDN);
  }
}

Number::~Number() {
  mpfr_clear(value_);
}

Extended Finish(Number& result, int ternary) {
  ternary = mpfr_check_range(result.get(), ternary, MPFR_RNDN);
  mpfr_subnormalize(result.get(), ternary, MPFR_RNDN);
  return ReadBack(result.get());
}

Extended FromDecimal(const std::string& text) {
  Number n;
  return Finish(n, mpfr_set_str(n.get(), text.c_str(), 10, MPFR_RNDN));
}

std::string Digits(Extended x, int digits, long* exponent) {
  Number n(x);
  mpfr_abs(n.get(), n.get(), MPFR_RNDN);
  mpfr_exp_t e = 0;
  char* text = mpfr_get_str(nullptr, &e, 10, static_cast<std::size_t>(digits), n.get(), MPFR_RNDN);
  std::string result(text);
  mpfr_free_str(text);
  *exponent = e;
  return result;
}

}  // namespace reference
