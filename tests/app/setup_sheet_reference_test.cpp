// The setup sheet against MPFR. Every figure on it is worked out again from the layout's stored
// results at 256 bits, by the plain geometry rather than the program's order of operations,
// and its text must be that value rounded as the screen rounds: exactly, unless the value lies
// within the program's error bound of a rounding boundary, where the text may be either
// neighbour. Such undecided figures are counted, and must stay few.
#include <gtest/gtest.h>
#include <mpfr.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "app/arcsine.h"
#include "app/geometry.h"
#include "app/setup_sheet.h"
#include "app/setup_sheet_text.h"
#include "tests/support/extended_reference.h"

namespace {

constexpr mpfr_prec_t kPrecision = 256;
// One rounding in the extended format, and the one to double when a figure is stored, relative.
constexpr double kUnit = 0x1p-64;
constexpr double kStored = 0x1p-53;
// The digit rendering that the formatting rounds from may be one unit off in its 18th digit.
constexpr double kRendering = 1e-17;

// An MPFR number of 256 bits, with the operations the geometry takes.
class Real {
 public:
  Real() { mpfr_init2(v_, kPrecision); }
  Real(double d) : Real() { mpfr_set_d(v_, d, MPFR_RNDN); }
  explicit Real(Extended x) : Real() {
    const reference::Number n(x);
    mpfr_set(v_, n.get(), MPFR_RNDN);
  }
  Real(const Real& other) : Real() { mpfr_set(v_, other.v_, MPFR_RNDN); }
  Real& operator=(const Real& other) {
    mpfr_set(v_, other.v_, MPFR_RNDN);
    return *this;
  }
  ~Real() { mpfr_clear(v_); }
  mpfr_ptr get() { return v_; }
  mpfr_srcptr get() const { return v_; }
  double Double() const { return mpfr_get_d(v_, MPFR_RNDN); }

  friend Real operator+(const Real& a, const Real& b) { return Apply(mpfr_add, a, b); }
  friend Real operator-(const Real& a, const Real& b) { return Apply(mpfr_sub, a, b); }
  friend Real operator*(const Real& a, const Real& b) { return Apply(mpfr_mul, a, b); }
  friend Real operator/(const Real& a, const Real& b) { return Apply(mpfr_div, a, b); }
  friend Real Sin(const Real& a) { return Apply(mpfr_sin, a); }
  friend Real Cos(const Real& a) { return Apply(mpfr_cos, a); }
  friend Real Sqrt(const Real& a) { return Apply(mpfr_sqrt, a); }
  friend Real Asin(const Real& a) { return Apply(mpfr_asin, a); }

 private:
  template <typename F, typename... Operands>
  static Real Apply(F f, const Operands&... operands) {
    Real r;
    f(r.v_, operands.v_..., MPFR_RNDN);
    return r;
  }
  mpfr_t v_;
};

double Magnitude(const Real& a) {
  return std::fabs(a.Double());
}
Real Hypot(const Real& x, const Real& y) {
  return Sqrt(x * x + y * y);
}

// A figure's text as a whole number of its last places: "-1.09" is -109.
long long LastPlaces(const std::string& text) {
  long long value = 0;
  for (char c : text)
    if (c >= '0' && c <= '9') value = value * 10 + (c - '0');
  return text.starts_with("-") ? -value : value;
}

long long Rounded(const Real& x, int places) {
  Real scaled = x * std::pow(10.0, places);
  mpfr_rint(scaled.get(), scaled.get(), MPFR_RNDN);  // ties to even, as the formatting's
  return mpfr_get_si(scaled.get(), MPFR_RNDN);
}

bool OnTie(const Real& x, int places) {
  Real twice = x * (2 * std::pow(10.0, places));
  return mpfr_integer_p(twice.get()) && !mpfr_integer_p((twice * 0.5).get());
}

struct Tally {
  int figures = 0;
  int undecided = 0;
};

class SheetChecker {
 public:
  explicit SheetChecker(Tally& tally) : tally_(tally) {}

  // `bound`: how far the program's value may lie from the exact one, before its rendering.
  void Figure(const std::string& where, const std::string& text, const Real& exact, double bound,
              int places = 2) {
    const double margin = bound + Magnitude(exact) * kRendering;
    long long low = Rounded(exact - margin, places);
    long long high = Rounded(exact + margin, places);
    // A figure taken as it is stored that lies on a tie exactly has a short decimal form, which
    // the rendering keeps: the tie goes to the even digit.
    if (bound == 0 && OnTie(exact, places)) low = high = Rounded(exact, places);
    ++tally_.figures;
    if (low != high) ++tally_.undecided;
    const long long got = LastPlaces(text);
    EXPECT_TRUE(low <= got && got <= high)
        << where << " reads " << text << " where the reference is " << exact.Double();
  }

 private:
  Tally& tally_;
};

// The stored doubles and the angle the sheet is computed from, exactly.
struct Exact {
  explicit Exact(const app::Layout& layout)
      : r_big(layout.listening_distance),
        r_small(layout.surround_radius),
        h(layout.inputs.surround_height),
        phi(layout.offset_angle),
        k(app::geometry::RadiansPerDegree()),
        theta(layout.inputs.surround_angle) {}
  Real r_big, r_small, h, phi, k, theta;
};

struct Point {
  Real forward, sideways;
};

// The stored results' own errors (a few extended roundings and the one to double) carry into
// a distance between two points at most as their sum does.
double PointError(const Point& a, const Point& b) {
  return (Magnitude(a.forward) + Magnitude(b.forward) + Magnitude(a.sideways) +
          Magnitude(b.sideways)) *
         (kStored + 2 * kUnit);
}

double Stored(const Real& x, int roundings) {
  return Magnitude(x) * (kStored + roundings * kUnit);
}

// "left 1.62" is 1.62 to the left: the side must be the speaker's own.
std::string SidewaysFigure(const std::string& cell, const char* side) {
  const std::string prefix = std::string(side) + " ";
  EXPECT_TRUE(*side == '\0' || cell.starts_with(prefix)) << cell << " is not to the " << side;
  return *side == '\0' ? cell : cell.substr(prefix.size());
}

void CheckSpeakers(const Exact& e, const app::SetupSheetText& text, SheetChecker& check) {
  const Real thirty = Real(30) * e.k;
  const Point centre{e.r_big, 0};
  const Point front{e.r_big * Cos(thirty), e.r_big * Sin(thirty)};
  const Point surround{Real(0) - e.r_small * Sin(e.phi), e.r_small * Cos(e.phi)};
  const Real tilt = Asin(e.h / e.r_big) / e.k;
  struct Expected {
    const Point& at;
    const char* side;
    Real height, angle;
  };
  const Expected speakers[] = {{centre, "", 0, 0},
                               {front, "left", 0, 30},
                               {front, "right", 0, 30},
                               {surround, "left", e.h, e.theta},
                               {surround, "right", e.h, e.theta}};
  ASSERT_EQ(text.rows.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    const std::vector<std::string>& cells = text.rows[i];
    const Expected& s = speakers[i];
    const std::string name = cells[0];
    check.Figure(name + " forward", cells[1], s.at.forward, Stored(s.at.forward, 2));
    check.Figure(name + " sideways", SidewaysFigure(cells[2], s.side), s.at.sideways,
                 Stored(s.at.sideways, 2));
    check.Figure(name + " height", cells[3], s.height, 0);
    check.Figure(name + " distance", cells[4], e.r_big, 0);
    check.Figure(name + " angle", cells[5], s.angle, 0, 1);
    if (i < 3 || mpfr_zero_p(e.h.get())) {
      EXPECT_EQ(cells[6], "level") << name;
    } else if (cells[6] == "level") {
      // A tilt that rounds to nothing at a tenth of a degree.
      check.Figure(name + " tilt", "0.0", tilt, Stored(tilt, 10), 1);
    } else {
      const bool down = mpfr_sgn(e.h.get()) > 0;
      EXPECT_TRUE(cells[6].starts_with(down ? "down " : "up ")) << name << " tilt " << cells[6];
      check.Figure(name + " tilt", cells[6].substr(cells[6].find(' ') + 1),
                   down ? tilt : Real(0) - tilt, Stored(tilt, 10), 1);
    }
  }
  const std::vector<app::LabelledValue>& spacings = text.spacings;
  ASSERT_EQ(spacings.size(), 6u);
  const Real centre_front = Hypot(centre.forward - front.forward, front.sideways);
  const Real front_surround =
      Hypot(front.forward - surround.forward, front.sideways - surround.sideways);
  const double centre_front_bound = PointError(centre, front) + Stored(centre_front, 4);
  const double front_surround_bound = PointError(front, surround) + Stored(front_surround, 4);
  check.Figure("L to R", spacings[0].value, e.r_big, 0);
  check.Figure("C to L", spacings[1].value, centre_front, centre_front_bound);
  check.Figure("C to R", spacings[2].value, centre_front, centre_front_bound);
  check.Figure("L to LS", spacings[3].value, front_surround, front_surround_bound);
  check.Figure("R to RS", spacings[4].value, front_surround, front_surround_bound);
  // W takes R^2 - H^2 afresh, whose roundings a near cancellation magnifies.
  const Real difference = e.r_big * e.r_big - e.h * e.h;
  const Real cos_phi = Cos(e.phi);
  const Real w = Real(2) * Sqrt(difference) * cos_phi;
  const double cancellation = mpfr_zero_p(difference.get())
                                  ? 0
                                  : 2 * kUnit * Magnitude(cos_phi) *
                                        Magnitude(e.r_big * e.r_big + e.h * e.h) /
                                        Magnitude(Sqrt(difference));
  check.Figure("LS to RS", spacings[5].value, w, Stored(w, 6) + cancellation);
}

// The number a closing sentence gives for an excess: "by less than 0.01" is one that reads 0.00.
std::string ExcessOf(const std::string& sentence) {
  if (sentence.ends_with("by less than 0.01.")) return "0.00";
  const std::size_t at = sentence.find(", is ") + 5;
  return sentence.substr(at, sentence.find(' ', at) - at);
}

void CheckLimits(const app::Layout& layout, const app::SetupSheetText& text, SheetChecker& check) {
  const app::Inputs& in = layout.inputs;
  std::vector<Real> excesses;
  std::vector<std::string> within;
  if (!(in.front_back_limit >= layout.front_back))
    excesses.push_back(Real(layout.front_back) - Real(in.front_back_limit));
  else
    within.push_back("The front-back spacing is within the limit you gave.");
  if (!(in.front_width_limit >= layout.listening_distance))
    excesses.push_back(Real(layout.listening_distance) - Real(in.front_width_limit));
  else
    within.push_back("The front width is within the limit you gave.");
  if (excesses.empty()) {
    EXPECT_EQ(text.closing, std::vector<std::string>{
                                "The front-back spacing and front width are within the limits "
                                "you gave."});
    return;
  }
  ASSERT_EQ(text.closing.size(), excesses.size() + within.size());
  for (std::size_t i = 0; i < excesses.size(); ++i)
    check.Figure(text.closing[i], ExcessOf(text.closing[i]), excesses[i], Stored(excesses[i], 1));
  EXPECT_EQ(std::vector<std::string>(text.closing.begin() + excesses.size(), text.closing.end()),
            within);
}

// Answers as a person types them: a few decimals, in metres, centimetres or millimetres, the
// surround height sometimes zero or below ear level, the angle sometimes with decimals.
std::string Decimal(std::mt19937_64& random, double low, double high, int places) {
  std::uniform_real_distribution<double> pick(low, high);
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", places, pick(random));
  return text;
}

app::Answers Generate(std::mt19937_64& random) {
  const double scale[] = {1, 1, 1, 10, 100, 1000};
  const double unit = scale[random() % 6];
  const auto length = [&](double low, double high) {
    return Decimal(random, low * unit, high * unit, static_cast<int>(random() % 4));
  };
  std::string height = length(0.01, 2.5);
  if (random() % 7 == 0) height = "0";
  if (random() % 9 == 0) height = "-" + height;
  return {
      length(0.5, 40), length(0.5, 40), random() % 2 ? "Y" : "N",
      length(0.3, 30), height,          Decimal(random, 100, 120, static_cast<int>(random() % 3))};
}

void CheckLayout(const app::Answers& answers, Tally& tally, int* placed) {
  const app::Layout layout = app::ComputeLayout(answers);
  const app::SetupSheet sheet = app::ComputeSetupSheet(layout);
  if (sheet.unplaceable != app::Unplaceable::kNo) return;
  ++*placed;
  SCOPED_TRACE(answers.front_back_limit + " " + answers.front_width_limit + " " +
               answers.surround_fixed + " " + answers.surround_width + " " +
               answers.surround_height + " " + answers.surround_angle);
  const app::SetupSheetText text = app::SheetText(sheet);
  SheetChecker check(tally);
  CheckSpeakers(Exact(layout), text, check);
  CheckLimits(layout, text, check);
}

class SetupSheetReference : public ::testing::Test {
 protected:
  void SetUp() override { reference::UseExtendedRange(); }
};

TEST_F(SetupSheetReference, EveryFigureIsTheExactValueRoundedAsTheScreenRounds) {
  Tally tally;
  int placed = 0;
  for (const app::Answers& worked : {app::Answers{"5", "4", "N", "6", "0.5", "110"},
                                     app::Answers{"4", "5", "N", "8", "1", "110"},
                                     app::Answers{"10", "3", "N", "10", "1", "110"},
                                     app::Answers{"3", "2", "Y", "4", "0.5", "120"},
                                     app::Answers{"30", "12", "N", "20", "1.2", "100"},
                                     app::Answers{"5.3", "100", "N", "100", "0", "100"}}) {
    CheckLayout(worked, tally, &placed);
  }
  std::mt19937_64 random(20261217);
  for (int i = 0; i < 4000; ++i) CheckLayout(Generate(random), tally, &placed);
  EXPECT_GT(placed, 3000);
  // Undecided figures are those whose exact value lies on a tie itself: half a typed spacing
  // (the surrounds' sideways where the surround width decides, the fronts' where the front
  // width does) or an angle typed to a hundredth that ends in 5. Spread evenly, no more than one
  // figure in 10^12 would be.
  EXPECT_LT(tally.undecided * 50, tally.figures);
  std::printf("%d layouts placed, %d figures, %d of them within the error bound of a tie\n", placed,
              tally.figures, tally.undecided);
}

// The arcsine against MPFR's, over ratios from -1 to 1 and the ends of that range closely.
TEST_F(SetupSheetReference, ArcSineIsWithinItsBound) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> unit(0, 1);
  double worst = 0;
  for (int i = 0; i < 20000; ++i) {
    const double hypotenuse = std::ldexp(0.5 + unit(random), static_cast<int>(random() % 40) - 20);
    double side = hypotenuse * (2 * unit(random) - 1);
    if (i % 4 == 1)
      side = hypotenuse * (1 - std::ldexp(unit(random), -static_cast<int>(random() % 60)));
    if (i % 4 == 2) side = hypotenuse * std::ldexp(unit(random), -static_cast<int>(random() % 60));
    if (i % 8 >= 4) side = -side;
    const Real exact = Asin(Real(side) / Real(hypotenuse));
    const Real got(app::geometry::ArcSine(side, hypotenuse));
    if (mpfr_zero_p(exact.get())) {
      EXPECT_TRUE(mpfr_zero_p(got.get()));
      continue;
    }
    const double error = Magnitude((got - exact) / exact) / kUnit;
    worst = std::max(worst, error);
    ASSERT_LE(error, 8) << side << " / " << hypotenuse;
  }
  for (const double hypotenuse : {1.0, 3.25, 1e-300, 1e300}) {
    const Real quarter = Asin(Real(1));
    EXPECT_LE(Magnitude((Real(app::geometry::ArcSine(hypotenuse, hypotenuse)) - quarter) / quarter),
              8 * kUnit);
  }
  std::printf("largest error %.2f units of 2^-64, relative\n", worst);
}

}  // namespace
