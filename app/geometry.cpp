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

double SurroundSpacing(double listening_distance, double surround_height, double offset_angle) {
  const Extended root = SquareRoot(Square(listening_distance) - Square(surround_height));
  return static_cast<double>(root * 2 * extended::Cos(Extended{offset_angle}));
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

Layout ComputeLayout(const Answers& answers) {
  Layout layout;
  Inputs& in = layout.inputs;
  in.front_back_limit = ReadDouble(answers.front_back_limit);
  in.front_width_limit = ReadDouble(answers.front_width_limit);
  in.surround_fixed = answers.surround_fixed == "Y";
  in.surround_width = ReadDouble(answers.surround_width);
  in.surround_height = ReadDouble(answers.surround_height);
  // The angle enters at the precision it was checked with.
  in.surround_angle = numtext::ReadNumber(answers.surround_angle);

  const Extended a = in.front_back_limit;
  const Extended b = in.front_width_limit;
  const Extended u = in.surround_width;
  const Extended h = in.surround_height;
  const double k = geometry::RadiansPerDegree();
  const double phi = geometry::OffsetAngle(in.surround_angle);
  const Extended sin_phi = extended::Sin(Extended{phi});
  const Extended cos_phi = extended::Cos(Extended{phi});

  const double d1 = Store(a / (sin_phi + 1));
  const double d2 = Store(b / (extended::Sin(30 * Extended{k}) * 2));
  const double d3 = Store(u / (cos_phi * 2));
  const double d4 = Store(SquareRoot(Square(h) + Square(d3)));

  const double r_big = in.surround_fixed ? d4 : SmallestCandidate(d1, d2, d4);
  const double r_small = Store(SquareRoot(Square(r_big) - Square(h)));
  layout.offset_angle = phi;
  layout.listening_distance = r_big;
  layout.surround_radius = r_small;
  layout.front_back = Store(sin_phi * r_small + r_big);
  if (!in.surround_fixed) {
    layout.surround_width = geometry::SurroundSpacing(r_big, in.surround_height, phi);
    layout.has_surround_width = true;
  }
  return layout;
}

}  // namespace app
