// Sine and cosine, the same integer code on every path and processor.
//
// What they give, for x in radians:
//   |x| <= pi/4      the correctly rounded value (round to nearest, ties to even, though no
//                    tie ever occurs) of the exact sine or cosine.
//   |x| > pi/4       the same, for every finite x: the argument is reduced exactly enough by
//                    the bits of 2/pi (extended/reduce.cpp), up to the largest finite value.
//   sin(+-0) = +-0, cos(+-0) = 1; sine is odd and cosine even, subnormal arguments included.
//   infinities, NaNs and the encodings the x87 refuses (unnormals, pseudo-NaNs and
//   pseudo-infinities) give the default NaN, QuietNaN(). Nothing traps or fails.
//
// How: Ziv's scheme. An attempt in 128-bit fixed point with a proven error bound
// (extended/sin_cos_kernel.cpp) gives the result when no rounding boundary lies within that
// bound; otherwise it is done again in 256 bits, and then in 512.
//
// Why that always ends in the right result: every finite x is a rational number, and for a
// nonzero algebraic x, sin x and cos x are transcendental (Lindemann-Weierstrass), so they are
// never a midpoint between two extended values, which is a dyadic rational. Their distance from
// the nearest midpoint is never zero, so some precision decides every rounding, and a loop of
// growing precision would always end. We stop at 512 bits and return that attempt's result
// even where its test does not decide. An attempt in 64N bits stays undecided only where the
// exact value's bits after the 65th repeat one digit for about 64N - 71 places. Taken as
// random digits (the usual estimate, which exhaustive searches for the worst cases of double
// precision bear out), a run of 185 such digits, enough to defeat the 256-bit attempt, has a
// chance of about 2^-184 for one argument; over all 2^81 or so arguments and both functions,
// about 2^-102. The 512-bit attempt needs a run of 441: it never fails, in practice. The
// reduction of large arguments carries the same margin: its table of 2/pi leaves room for
// arguments within 2^-1500 of a multiple of pi/2 (in units of pi/2), where the same estimate
// puts the closest finite one near 2^-81.
#include "extended/extended.h"
#include "extended/rounding.h"
#include "extended/sin_cos_kernel.h"

namespace extended {
namespace {

using trig::Function;

// Below 2^-32 the series' first terms settle the rounding. With |x| in [2^E, 2^(E+1)),
// E <= -33, the representable number below |x| is at least 2^(E-64) away (less only where |x|
// is a power of two), and subnormals are spaced more widely still. Then
//   0 < |x| - |sin x| < |x|^3 / 6 < 2^(3E+1) <= 2^(E-65),
// under half that gap: sin x rounds to x. And 0 < 1 - cos x < x^2 / 2 < 2^-65, half the gap of
// 2^-64 below 1: cos x rounds to 1. The rounding is handed a stand-in that rounds the same way,
// as it lies, like the exact value, below x or 1 by less than half that gap: x less 2^-64 of
// its last unit, or 1 - 2^-128.
constexpr int kTinyBiasedExponent = format::kExponentBias - 32;

Bits Tiny(Function function, Bits x) {
  if (function == Function::kCosine)
    return format::RoundPack(false, -1, ~std::uint64_t{0}, ~std::uint64_t{0});
  const int biased = format::BiasedExponent(x);
  const int exponent = (biased == 0 ? 1 : biased) - format::kExponentBias;
  return format::RoundPack(format::Negative(x), exponent, x.significand - 1, ~std::uint64_t{0});
}

Bits Evaluate(Function function, Bits x) {
  if (format::IsNaN(x) || format::IsInfinity(x)) return format::kNaNBits;
  if (format::IsZero(x)) {
    return function == Function::kSine ? format::RoundPack(format::Negative(x), 0, 0, 0)
                                       : format::RoundPack(false, 0, format::kIntegerBit, 0);
  }
  if (format::BiasedExponent(x) < kTinyBiasedExponent) return Tiny(function, x);
  if (const trig::Outcome o = trig::Attempt<2>(function, x); o.decided) return o.result;
  if (const trig::Outcome o = trig::Attempt<4>(function, x); o.decided) return o.result;
  return trig::Attempt<8>(function, x).result;
}

}  // namespace

Extended Sin(Extended x) {
  return FromBits(Evaluate(Function::kSine, ToBits(x)));
}

Extended Cos(Extended x) {
  return FromBits(Evaluate(Function::kCosine, ToBits(x)));
}

}  // namespace extended
