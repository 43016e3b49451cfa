// The bits of 2/pi and pi/4 that argument reduction works with, computed with MPFR: the
// generator of extended/trig_tables.h and the test that holds that file against MPFR share it.
#pragma once

#include <gmp.h>
#include <mpfr.h>

#include <cstdint>
#include <vector>

namespace reference {

enum class TrigConstant { kTwoOverPi, kPiOverFour };

// The first `words` words of the constant's binary fraction, word w holding bits 64w+1 to
// 64w+64 after the point. A word is only given when MPFR's lower and upper bounds on the
// constant agree on it; otherwise the answer is empty.
inline std::vector<std::uint64_t> FractionWords(TrigConstant constant, int words) {
  const mpfr_prec_t precision = 64 * static_cast<mpfr_prec_t>(words) + 128;
  mpfr_t bound[2], pi;
  mpz_t truncated[2];
  mpfr_init2(pi, precision);
  for (int side = 0; side < 2; ++side) {
    mpfr_init2(bound[side], precision);
    mpz_init(truncated[side]);
    const mpfr_rnd_t toward = side == 0 ? MPFR_RNDD : MPFR_RNDU;
    if (constant == TrigConstant::kTwoOverPi) {
      mpfr_const_pi(pi, side == 0 ? MPFR_RNDU : MPFR_RNDD);  // the far bound of pi
      mpfr_ui_div(bound[side], 2, pi, toward);
    } else {
      mpfr_const_pi(pi, toward);
      mpfr_div_2ui(bound[side], pi, 2, toward);
    }
    // bound = z * 2^e exactly; the wanted integer is floor(bound * 2^(64 words)).
    const mpfr_exp_t e = mpfr_get_z_2exp(truncated[side], bound[side]);
    const long shift = static_cast<long>(e) + 64L * words;
    if (shift >= 0) {
      mpz_mul_2exp(truncated[side], truncated[side], static_cast<mp_bitcnt_t>(shift));
    } else {
      mpz_fdiv_q_2exp(truncated[side], truncated[side], static_cast<mp_bitcnt_t>(-shift));
    }
  }
  std::vector<std::uint64_t> result(static_cast<std::size_t>(words));
  std::size_t count = 0;
  const bool agree = mpz_cmp(truncated[0], truncated[1]) == 0;
  if (agree) mpz_export(result.data(), &count, 1, sizeof(std::uint64_t), 0, 0, truncated[0]);
  for (int side = 0; side < 2; ++side) {
    mpfr_clear(bound[side]);
    mpz_clear(truncated[side]);
  }
  mpfr_clear(pi);
  if (!agree || count != result.size()) result.clear();
  return result;
}

}  // namespace reference
