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
// never a midpoint between two extended values (a dyadic rational). Their distance from the
// nearest midpoint is therefore never zero, and some precision decides every rounding: an
// unbounded loop would always end. We stop at 512 bits: the 512-bit attempt fails only where
// the exact value's bits after the 65th are all equal for about 440 places. The hardest cases
// known for functions like these (and what the probabilistic count predicts over all 2^80 or
// so extended arguments) need about 64 + 64 + 20 bits; 440 is astronomically beyond that. So
// the 512-bit result is returned even where its test would not decide it.
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
// 2^-64 below 1: cos x rounds to 1. Each is handed to the rounding as a value that lies in
// the same place, strictly between the exact value's two candidates: just below x or 1.
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
