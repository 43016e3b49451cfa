#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "numtext/numtext.h"
#include "numtext/power_of_ten.h"
#include "tests/support/extended_test_support.h"

namespace numtext {
namespace {

using testing_support::Decimal;
using testing_support::PowerOfTwo;
constexpr auto Bits = testing_support::BitsText;
const Extended kInfinity = extended::Infinity();
const Extended kNaN = extended::QuietNaN();

struct ReadCase {
  std::string text;
  Extended expected;
};

void ExpectReads(const ReadCase& c) {
  EXPECT_EQ(Bits(ReadNumber(c.text)), Bits(c.expected)) << "text [" << c.text << "]";
}

TEST(ReadNumber, DecimalTexts) {
  const ReadCase cases[] = {
      {"5", 5},
      {"3.25", 3.25},
      {"  4,5", 4},
      {"110 deg", 110},
      {"", 0},
      {"   ", 0},
      {"abc", 0},
      {".", 0},
      {"+-5", 0},
      {"+7", 7},
      {"\t7", 7},
      {"\n7", 7},
      {"\r7", 0},
      {"1 000", 1},
      {".5", 0.5},
      {"5.", 5},
      {"0.05", Decimal(5, 2)},
      {"1.2.3", Decimal(12, 1)},
      {"1e3", 1000},
      {"1E+3", 1000},
      {"2D2", 200},
      {"2d-1", Decimal(2, 1)},
      {"1.5E+3", 1500},
      {"1E-2", Decimal(1, 2)},
      {"1E", 1},
      {"1Ex", 1},
      {"1E--5", 1},
      {"007.50", 7.5},
      {"000.000", 0},
      {"-&H10", -Extended{0}},
      {"-", -Extended{0}},
      {"-0", -Extended{0}},
      {"- 5", -Extended{0}},
      {"-.", -Extended{0}},
      {"-3.2", -Decimal(32, 1)},
  };
  for (const ReadCase& c : cases) ExpectReads(c);
}

TEST(ReadNumber, EighteenDigitsAreTruncatedNotRounded) {
  const ReadCase cases[] = {
      {"123456789012345678901", Extended{123456789012345678} * 1000},
      {"123456789012345678999", Extended{123456789012345678} * 1000},
      {"99.99999999999999999", Decimal(999999999999999999, 16)},
      {"120.0000000000000001", 120},
      {"120.00000000000001", Decimal(12000000000000001, 14)},
  };
  for (const ReadCase& c : cases) ExpectReads(c);
  EXPECT_LT(ReadNumber("99.99999999999999999"), 100);
  EXPECT_EQ(static_cast<double>(ReadNumber("99.99999999999999999")), 100.0);
  EXPECT_GT(ReadNumber("120.00000000000001"), 120);
}

std::string Repeat(char c, std::size_t count) {
  return std::string(count, c);
}

TEST(ReadNumber, RangeLimitsAndSaturation) {
  const Extended big = PowerOfTwo(127);
  const ReadCase cases[] = {
      {"1E5000", big},
      {"-1E5000", -big},
      {"1E-5000", 0},
      {"-1E-5000", -Extended{0}},
      {"1E4932", big},  // the point sits after the first digit: 10^4933 is out
      {"0.1E4933", big},
      {"1E-4933", 0},  // 0.1 * 10^-4932 is at the limit
      {"1E99999999", big},
      {"1E-99999999", 0},
      {"0.0E99999", 0},
      // The point position saturates instead of wrapping round to a small or negative count.
      {"1" + Repeat('0', 40000), big},
      {"1" + Repeat('0', 65536), big},
      {"0." + Repeat('0', 40000) + "1", 0},
      {"1" + Repeat('0', 40000) + "E-39999", big},
  };
  for (const ReadCase& c : cases) ExpectReads(c);
  EXPECT_EQ(static_cast<double>(big), 1.7014118346046923E+38);
}

TEST(ReadNumber, RadixTexts) {
  const ReadCase cases[] = {
      {"&H1F", 31},
      {"&h1f", 31},
      {"&HFFFF", -1},
      {"&H0FFFF", 65535},
      {"&HFFFF&", 65535},
      {"&HFFFF%", -1},
      {"&HFFFF&&", 65535},
      {"&HFFFF?", 65535},
      {"&H8000", -32768},
      {"&H7FFF", 32767},
      {"&H10000", 65536},
      {"&HFFFFFFFF", -1},
      {"&HFFFFFFFF&", -1},
      {"&HFFFFFFFF&&", Extended{4294967295U}},
      {"&H80000000", -2147483648LL},
      {"&H0FFFFFFFF", Extended{4294967295U}},
      {"&H100000000", Extended{4294967296LL}},
      {"&HFFFFFFFFFFFFFFFF", -1},
      {"&HFFFFFFFFFFFFFFFF?", 0},
      {"&H7FFFFFFFFFFFFFFF??", Extended{9223372036854775807LL}},
      {"&H8000000000000000???", 0},
      {"&HFF?", 255},
      {"&HFF?x", 255},
      {"&B101", 5},
      {"&b1111111111111111", -1},
      {"&O17", 15},
      {"&o17", 15},
      {"&Q17", 15},
      {"&q17", 15},
      {"&17", 15},
      {"&8", 0},
      {"&", 0},
      {"&H", 0},
      {"&HG", 0},
      {"&B102", 2},
      {"  &H1F", 31},
      {"&H" + Repeat('F', 17), 0},
      {"&H" + Repeat('0', 40) + "1", 1},
      {"&O1777777777777777777777", -1},
      {"&O2000000000000000000000", 0},
      {"&B1" + Repeat('0', 63), -PowerOfTwo(63)},
      {"&B1" + Repeat('0', 64), 0},
  };
  for (const ReadCase& c : cases) ExpectReads(c);
}

TEST(PowerOfTen, ScalingIsExactUpToTwentySeven) {
  std::uint64_t five = 1;  // 10^n = 5^n * 2^n, and 5^27 < 2^63
  for (int n = 0; n <= 27; ++n, five *= 5) {
    const Extended exact = extended::ScaleByPowerOfTwo(Extended{five}, n);
    EXPECT_EQ(Bits(ScaleByPowerOfTen(1, n)), Bits(exact)) << n;
    EXPECT_EQ(Bits(ScaleByPowerOfTen(1, -n)), Bits(1 / exact)) << -n;
  }
  EXPECT_EQ(Bits(ScaleByPowerOfTen(3, 0)), Bits(3));
}

TEST(PowerOfTen, FarOutsideTheTable) {
  const Extended inf = kInfinity;
  EXPECT_EQ(Bits(ScaleByPowerOfTen(2, 20000)), Bits(inf));
  EXPECT_EQ(Bits(ScaleByPowerOfTen(-2, 2147483647)), Bits(-inf));
  EXPECT_EQ(Bits(ScaleByPowerOfTen(2, -20000)), Bits(0));
  EXPECT_EQ(Bits(ScaleByPowerOfTen(-2, -2147483647 - 1)), Bits(-Extended{0}));
  EXPECT_EQ(Bits(ScaleByPowerOfTen(0, 20000)), Bits(0));
  EXPECT_TRUE(extended::IsNaN(ScaleByPowerOfTen(kNaN, -20000)));
  // Within reach the table is used as it stands.
  EXPECT_EQ(Bits(ScaleByPowerOfTen(1, 4096)), Bits(PowerOfTenEntry(9)));
  EXPECT_EQ(Bits(ScaleByPowerOfTen(1, 4104)), Bits(PowerOfTenEntry(9) * PowerOfTenEntry(0)));
}

struct RenderingCase {
  Extended x;
  bool negative;
  int exponent;
  const char* digits;
};

TEST(DecimalDigits, Renderings) {
  const Extended inf = kInfinity;
  const RenderingCase cases[] = {
      {1, false, 1, "1000000000000000000"},
      {9.5, false, 1, "9500000000000000000"},
      {10, false, 2, "1000000000000000000"},
      {Decimal(1, 3), false, -2, "1000000000000000000"},
      {-4.323361, true, 1, "4323361000000000230"},
      {0.005, false, -2, "5000000000000000100"},
      {9.995, false, 1, "9994999999999999220"},
      {0, false, 1, "0000000000000000000"},
      {-Extended{0}, false, 1, "0000000000000000000"},
      {testing_support::Smallest(), false, 1, "0000000000000000000"},
      {-kNaN, false, 1, "0000000000000000000"},
      {inf, false, 999, "9999999999999999999"},
      {-inf, true, 999, "9999999999999999999"},
      {PowerOfTwo(127), false, 39, "1701411834604692320"},
      {1e20, false, 21, "1000000000000000000"},
  };
  for (const RenderingCase& c : cases) {
    const DigitRendering r = DecimalDigits(c.x);
    EXPECT_EQ(r.negative, c.negative) << c.digits;
    EXPECT_EQ(r.exponent, c.exponent) << c.digits;
    EXPECT_EQ(std::string(r.digits, 19), c.digits);
  }
}

struct FormatCase {
  double value;
  const char* oneDigit;   // mask "0.00"
  const char* twoDigits;  // mask "00.00"
};

TEST(FormatNumber, ProgramMasks) {
  const FormatCase cases[] = {
      {0, "0.00", "00.00"},
      {-0.0, "0.00", "00.00"},
      {0.004, "0.00", "00.00"},
      {0.0049, "0.00", "00.00"},
      {0.005, "0.01", "00.01"},
      {0.015, "0.01", "00.01"},
      {0.025, "0.03", "00.03"},
      {0.125, "0.12", "00.12"},
      {0.375, "0.38", "00.38"},
      {1.005, "1.00", "01.00"},
      {2.345, "2.35", "02.35"},
      {2.675, "2.67", "02.67"},
      {4.323361, "4.32", "04.32"},
      {9.995, "9.99", "09.99"},
      {9.999, "10.00", "10.00"},
      {10, "10.00", "10.00"},
      {11.988196, "11.99", "11.99"},
      {12.5, "12.50", "12.50"},
      {99.995, "100.00", "100.00"},
      {123.456, "123.46", "123.46"},
      {-0.001, "-0.00", "-00.00"},
      {-0.005, "-0.01", "-00.01"},
      {-3.2, "-3.20", "-03.20"},
      {-6.448562251500907, "-6.45", "-06.45"},
      {-12.345, "-12.35", "-12.35"},
      {2.999999999999821, "3.00", "03.00"},
      {0.995, "0.99", "00.99"},
      {0.9951, "1.00", "01.00"},
      {1e20, "100000000000000000000.00", "100000000000000000000.00"},
      {1.7014118346046923E+38, "170141183460469232000000000000000000000.00",
       "170141183460469232000000000000000000000.00"},
      {std::numeric_limits<double>::quiet_NaN(), "0.00", "00.00"},
      {std::numeric_limits<double>::denorm_min(), "0.00", "00.00"},
  };
  for (const FormatCase& c : cases) {
    EXPECT_EQ(FormatNumber(c.value, "0.00"), c.oneDigit) << c.value;
    EXPECT_EQ(FormatNumber(c.value, "00.00"), c.twoDigits) << c.value;
  }
  const std::string largest = FormatNumber(std::numeric_limits<double>::max(), "0.00");
  EXPECT_EQ(largest.size(), 312U);
  EXPECT_EQ(largest.substr(0, 19), "1797693134862315710");
  EXPECT_EQ(FormatNumber(-std::numeric_limits<double>::max(), "00.00").size(), 313U);
}

TEST(FormatNumber, Infinities) {
  const Extended inf = kInfinity;
  const std::string expected = std::string(19, '9') + std::string(980, '0') + ".00";
  for (const char* mask : {"0.00", "00.00"}) {
    EXPECT_EQ(FormatNumber(inf, mask), expected);
    EXPECT_EQ(FormatNumber(-inf, mask), "-" + expected);
  }
  EXPECT_EQ(expected.size(), 1002U);
}

struct MaskCase {
  Extended value;
  std::string mask;
  std::string expected;
};

TEST(FormatNumber, DigitPlacesAndPoint) {
  const MaskCase cases[] = {
      {2.5, "0", "2"},  // a tie on the string goes to the even digit
      {3.5, "0", "4"},
      {0.5, "0", "0"},  // nothing kept: the tie rounds down
      {Decimal(6, 1), "0", "1"},
      {-Decimal(4, 1), "0", "0"},  // rounds to the single digit 0: no sign
      {-Decimal(4, 1), "00", "00"},
      {-Decimal(6, 1), "0", "-1"},
      {-Decimal(4, 1), "0.0", "-0.4"},
      {0.5, ".00", "0.50"},
      {4, "000", "004"},
      {Decimal(12345678, 4), "0.0000000", "1234.5678000"},
      {12345, "0", "12345"},
      {7, "0.", "7."},
      {Decimal(9999996, 4), "0.000", "1000.000"},
      {Decimal(1234, 7), "0.000000000", "0.000123400"},
      // Every other character is left out, and a mask of nothing else prints nothing.
      {7, "0.0.0", "7.00"},
      {-Decimal(12346, 3), "#,##0.00;(x)", "-12.35"},
      {4.5, "\"zero\" $", ""},
  };
  for (const MaskCase& c : cases) EXPECT_EQ(FormatNumber(c.value, c.mask), c.expected) << c.mask;
}

TEST(FormatNumber, EmptyMaskGivesAPlainRendering) {
  const Extended inf = kInfinity;
  const MaskCase cases[] = {
      {0, "", "0"},
      {4, "", "4"},
      {-3.25, "", "-3.25"},
      {Decimal(1, 3), "", "0.001"},
      {Decimal(1, 4), "", "1E-4"},
      {Extended{100000000000000000LL}, "", "100000000000000000"},
      {Extended{1000000000000000000LL}, "", "1E+18"},
      {0.1, "", "0.100000000000000006"},
      {inf, "", "1E+999"},
      {kNaN, "", "0"},
  };
  for (const MaskCase& c : cases) EXPECT_EQ(FormatNumber(c.value, c.mask), c.expected) << c.mask;
}

TEST(FormatNumber, LongAndHostileMasks) {
  const Extended inf = kInfinity;
  EXPECT_EQ(FormatNumber(3, std::string(100000, '0')), std::string(99999, '0') + "3");
  EXPECT_EQ(FormatNumber(3, "0." + std::string(100000, '0')), "3." + std::string(100000, '0'));
  EXPECT_EQ(FormatNumber(1.0 / 3, "0." + std::string(30, '0')), "0.333333333333333315000000000000");
  EXPECT_EQ(FormatNumber(inf, std::string(2000, '0')).size(), 2000U);
  EXPECT_EQ(FormatNumber(inf, "0").size(), 999U);
  // The widest finite value: 4933 integer digits.
  const Extended largest = testing_support::Largest();
  EXPECT_EQ(FormatNumber(largest, "0").size(), 4933U);
  EXPECT_EQ(FormatNumber(largest, "0").substr(0, 7), "1189731");
  EXPECT_EQ(FormatNumber(4, std::string(100000, ';')), "");
  EXPECT_EQ(FormatNumber(4, std::string(5000, '"') + "0"), "4");
  std::mt19937 random(3);
  for (int i = 0; i < 2000; ++i) {
    std::string mask(random() % 40, ' ');
    for (char& c : mask) c = static_cast<char>(random());
    const std::string text = FormatNumber(-Decimal(123456, 3), mask);
    EXPECT_LE(text.size(), 40U * 25U + 400U) << i;
  }
}

}  // namespace
}  // namespace numtext
