#include "app/arcsine.h"

namespace app::geometry {
namespace {

// Newton's method on sin t = y from t = y converges from below (sine is concave there), with
// the error squared and at least halved at each step for |y| <= 1/sqrt(2): 0.079 at the start,
// then 3.1e-3, 4.7e-6, 1.1e-11 and 6.1e-23, under the last bit after the fifth step. A sixth
// costs little, and a fixed count gives the same bits on every processor.
constexpr int kNewtonSteps = 6;

Extended ArcSineUpToQuarterTurn(Extended y) {
  Extended t = y;
  for (int i = 0; i < kNewtonSteps; ++i) t -= (extended::Sin(t) - y) / extended::Cos(t);
  return t;
}

}  // namespace

// Near a ratio of 1 Newton's method slows down (the cosine goes to zero) and 1 - ratio^2 loses
// its digits, so the angle is halved first: sin(t/2) = sin t / sqrt(2 (1 + cos t)), with
// h cos t = sqrt((h - |s|)(h + |s|)) taken from the sides themselves, which loses nothing.
// Every operand is then positive, and each of the seven roundings adds at most 2^-64 (a root
// half that of its operand): y is within 4.25 units of 2^-64 of sin(t/2), relative. Over
// |y| <= 1/sqrt(2) an arcsine magnifies a relative error at most 4/pi times (5.4 units), and
// Newton's last step leaves at most 2.3 units of its own roundings: 7.7 units in all, which the
// doubling keeps.
Extended ArcSine(double side, double hypotenuse) {
  const Extended s = side;
  const Extended h = hypotenuse;
  const Extended a = extended::Abs(s);
  const Extended h_cos = extended::Sqrt((h - a) * (h + a));
  const Extended half_sine = s / extended::Sqrt(2 * h * (h + h_cos));
  return 2 * ArcSineUpToQuarterTurn(half_sine);
}

}  // namespace app::geometry
