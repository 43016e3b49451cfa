// The loudspeaker layout: the largest listening distance that meets every limit, and the
// spacings that follow from it.
//
// Every named quantity is a double; every expression is evaluated in Extended and rounded
// once, when its result is stored.
#pragma once

#include "app/answers.h"
#include "extended/extended.h"

namespace app {

// The numbers the calculation read from the answers, as it read them: the lengths rounded to
// double, the angle at the precision it was checked with.
struct Inputs {
  double front_back_limit = 0;   // A
  double front_width_limit = 0;  // B
  bool surround_fixed = false;   // answer 3 was "Y"
  double surround_width = 0;     // U: the surrounds' spacing, or its maximum
  double surround_height = 0;    // H
  Extended surround_angle;       // theta, degrees from straight ahead
};

struct Layout {
  Inputs inputs;
  double offset_angle = 0;        // phi: the surrounds' angle behind the ears' line, radians
  double listening_distance = 0;  // R: every speaker's distance from the listening position
  double surround_radius = 0;     // r: the surrounds' distance along the floor
  double front_back = 0;          // S: centre speaker to the surrounds, front to back
  double surround_width = 0;      // W: between the two surrounds (only when not fixed)
  bool has_surround_width = false;
};

// Reads answers 1, 2, 4, 5 and 6 as numbers and answer 3 as "Y" or "N".
Layout ComputeLayout(const Answers& answers);

// The report's test of a result against the limit the user gave for it: a result equal to its
// limit is within it, and a NaN is not.
inline bool WithinLimit(double limit, double result) {
  return limit >= result;
}

// The arithmetic's own primitives, exposed for their tests, and the formulas the setup sheet
// shares with the layout.
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
// W: the side-side spacing of the surrounds, from R, H and phi, with the surround radius
// evaluated afresh rather than taken from its stored double.
double SurroundSpacing(double listening_distance, double surround_height, double offset_angle);
}  // namespace geometry

}  // namespace app
