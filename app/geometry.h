// The loudspeaker layout: the largest listening distance that meets every limit, and the
// spacings that follow from it.
//
// Every named quantity is a double; every expression is evaluated in Extended and rounded
// once, when its result is stored.
#pragma once

#include "app/answers.h"
#include "extended/extended.h"

namespace app {

struct Layout {
  double listening_distance = 0;  // R: every speaker's distance from the listening position
  double front_back = 0;          // S: centre speaker to the surrounds, front to back
  double surround_width = 0;      // W: between the two surrounds (only when not fixed)
  bool has_surround_width = false;
};

// The limits the report compares against, read as the calculation reads them.
struct Limits {
  double front_back = 0;   // A
  double front_width = 0;  // B
};

// Reads answers 1, 2, 4, 5 and 6 as numbers and answer 3 as "Y" or "N".
Layout ComputeLayout(const Answers& answers);
Limits ReadLimits(const Answers& answers);

// The arithmetic's own primitives, exposed for their tests.
namespace geometry {
// The program's pi: twelve significant digits, not the full-precision value.
constexpr double kPi = 3.14159265359;
// k: pi / 180, stored as a double.
double RadiansPerDegree();
// The surrounds' angle behind the line through the listener's ears, in radians, from the
// surround angle in degrees.
double OffsetAngle(Extended theta);
// x times x, except that a zero keeps its sign.
Extended Square(Extended x);
// The root of a positive number; zero, a negative number and a NaN pass unchanged.
Extended SquareRoot(Extended x);
}  // namespace geometry

}  // namespace app
