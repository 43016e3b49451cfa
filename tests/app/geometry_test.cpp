#include "app/geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "extended/extended.h"

namespace {

struct Case {
  const char *a, *b, *fixed, *u, *h, *theta;
  double r, s, w;  // w unused with "Y"
};

app::Answers AnswersOf(const Case& c) {
  return app::Answers{c.a, c.b, c.fixed, c.u, c.h, c.theta};
}

// The worked examples, to the six decimals they are known to.
TEST(Geometry, WorkedExamplesToSixDecimals) {
  const Case cases[] = {
      {"5", "4", "N", "6", "0.5", "110", 3.231450, 4.323361, 6.000000},
      {"4", "5", "N", "8", "1", "110", 2.980581, 3.940913, 5.276979},
      {"10", "3", "N", "10", "1", "110", 3.000000, 3.967379, 5.315704},
      {"3", "2", "Y", "4", "0.5", "120", 2.362908, 3.517608, 0},
      {"30", "12", "N", "20", "1.2", "100", 10.224926, 11.988196, 20.000000},
      {"1", "1", "N", "2", "2", "100", 0.852044, 0.283516, -6.448562},
      {"0", "0", "N", "0", "0", "100", 0, 0, 0},
      {"0", "0", "Y", "0", "0", "100", 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " " + c.b + " " + c.fixed + " " + c.u + " " + c.h + " " +
                 c.theta);
    const app::Layout layout = app::ComputeLayout(AnswersOf(c));
    EXPECT_NEAR(layout.listening_distance, c.r, 5e-7);
    EXPECT_NEAR(layout.front_back, c.s, 5e-7);
    EXPECT_EQ(layout.has_surround_width, std::string(c.fixed) == "N");
    if (layout.has_surround_width) {
      EXPECT_NEAR(layout.surround_width, c.w, 5e-7);
    }
  }
}

// Results that decide a colour in the report depend on their last bit.
TEST(Geometry, ExactDoublesWhereTheLastBitMatters) {
  const app::Layout front_width_binds =
      app::ComputeLayout(app::Answers{"10", "3", "N", "10", "1", "110"});
  EXPECT_EQ(front_width_binds.listening_distance, 2.999999999999821);
  EXPECT_LT(front_width_binds.listening_distance, 3.0);

  const app::Layout front_back_binds =
      app::ComputeLayout(app::Answers{"5.3", "100", "N", "100", "0", "100"});
  EXPECT_EQ(front_back_binds.listening_distance, 4.515833706260852);
  EXPECT_EQ(front_back_binds.front_back, 5.300000000000001);
  EXPECT_GT(front_back_binds.front_back, 5.3);

  const app::Layout d2_of_four =
      app::ComputeLayout(app::Answers{"100", "4", "N", "100", "0", "110"});
  EXPECT_EQ(d2_of_four.listening_distance, 3.9999999999997615);
}

TEST(Geometry, ProgramPiAndOffsetAngle) {
  EXPECT_EQ(app::geometry::RadiansPerDegree(), 0.017453292519944444);
  EXPECT_EQ(app::geometry::OffsetAngle(100), 0.17453292519944444);
  EXPECT_EQ(app::geometry::OffsetAngle(120), 0.5235987755983333);
  EXPECT_EQ(static_cast<double>(extended::Sin(app::geometry::OffsetAngle(100))),
            0.17364817766694166);
  EXPECT_EQ(static_cast<double>(extended::Sin(app::geometry::OffsetAngle(120))),
            0.5000000000000299);
}

TEST(Geometry, SquareAndRootRules) {
  using app::geometry::Square;
  using app::geometry::SquareRoot;
  EXPECT_TRUE(extended::SignBit(Square(-0.0)));
  EXPECT_EQ(Square(-3), 9);
  EXPECT_EQ(SquareRoot(-3.25), -3.25);
  EXPECT_TRUE(extended::SignBit(SquareRoot(-0.0)));
  EXPECT_TRUE(extended::IsNaN(SquareRoot(extended::QuietNaN())));
  // The root of 2 to 64 bits: 1.0110101000001001111001100110011111110011101111001100100100001000
  // and the next bit is 0, so it rounds down.
  EXPECT_EQ(extended::ToBits(SquareRoot(2)).significand, 0xB504F333F9DE6484);
  EXPECT_EQ(SquareRoot(16), 4);
}

// A negative height reads as its magnitude, since only squares of it are taken.
TEST(Geometry, HeightSignDoesNotMatter) {
  for (const char* fixed : {"Y", "N"}) {
    const app::Layout up = app::ComputeLayout(app::Answers{"4", "5", fixed, "8", "1", "110"});
    const app::Layout down = app::ComputeLayout(app::Answers{"4", "5", fixed, "8", "-1", "110"});
    EXPECT_EQ(up.listening_distance, down.listening_distance);
    EXPECT_EQ(up.front_back, down.front_back);
    EXPECT_EQ(up.surround_width, down.surround_width);
  }
}

// With the surround width binding, the surrounds stand where the answer put them.
TEST(Geometry, SurroundWidthBindingGivesBackTheWidth) {
  const app::Layout layout = app::ComputeLayout(app::Answers{"50", "50", "N", "6", "0.5", "110"});
  EXPECT_NEAR(layout.surround_width, 6.0, 1e-14);
}

TEST(Geometry, InfinitiesFlowThrough) {
  const app::Layout fixed = app::ComputeLayout(app::Answers{"5", "4", "Y", "6", "1E400", "110"});
  EXPECT_TRUE(std::isinf(fixed.listening_distance));
  EXPECT_TRUE(std::isnan(fixed.front_back));  // inf - inf under the root passes on as NaN
}

}  // namespace
