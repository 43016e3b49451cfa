#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "numtext/numtext.h"
#include "numtext/power_of_ten.h"

namespace numtext {
namespace {

// The ten bytes of an extended value, so that comparisons see the last bit and the zero's sign.
std::string Bits(Extended x) {
  unsigned char bytes[10];
  std::memcpy(bytes, &x, sizeof bytes);
  char text[32];
  std::snprintf(text, sizeof text, "%02x%02x:%02x%02x%02x%02x%02x%02x%02x%02x", bytes[9], bytes[8],
                bytes[7], bytes[6], bytes[5], bytes[4], bytes[3], bytes[2], bytes[1], bytes[0]);
  return text;
}

Extended Decimal(const char* text) {
  return std::strtold(text, nullptr);
}

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
      {"3.25", 3.25L},
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
      {".5", 0.5L},
      {"5.", 5},
      {"0.05", Decimal("0.05")},
      {"1.2.3", Decimal("1.2")},
      {"1e3", 1000},
      {"1E+3", 1000},
      {"2D2", 200},
      {"2d-1", Decimal("0.2")},
      {"1.5E+3", 1500},
      {"1E-2", Decimal("0.01")},
      {"1E", 1},
      {"1Ex", 1},
      {"1E--5", 1},
      {"007.50", 7.5L},
      {"000.000", 0},
      {"-&H10", -Extended{0}},
      {"-", -Extended{0}},
      {"-0", -Extended{0}},
      {"- 5", -Extended{0}},
      {"-.", -Extended{0}},
      {"-3.2", Decimal("-3.2")},
  };
  for (const ReadCase& c : cases) ExpectReads(c);
}

TEST(ReadNumber, EighteenDigitsAreTruncatedNotRounded) {
  const ReadCase cases[] = {
      {"123456789012345678901", 123456789012345678000.0L},
      {"123456789012345678999", 123456789012345678000.0L},
      {"99.99999999999999999", Decimal("99.9999999999999999")},
      {"120.0000000000000001", 120},
      {"120.00000000000001", Decimal("120.00000000000001")},
      {"0.0000000000000000000123456789012345678999", Decimal("1.23456789012345678e-20")},
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
  const Extended big = 0x1p127L;
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
      {"&HFFFFFFFF&&", 4294967295.0L},
      {"&H80000000", -2147483648.0L},
      {"&H0FFFFFFFF", 4294967295.0L},
      {"&H100000000", 4294967296.0L},
      {"&HFFFFFFFFFFFFFFFF", -1},
      {"&HFFFFFFFFFFFFFFFF?", 0},
      {"&H7FFFFFFFFFFFFFFF??", 9223372036854775807.0L},
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
      {"&B1" + Repeat('0', 63), -9223372036854775808.0L},
      {"&B1" + Repeat('0', 64), 0},
  };
  for (const ReadCase& c : cases) ExpectReads(c);
}

TEST(PowerOfTen, TableEntriesAreTheNearestExtendedValues) {
  for (int i = 0; i < kPowerTableSize; ++i) {
    const std::string text = "1e" + std::to_string(8 << i);
    EXPECT_EQ(Bits(PowerOfTenEntry(i)), Bits(Decimal(text.c_str()))) << text;
  }
}

TEST(PowerOfTen, ScalingIsExactUpToTwentySeven) {
  for (int n = -27; n <= 27; ++n) {
    const std::string text = "1e" + std::to_string(n);
    const Extended expected =
        n >= 0 ? Decimal(text.c_str()) : 1 / Decimal(("1e" + std::to_string(-n)).c_str());
    EXPECT_EQ(Bits(ScaleByPowerOfTen(1, n)), Bits(expected)) << n;
  }
  EXPECT_EQ(Bits(ScaleByPowerOfTen(3, 0)), Bits(3));
}

TEST(PowerOfTen, FarOutsideTheTable) {
  const Extended inf = std::numeric_limits<Extended>::infinity();
  EXPECT_EQ(Bits(ScaleByPowerOfTen(2, 20000)), Bits(inf));
  EXPECT_EQ(Bits(ScaleByPowerOfTen(-2, 2147483647)), Bits(-inf));
  EXPECT_EQ(Bits(ScaleByPowerOfTen(2, -20000)), Bits(0));
  EXPECT_EQ(Bits(ScaleByPowerOfTen(-2, -2147483647 - 1)), Bits(-Extended{0}));
  EXPECT_EQ(Bits(ScaleByPowerOfTen(0, 20000)), Bits(0));
  EXPECT_TRUE(std::isnan(ScaleByPowerOfTen(std::numeric_limits<Extended>::quiet_NaN(), -20000)));
  // Within reach the table is used as it stands.
  EXPECT_EQ(Bits(ScaleByPowerOfTen(1, 4096)), Bits(PowerOfTenEntry(9)));
  EXPECT_EQ(Bits(ScaleByPowerOfTen(1, 4104)), Bits(PowerOfTenEntry(9) * PowerOfTenEntry(0)));
}

// With at most 18 significant digits and a power of ten of at most 27 both operands are exact,
// so the one rounding makes the correctly rounded value, which strtold also gives.
TEST(ReadNumber, AgreesWithCorrectRoundingWhereItMust) {
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
    ASSERT_EQ(Bits(ReadNumber(text)), Bits(Decimal(text.c_str()))) << text;
  }
}

struct RenderingCase {
  Extended x;
  bool negative;
  int exponent;
  const char* digits;
};

TEST(DecimalDigits, Renderings) {
  const Extended inf = std::numeric_limits<Extended>::infinity();
  const RenderingCase cases[] = {
      {1, false, 1, "1000000000000000000"},
      {9.5L, false, 1, "9500000000000000000"},
      {10, false, 2, "1000000000000000000"},
      {0.001L, false, -2, "1000000000000000000"},
      {-4.323361, true, 1, "4323361000000000230"},
      {0.005, false, -2, "5000000000000000100"},
      {9.995, false, 1, "9994999999999999220"},
      {0, false, 1, "0000000000000000000"},
      {-Extended{0}, false, 1, "0000000000000000000"},
      {std::numeric_limits<Extended>::denorm_min(), false, 1, "0000000000000000000"},
      {-std::numeric_limits<Extended>::quiet_NaN(), false, 1, "0000000000000000000"},
      {inf, false, 999, "9999999999999999999"},
      {-inf, true, 999, "9999999999999999999"},
      {0x1p127L, false, 39, "1701411834604692320"},
      {1e20, false, 21, "1000000000000000000"},
  };
  for (const RenderingCase& c : cases) {
    const DigitRendering r = DecimalDigits(c.x);
    EXPECT_EQ(r.negative, c.negative) << c.digits;
    EXPECT_EQ(r.exponent, c.exponent) << c.digits;
    EXPECT_EQ(std::string(r.digits, 19), c.digits);
  }
}

// The rendering is rounded twice (the scaling, then to a whole number), so it may differ from
// the correctly rounded 18 digits by one in the last place, never more, and always has 18 digits.
TEST(DecimalDigits, EighteenDigitsWithinOneUnitOfTheExactValue) {
  std::mt19937_64 random(7);
  for (int i = 0; i < 20000; ++i) {
    std::uint64_t bits = random();
    if (i % 2 == 0) bits = (bits & 0x800FFFFFFFFFFFFFULL) | ((1023 + bits % 80 - 40) << 52);
    double d;
    std::memcpy(&d, &bits, sizeof d);
    if (!std::isfinite(d) || std::fpclassify(d) != FP_NORMAL) continue;
    const DigitRendering r = DecimalDigits(d);
    char reference[40];
    std::snprintf(reference, sizeof reference, "%.17Le", static_cast<Extended>(d < 0 ? -d : d));
    const std::string ref(reference);
    const std::int64_t refDigits = std::stoll(ref.substr(0, 1) + ref.substr(2, 17));
    const int refExponent = std::stoi(ref.substr(20)) + 1;
    ASSERT_NE(r.digits[0], '0') << ref;
    ASSERT_EQ(r.digits[18], '0') << ref;
    ASSERT_EQ(r.negative, d < 0);
    ASSERT_EQ(r.exponent, refExponent) << ref;
    ASSERT_LE(std::llabs(std::stoll(std::string(r.digits, 18)) - refDigits), 1) << ref;
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
  const Extended inf = std::numeric_limits<Extended>::infinity();
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
      {2.5L, "0", "2"},  // a tie on the string goes to the even digit
      {3.5L, "0", "4"},
      {0.5L, "0", "0"},  // nothing kept: the tie rounds down
      {0.6L, "0", "1"},
      {-0.4L, "0", "0"},  // rounds to the single digit 0: no sign
      {-0.4L, "00", "00"},
      {-0.6L, "0", "-1"},
      {-0.4L, "0.0", "-0.4"},
      {0.5L, ".00", "0.50"},
      {4, "000", "004"},
      {1234.5678L, "0.0000000", "1234.5678000"},
      {12345, "0", "12345"},
      {7, "0.", "7."},
      {7, "0.0.0", "7.00."},  // a second point is copied text
      {999.9996L, "0.000", "1000.000"},
      {0.0001234L, "0.000000000", "0.000123400"},
  };
  for (const MaskCase& c : cases) EXPECT_EQ(FormatNumber(c.value, c.mask), c.expected) << c.mask;
}

TEST(FormatNumber, OtherMaskCharacters) {
  const MaskCase cases[] = {
      {0.5L, "#.##", "0.5"},
      {4, "#.##", "4."},
      {1.25L, "0.0#", "1.25"},
      {1.2L, "0.0#", "1.2"},
      {1234567.891L, "#,##0.00", "1,234,567.89"},
      {123, "#,##0", "123"},
      {-1234, "#,##0", "-1,234"},
      {0.256L, "0.0%", "25.6%"},
      {12345, "0.00E+00", "1.23E+04"},
      {12345, "00.00E+00", "12.34E+03"},  // an exact tie: to even
      {12346, "00.00E+00", "12.35E+03"},
      {0.00012345L, "0.00E+00", "1.23E-04"},
      {0.00012345L, "0.00e-0", "1.23e-4"},
      {12345, "0.00E-0", "1.23E4"},
      {9.999L, "0.00E+0", "1.00E+1"},
      {0, "0.00E+00", "0.00E+00"},
      {-12345, "0.0E+0", "-1.2E+4"},
      {4.5L, "$0.00", "$4.50"},
      {-4.5L, "$0.00", "$-4.50"},
      {4.5L, "0.00 \"m\"", "4.50 m"},
      {4.5L, "0.00\\x", "4.50x"},
      {4.5L, "(0.00)", "(4.50)"},
      {4.5L, "*x0.00", "4.50"},
      {4.5L, "abc0.00?", "4.50"},
      {4.5L, "\"a;b\"0", "a;b4"},
      {-4.5L, "0.00;(0.00)", "(4.50)"},
      {4.5L, "0.00;(0.00)", "4.50"},
      {0, "0.00;(0.00);\"zero\"", "zero"},
      {0, "0.00;(0.00)", "0.00"},
      {-4.5L, "0.00;", ""},
      {5.5L, "0;1;2;0.00", "6"},
      {4.5L, "\"text only\"", "text only"},
      {4.5L, "abc", ""},
  };
  for (const MaskCase& c : cases) EXPECT_EQ(FormatNumber(c.value, c.mask), c.expected) << c.mask;
}

TEST(FormatNumber, EmptyMaskGivesAPlainRendering) {
  const Extended inf = std::numeric_limits<Extended>::infinity();
  const MaskCase cases[] = {
      {0, "", "0"},          {4, "", "4"},
      {-3.25L, "", "-3.25"}, {0.001L, "", "0.001"},
      {0.0001L, "", "1E-4"}, {1e17L, "", "100000000000000000"},
      {1e18L, "", "1E+18"},  {0.1, "", "0.100000000000000006"},
      {inf, "", "1E+999"},   {std::numeric_limits<Extended>::quiet_NaN(), "", "0"},
  };
  for (const MaskCase& c : cases) EXPECT_EQ(FormatNumber(c.value, c.mask), c.expected) << c.mask;
}

TEST(FormatNumber, LongAndHostileMasks) {
  const Extended inf = std::numeric_limits<Extended>::infinity();
  EXPECT_EQ(FormatNumber(3, std::string(100000, '0')), std::string(99999, '0') + "3");
  EXPECT_EQ(FormatNumber(3, "0." + std::string(100000, '0')), "3." + std::string(100000, '0'));
  EXPECT_EQ(FormatNumber(1.0 / 3, "0." + std::string(30, '0')), "0.333333333333333315000000000000");
  EXPECT_EQ(FormatNumber(inf, std::string(2000, '0')).size(), 2000U);
  EXPECT_EQ(FormatNumber(inf, "#,##0").size(), 999U + 332U);
  // The widest finite value: 4933 integer digits and their 1644 grouping commas.
  const Extended largest = std::numeric_limits<Extended>::max();
  EXPECT_EQ(FormatNumber(largest, "#,##0").size(), 4933U + 1644U);
  EXPECT_EQ(FormatNumber(largest, "#,##0").substr(0, 7), "1,189,7");
  EXPECT_EQ(FormatNumber(4, std::string(100000, ';')), "");
  EXPECT_EQ(FormatNumber(4, std::string(5000, '"') + "0"), "4");
  EXPECT_EQ(FormatNumber(4, "\\"), "");
  EXPECT_EQ(FormatNumber(4, "E+" + std::string(300, '0')), "4E+" + std::string(300, '0'));
  std::mt19937 random(3);
  for (int i = 0; i < 2000; ++i) {
    std::string mask(random() % 40, ' ');
    for (char& c : mask) c = static_cast<char>(random());
    const std::string text = FormatNumber(-123.456L, mask);
    EXPECT_LE(text.size(), 40U * 25U + 400U) << i;
  }
}

}  // namespace
}  // namespace numtext
