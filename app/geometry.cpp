#include "app/geometry.h"

#include "numtext/numtext.h"

namespace app {
namespace geometry {

double RadiansPerDegree() {
  return static_cast<double>(Extended{kPi} / 180);
}

double OffsetAngle(Extended theta) {
  return static_cast<double>((theta - 90) * RadiansPerDegree());
}

Extended Square(Extended x) {
  return x == 0 ? x : x * x;
}

Extended SquareRoot(Extended x) {
  return x > 0 ? extended::Sqrt(x) : x;
}

}  // namespace geometry

namespace {

using geometry::Square;
using geometry::SquareRoot;

double ReadDouble(const std::string& answer) {
  return static_cast<double>(numtext::ReadNumber(answer));
}

double Store(Extended x) {
  return static_cast<double>(x);
}

// The smallest candidate; among equal smallest ones the test that comes last assigns.
double SmallestCandidate(double d1, double d2, double d4) {
  double r = 0;
  if (d2 >= d1 && d4 >= d1) r = d1;
  if (d1 >= d2 && d4 >= d2) r = d2;
  if (d1 >= d4 && d2 >= d4) r = d4;
  return r;
}

}  // namespace

Limits ReadLimits(const Answers& answers) {
  return Limits{ReadDouble(answers.front_back_limit), ReadDouble(answers.front_width_limit)};
}

Layout ComputeLayout(const Answers& answers) {
  const Limits limits = ReadLimits(answers);
  const Extended a = limits.front_back;
  const Extended b = limits.front_width;
  const Extended u = ReadDouble(answers.surround_width);
  const Extended h = ReadDouble(answers.surround_height);
  const bool fixed = answers.surround_fixed == "Y";

  const double k = geometry::RadiansPerDegree();
  // The angle enters at the precision it was checked with.
  const double phi = geometry::OffsetAngle(numtext::ReadNumber(answers.surround_angle));
  const Extended sin_phi = extended::Sin(Extended{phi});
  const Extended cos_phi = extended::Cos(Extended{phi});

  const double d1 = Store(a / (sin_phi + 1));
  const double d2 = Store(b / (extended::Sin(30 * Extended{k}) * 2));
  const double d3 = Store(u / (cos_phi * 2));
  const double d4 = Store(SquareRoot(Square(h) + Square(d3)));

  Layout layout;
  const double r_big = fixed ? d4 : SmallestCandidate(d1, d2, d4);
  const double r_small = Store(SquareRoot(Square(r_big) - Square(h)));
  layout.listening_distance = r_big;
  layout.front_back = Store(sin_phi * r_small + r_big);
  if (!fixed) {
    layout.surround_width = Store(SquareRoot(Square(r_big) - Square(h)) * 2 * cos_phi);
    layout.has_surround_width = true;
  }
  return layout;
}

}  // namespace app
