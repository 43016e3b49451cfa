// Sine and cosine of the reduced argument r = f * 2^-shift, 0 <= r <= pi/4, by their Taylor
// series in fixed point, and the test that decides whether the result is the correctly rounded
// one.
//
// Units: all errors below count in units of 2^-64N, the last limb of an N-limb fraction.
#include "extended/sin_cos_kernel.h"

#include <array>

#include "extended/fixed_point.h"
#include "extended/reduce.h"
#include "extended/rounding.h"
#include "extended/trig_tables.h"

namespace extended::trig {
namespace {

using fixed::Fraction;

// The series' coefficients c_j for j = 1 .. count - 1: 1/(2j+1)! for sine's sin(r)/r - 1 and
// 1/(2j)! for cosine's 1 - cos r, each truncated from the exact value (a chain of truncating
// divisions from 1/2 is one truncation). With u = r^2 <= pi^2/16 < 5/8 both series alternate
// with falling terms, so what is left out is below its first term, c_count * u^count, which
// `count` makes at most one unit: it is the first j whose upper bound of c_j * (5/8)^j is.
template <int N>
struct Series {
  static constexpr int kCapacity = 64;
  std::array<Fraction<N>, kCapacity> c{};
  int count = 0;
};

template <int N>
constexpr Fraction<N> CeilingDivide(const Fraction<N>& a, std::uint32_t d) {
  bool inexact = false;
  const Fraction<N> q = fixed::DivideSmall(a, d, &inexact);
  return inexact ? fixed::Increment(q) : q;
}

template <int N>
constexpr Series<N> MakeSeries(Function function) {
  constexpr Fraction<N> kFiveEighths = fixed::FromTop<N>(0xA000000000000000);
  Series<N> s;
  Fraction<N> c = fixed::FromTop<N>(std::uint64_t{1} << 63);  // 1/2!, exactly
  int factorial = 2;
  if (function == Function::kSine) {
    bool inexact = false;
    c = fixed::DivideSmall(c, 3, &inexact);
    factorial = 3;
  }
  // An upper bound of c_j * (5/8)^j: the truncations are made good by rounding up after each.
  Fraction<N> bound = fixed::Increment(c);
  for (int j = 1; j < Series<N>::kCapacity; ++j) {
    bound = fixed::Increment(fixed::Multiply(bound, kFiveEighths));
    bool one_unit = bound.limb[0] <= 1;
    for (int i = 1; i < N; ++i) one_unit = one_unit && bound.limb[i] == 0;
    if (one_unit) {
      s.count = j;
      return s;
    }
    s.c[j] = c;
    const auto next = static_cast<std::uint32_t>((factorial + 1) * (factorial + 2));
    bool inexact = false;
    c = fixed::DivideSmall(c, next, &inexact);
    bound = CeilingDivide(bound, next);
    factorial += 2;
  }
  return s;
}

template <int N>
constexpr Series<N> kSineSeries = MakeSeries<N>(Function::kSine);
template <int N>
constexpr Series<N> kCosineSeries = MakeSeries<N>(Function::kCosine);

// D = sum over j = 1 .. count-1 of (-1)^(j-1) c_j u^j, by Horner's rule, every partial value
// positive (c_j > u c_(j+1) by far). With u short by less than 2 units, each inner value P_j
// is off by e_j <= 2 (c_j and the product truncated) + 2 P_(j+1) + (5/8) e_(j+1): e_j < 6,
// as P_(j+1) <= 1/24. D itself: 1 + (5/8) 6 + 2 P_1 (P_1 <= 1/2) + 1 left out < 7 units.
template <int N>
Fraction<N> SumSeries(const Series<N>& s, const Fraction<N>& u) {
  Fraction<N> p = s.c[s.count - 1];
  for (int j = s.count - 2; j >= 1; --j) p = fixed::Subtract(s.c[j], fixed::Multiply(u, p));
  return fixed::Multiply(u, p);
}

// u = r^2 = (f * 2^-shift)^2, short by less than 2 units (two truncations).
template <int N>
Fraction<N> Square(const Fraction<N>& f, int shift) {
  return fixed::ShiftRight(fixed::Multiply(f, f), 2 * shift);
}

// y * 2^exponent with y in [1/2, 1).
template <int N>
struct Approximation {
  Fraction<N> y;
  int exponent;
};

// sin r = r (1 - D): f - f D is off by 1 + 7 units and at least 0.45, so doubling it once
// normalises it and makes 16; a reduced argument's relative error of 6 units adds 1.12 * 6.
// Under 23 in all.
template <int N>
Approximation<N> Sine(const Fraction<N>& f, int shift) {
  const Fraction<N> d = SumSeries(kSineSeries<N>, Square(f, shift));
  Approximation<N> a{fixed::Subtract(f, fixed::Multiply(f, d)), -shift};
  if ((a.y.Top() >> 63) == 0) {
    a.y = fixed::Double(a.y);
    --a.exponent;
  }
  return a;
}

// cos r = 1 - D, at least 0.707 and off by 7 units; a reduced argument's relative error of 6
// units moves it by at most sin r * r * 6 < 3.4. Under 11 in all. D is 0 only where r is so
// small that cos r is 1 to within those units: then 1 itself.
template <int N>
Approximation<N> Cosine(const Fraction<N>& f, int shift) {
  const Fraction<N> d = SumSeries(kCosineSeries<N>, Square(f, shift));
  if (fixed::IsZero(d)) return {fixed::FromTop<N>(std::uint64_t{1} << 63), 1};
  return {fixed::Subtract(Fraction<N>{}, d), 0};
}

template <int N>
Outcome Round(bool negative, const Approximation<N>& a) {
  bool below = false;
  for (int i = 0; i < N - 2; ++i) below = below || a.y.limb[i] != 0;
  const std::uint64_t rest = a.y.limb[N - 2] | (below ? 1 : 0);
  return {format::RoundPack(negative, a.exponent - 1, a.y.Top(), rest), !NearMidpoint(a.y)};
}

// |x| <= pi/4: x itself is the reduced argument. pi/4 is irrational, so |x| <= pi/4 exactly
// when |x| is at most pi/4 truncated to 64 bits.
bool WithinPiOverFour(Bits x) {
  const int biased = format::BiasedExponent(x);
  return biased < format::kExponentBias - 1 ||
         (biased == format::kExponentBias - 1 && x.significand <= tables::kPiOverFour[0]);
}

}  // namespace

// The rounding test. The exact value lies within kErrorBound units of y; the rounding to 64
// bits is decided unless a midpoint of two neighbouring extended values lies that close. The
// only midpoint in reach is the one halfway through y's last significand bit: the next ones are
// 2^(64N - 64) units away, and where y is just 1/2 and the exact value may lie below, where the
// spacing halves, the midpoint below 1/2 is 2^(64N - 66) units away. So: is the rest below the
// significand, R, within the bound of half a significand unit H? R - H is R with its top bit
// flipped, read as a signed number.
template <int N>
bool NearMidpoint(const Fraction<N>& y) {
  std::array<std::uint64_t, N - 1> d{};
  for (int i = 0; i < N - 1; ++i) d[i] = y.limb[i];
  d[N - 2] ^= std::uint64_t{1} << 63;
  bool zeros = true, ones = true;
  for (int i = 1; i < N - 1; ++i) {
    zeros = zeros && d[i] == 0;
    ones = ones && d[i] == ~std::uint64_t{0};
  }
  return (zeros && d[0] <= kErrorBound) || (ones && d[0] >= ~std::uint64_t{0} - kErrorBound + 1);
}

template bool NearMidpoint<2>(const Fraction<2>&);
template bool NearMidpoint<4>(const Fraction<4>&);
template bool NearMidpoint<8>(const Fraction<8>&);

// With x = q pi/2 + r: sin x = sin(q pi/2 + r) and cos x = sin((q + 1) pi/2 + r); an odd
// quadrant takes the cosine of r, the upper two negate, and a negative r negates a sine.
template <int N>
Outcome Attempt(Function function, Bits x) {
  const int exponent = format::BiasedExponent(x) - format::kExponentBias;
  Reduced<N> r;
  if (WithinPiOverFour(x)) {
    r.f = fixed::FromTop<N>(x.significand);
    r.shift = -1 - exponent;
    r.precise = true;
  } else {
    r = Reduce<N>(x.significand, exponent);
  }
  const int quadrant = (r.quadrant + (function == Function::kCosine ? 1 : 0)) & 3;
  const bool take_cosine = (quadrant & 1) != 0;
  bool negative = (quadrant >= 2) != (!take_cosine && r.negative);
  if (function == Function::kSine && format::Negative(x)) negative = !negative;
  Outcome o =
      take_cosine ? Round(negative, Cosine(r.f, r.shift)) : Round(negative, Sine(r.f, r.shift));
  o.decided = o.decided && r.precise;
  return o;
}

template Outcome Attempt<2>(Function, Bits);
template Outcome Attempt<4>(Function, Bits);
template Outcome Attempt<8>(Function, Bits);

}  // namespace extended::trig
