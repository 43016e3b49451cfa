// Number text against MPFR where the reading and the rendering must be exact.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "numtext/numtext.h"
#include "numtext/power_of_ten.h"
#include "tests/support/extended_reference.h"
#include "tests/support/extended_test_support.h"

namespace numtext {
namespace {

constexpr auto Bits = testing_support::BitsText;

class NumberTextReference : public ::testing::Test {
 protected:
  void SetUp() override { reference::UseExtendedRange(); }
};

TEST_F(NumberTextReference, TableEntriesAreTheNearestExtendedValues) {
  for (int i = 0; i < kPowerTableSize; ++i) {
    const std::string text = "1e" + std::to_string(8 << i);
    EXPECT_EQ(Bits(PowerOfTenEntry(i)), Bits(reference::FromDecimal(text))) << text;
  }
}

// With at most 18 significant digits and a power of ten of at most 27 both operands are exact,
// so the one rounding makes the correctly rounded value.
TEST_F(NumberTextReference, ReadingIsCorrectlyRoundedWhereItMustBe) {
  std::mt19937_64 random(20261208);
  for (int i = 0; i < 20000; ++i) {
    const int digits = 1 + static_cast<int>(random() % 18);
    std::string mantissa;
    for (int d = 0; d < digits; ++d) mantissa += static_cast<char>('0' + random() % 10);
    mantissa[0] = static_cast<char>('1' + random() % 9);
    const int pointAt = static_cast<int>(random() % static_cast<unsigned>(digits + 1));
    std::string text = (random() % 2 != 0 ? "-" : "") + mantissa.substr(0, pointAt) + "." +
                       mantissa.substr(pointAt);
    // value = M * 10^(exponent - (digits - pointAt)); keep that power within 27 either way
    const int k = static_cast<int>(random() % 55) - 27;
    const int exponent = k + digits - pointAt;
    text += "E" + std::to_string(exponent);
    ASSERT_EQ(Bits(ReadNumber(text)), Bits(reference::FromDecimal(text))) << text;
  }
  // Beyond 10^27 the power is rounded too; this one still lands on the nearest value.
  EXPECT_EQ(Bits(ReadNumber("0.0000000000000000000123456789012345678999")),
            Bits(reference::FromDecimal("1.23456789012345678e-20")));
}

// The rendering is rounded twice (the scaling, then to a whole number), so it may differ from
// the correctly rounded 18 digits by one in the last place, never more, and always has 18 digits.
TEST_F(NumberTextReference, EighteenDigitsWithinOneUnitOfTheExactValue) {
  std::mt19937_64 random(7);
  for (int i = 0; i < 20000; ++i) {
    std::uint64_t bits = random();
    if (i % 2 == 0) bits = (bits & 0x800FFFFFFFFFFFFFULL) | ((1023 + bits % 80 - 40) << 52);
    double d;
    std::memcpy(&d, &bits, sizeof d);
    if (!std::isfinite(d) || std::fpclassify(d) != FP_NORMAL) continue;
    const DigitRendering r = DecimalDigits(d);
    long exponent = 0;
    const std::string ref = reference::Digits(d, 18, &exponent);
    ASSERT_NE(r.digits[0], '0') << ref;
    ASSERT_EQ(r.digits[18], '0') << ref;
    ASSERT_EQ(r.negative, d < 0);
    ASSERT_EQ(r.exponent, exponent) << ref;
    ASSERT_LE(std::llabs(std::stoll(std::string(r.digits, 18)) - std::stoll(ref)), 1) << ref;
  }
}

}  // namespace
}  // namespace numtext
