#include "app/setup_sheet.h"

#include "app/arcsine.h"

namespace app {
namespace {

using geometry::Square;
using geometry::SquareRoot;

constexpr int kFrontAngle = 30;

double Store(Extended x) {
  return static_cast<double>(x);
}

bool Finite(double x) {
  return extended::IsFinite(Extended{x});
}

Unplaceable WhyUnplaceable(const Layout& layout) {
  const double r_big = layout.listening_distance;
  const double h = layout.inputs.surround_height;
  if (!Finite(r_big) || !Finite(layout.surround_radius) || !Finite(layout.front_back) ||
      !Finite(h)) {
    return Unplaceable::kNotANumber;
  }
  if (r_big < 0) return Unplaceable::kNegativeDistance;
  if (r_big == 0) return Unplaceable::kZeroDistance;
  // Also where R^2 - H^2 is negative and was passed on as the surround radius.
  if (Extended{h} > r_big || -Extended{h} > r_big) return Unplaceable::kHeightAboveDistance;
  return Unplaceable::kNo;
}

// The front speakers at 30 degrees on the program's own k, as the layout takes them.
void PlaceFront(SetupSheet& sheet, double r_big, double k) {
  const Extended angle = kFrontAngle * Extended{k};
  SpeakerPlace front;
  front.forward = Store(extended::Cos(angle) * r_big);
  front.sideways = Store(extended::Sin(angle) * r_big);
  front.distance = r_big;
  front.angle = kFrontAngle;
  sheet.speakers[static_cast<int>(Speaker::kFrontLeft)] = front;
  sheet.speakers[static_cast<int>(Speaker::kFrontRight)] = front;
  SpeakerPlace& centre = sheet.speakers[static_cast<int>(Speaker::kCentre)];
  centre.forward = r_big;
  centre.distance = r_big;
}

// The surrounds at the stored surround radius r, phi behind the line through the ears.
void PlaceSurrounds(SetupSheet& sheet, const Layout& layout, double k) {
  const Extended phi = layout.offset_angle;
  const double r_small = layout.surround_radius;
  const double h = layout.inputs.surround_height;
  SpeakerPlace surround;
  surround.forward = Store(-(extended::Sin(phi) * r_small));
  surround.sideways = Store(extended::Cos(phi) * r_small);
  surround.height = h;
  surround.distance = layout.listening_distance;
  surround.angle = layout.inputs.surround_angle;
  surround.tilt = Store(geometry::ArcSine(h, layout.listening_distance) / k);
  sheet.speakers[static_cast<int>(Speaker::kSurroundLeft)] = surround;
  sheet.speakers[static_cast<int>(Speaker::kSurroundRight)] = surround;
}

double FloorDistance(const SpeakerPlace& a, const SpeakerPlace& b) {
  return Store(SquareRoot(Square(Extended{a.forward} - b.forward) +
                          Square(Extended{a.sideways} - b.sideways)));
}

void MeasureSpacings(SetupSheet& sheet, const Layout& layout) {
  const SpeakerPlace& centre = PlaceOf(sheet, Speaker::kCentre);
  const SpeakerPlace& front = PlaceOf(sheet, Speaker::kFrontLeft);
  const SpeakerPlace& surround = PlaceOf(sheet, Speaker::kSurroundLeft);
  sheet.front_width = layout.listening_distance;
  sheet.centre_to_front = FloorDistance(centre, front);
  sheet.front_to_surround = FloorDistance(front, surround);
  sheet.surround_width = geometry::SurroundSpacing(
      layout.listening_distance, layout.inputs.surround_height, layout.offset_angle);
}

bool AllFinite(const SetupSheet& sheet) {
  for (const SpeakerPlace& p : sheet.speakers) {
    if (!Finite(p.forward) || !Finite(p.sideways) || !Finite(p.tilt)) return false;
  }
  return Finite(sheet.centre_to_front) && Finite(sheet.front_to_surround) &&
         Finite(sheet.surround_width);
}

}  // namespace

LimitCheck CheckLimit(double limit, double result) {
  LimitCheck check{!WithinLimit(limit, result), result, limit, 0};
  if (check.over) check.excess = static_cast<double>(Extended{result} - limit);
  return check;
}

const SpeakerPlace& PlaceOf(const SetupSheet& sheet, Speaker speaker) {
  return sheet.speakers[static_cast<int>(speaker)];
}

SetupSheet ComputeSetupSheet(const Layout& layout) {
  SetupSheet sheet;
  sheet.listening_distance = layout.listening_distance;
  sheet.surround_height = layout.inputs.surround_height;
  sheet.front_back = CheckLimit(layout.inputs.front_back_limit, layout.front_back);
  sheet.front_width_limit = CheckLimit(layout.inputs.front_width_limit, layout.listening_distance);
  sheet.unplaceable = WhyUnplaceable(layout);
  if (sheet.unplaceable != Unplaceable::kNo) return sheet;

  const double k = geometry::RadiansPerDegree();
  PlaceFront(sheet, layout.listening_distance, k);
  PlaceSurrounds(sheet, layout, k);
  MeasureSpacings(sheet, layout);
  // Lengths near the top of the double range can overflow once combined.
  if (!AllFinite(sheet)) sheet.unplaceable = Unplaceable::kNotANumber;
  return sheet;
}

}  // namespace app
