#include "app/setup_sheet_text.h"

#include "app/result_text.h"
#include "numtext/numtext.h"

namespace app {
namespace {

// To a tenth of a degree: closer than anyone can aim a speaker, and never rounds 30 or a
// surround angle typed in whole degrees.
constexpr const char* kAngleMask = "0.0";
constexpr const char* kIntroduction = "These answers give no layout to place: ";

struct SpeakerName {
  const char* name;
  const char* side;  // empty for the centre
};
constexpr SpeakerName kNames[kSpeakerCount] = {
    {"C centre", ""},
    {"L front left", "left"},
    {"R front right", "right"},
    {"LS surround left", "left"},
    {"RS surround right", "right"},
};

std::string Length(double x) {
  return FormatMeasure(x);
}

std::string Degrees(Extended x) {
  return numtext::FormatNumber(x, kAngleMask);
}

// A tilt too small to show at a tenth of a degree is none: no one aims "down 0.0".
std::string Tilt(double tilt) {
  const std::string degrees = Degrees(tilt < 0 ? -tilt : tilt);
  if (degrees == Degrees(0)) return "level";
  return (tilt > 0 ? "down " : "up ") + degrees;
}

std::vector<std::string> Row(const SpeakerPlace& p, const SpeakerName& name) {
  std::string sideways = Length(p.sideways);
  if (*name.side != '\0') sideways = std::string(name.side) + " " + sideways;
  return {name.name,          Length(p.forward), sideways,    Length(p.height),
          Length(p.distance), Degrees(p.angle),  Tilt(p.tilt)};
}

std::string TooFarFromEarLevel(double surround_height, const std::string& r_big) {
  const double h = surround_height;
  return "the surround speakers would be " + Length(h > 0 ? h : -h) +
         (h > 0 ? " above" : " below") + " ear level, more than the listening distance of " +
         r_big + ", and nothing that far from ear level is only " + r_big + " from the ears.";
}

// Why the layout cannot be placed, after the words that say so.
std::string Reason(const SetupSheet& sheet) {
  const std::string r_big = Length(sheet.listening_distance);
  switch (sheet.unplaceable) {
    case Unplaceable::kNotANumber:
      return "a result is not a number, or too large to be one.";
    case Unplaceable::kNegativeDistance:
      return (r_big == Length(0) ? "the listening distance is below 0 by less than 0.01"
                                 : "the listening distance, " + r_big + ", is negative") +
             ", which only a negative limit brings about.";
    case Unplaceable::kZeroDistance:
      return "the listening distance is 0, which puts every speaker at the listening position.";
    case Unplaceable::kHeightAboveDistance:
      return TooFarFromEarLevel(sheet.surround_height, r_big);
    case Unplaceable::kNo:
      break;
  }
  return {};
}

std::string Aiming(double tilt) {
  if (Tilt(tilt) == Tilt(0))
    return "Turn every speaker to face the listening position; none needs a tilt.";
  return "Turn every speaker to face the listening position, and tilt the two surround speakers " +
         Tilt(tilt) + " degrees, so that they point at the ears.";
}

// A result a hair over its limit reads the same as the limit: its excess is said in words.
std::string OverLimit(const LimitCheck& check, const std::string& what, const char* where) {
  const std::string excess = Length(check.excess);
  const std::string limit = "the " + Length(check.limit) + " you allowed " + where;
  if (excess == Length(0)) {
    return what + ", " + Length(check.result) + ", is more than " + limit + ", by less than 0.01.";
  }
  return what + ", " + Length(check.result) + ", is " + excess + " more than " + limit + ".";
}

// The two results the report compares with a limit, each said to be over it or within it. The
// surround spacing has no limit of its own: it is never over one.
std::vector<std::string> Limits(const SetupSheet& sheet) {
  const bool back = sheet.front_back.over;
  const bool width = sheet.front_width_limit.over;
  if (!back && !width) {
    return {"The front-back spacing and front width are within the limits you gave."};
  }
  std::vector<std::string> sentences;
  if (back) {
    sentences.push_back(OverLimit(sheet.front_back,
                                  "The front-back spacing of the centre and surround speakers",
                                  "from front to back"));
  }
  if (width) {
    sentences.push_back(OverLimit(sheet.front_width_limit,
                                  "The front width, which is the listening distance",
                                  "across the front"));
  }
  if (!back) sentences.push_back("The front-back spacing is within the limit you gave.");
  if (!width) sentences.push_back("The front width is within the limit you gave.");
  return sentences;
}

void Place(const SetupSheet& sheet, SetupSheetText& text) {
  const std::string r_big = Length(sheet.listening_distance);
  text.before_table = {
      "Every speaker stands " + r_big +
          " from the listening position, in a straight line from the ears: set the distance "
          "of each of the five speakers to " +
          r_big + " on the AV receiver.",
      "Lengths are in the unit of your answers. Forward and sideways are measured along the "
      "floor from the listening position (forward negative: behind it), height above ear "
      "level, distance in a straight line from the ears. Angle is in degrees from straight "
      "ahead, tilt in degrees from level.",
  };
  text.header = {"Speaker", "Forward", "Sideways", "Height", "Distance", "Angle", "Tilt"};
  for (int i = 0; i < kSpeakerCount; ++i) text.rows.push_back(Row(sheet.speakers[i], kNames[i]));
  text.after_table = {Aiming(PlaceOf(sheet, Speaker::kSurroundLeft).tilt)};
  text.spacings_caption =
      "Spacings along the floor, between the points straight below the speakers:";
  text.spacings = {
      {"L to R (front width)", Length(sheet.front_width)},
      {"C to L", Length(sheet.centre_to_front)},
      {"C to R", Length(sheet.centre_to_front)},
      {"L to LS", Length(sheet.front_to_surround)},
      {"R to RS", Length(sheet.front_to_surround)},
      {"LS to RS", Length(sheet.surround_width)},
  };
  text.closing = Limits(sheet);
}

}  // namespace

SetupSheetText SheetText(const SetupSheet& sheet) {
  SetupSheetText text;
  text.title = "Setup sheet";
  if (sheet.unplaceable == Unplaceable::kNo) {
    Place(sheet, text);
  } else {
    text.before_table = {std::string(kIntroduction) + Reason(sheet)};
  }
  return text;
}

}  // namespace app
