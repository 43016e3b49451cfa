// What the layout means for a person with a tape measure in the room: where each of the five
// speakers stands and how it is aimed, the spacings between them, and which results are over
// the limits given. Computed from the layout's stored results in the program's arithmetic,
// each figure rounded to double once, when it is stored.
#pragma once

#include <array>

#include "app/geometry.h"
#include "extended/extended.h"

namespace app {

enum class Speaker { kCentre, kFrontLeft, kFrontRight, kSurroundLeft, kSurroundRight };
constexpr int kSpeakerCount = 5;

// One speaker's place, measured from the listening position; lengths in the answers' unit.
struct SpeakerPlace {
  double forward = 0;   // along the floor towards the centre speaker; negative: behind
  double sideways = 0;  // along the floor to the speaker's own side, left or right
  double height = 0;    // above ear level
  double distance = 0;  // in a straight line from the ears: R for all five
  Extended angle;       // degrees from straight ahead, to the speaker's own side
  double tilt = 0;      // degrees down from level that face it to the ears; negative: up
};

// A result compared with the limit the user gave for it, as the report compares it.
struct LimitCheck {
  bool over = false;
  double result = 0;
  double limit = 0;
  double excess = 0;  // result - limit, when over
};

// The report's comparison of a result with its limit and, where it is over, by how much.
LimitCheck CheckLimit(double limit, double result);

enum class Unplaceable {
  kNo,
  kNotANumber,           // a result is a NaN or an infinity
  kNegativeDistance,     // R < 0, from a negative limit
  kZeroDistance,         // R = 0: every speaker at the listening position
  kHeightAboveDistance,  // |H| > R: no surround position is R from the ears
};

struct SetupSheet {
  Unplaceable unplaceable = Unplaceable::kNo;
  double listening_distance = 0;  // R
  double surround_height = 0;     // H
  // By Speaker; only when the layout can be placed, as are the spacings.
  std::array<SpeakerPlace, kSpeakerCount> speakers{};
  // Along the floor between the points below the speakers (for every pair but the front and
  // surround ones, the straight line too, since both stand at one height).
  double front_width = 0;        // L to R: R itself, as the report says
  double centre_to_front = 0;    // C to L, and C to R
  double front_to_surround = 0;  // L to LS, and R to RS
  double surround_width = 0;     // LS to RS: W as the program computes it, also with "Y"
  LimitCheck front_back;         // S against the front-back limit A
  LimitCheck front_width_limit;  // R against the front width limit B
};

const SpeakerPlace& PlaceOf(const SetupSheet& sheet, Speaker speaker);

SetupSheet ComputeSetupSheet(const Layout& layout);

}  // namespace app
