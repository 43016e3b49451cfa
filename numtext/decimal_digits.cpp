#include <cstdint>
#include <cstring>

#include "extended/bits.h"
#include "numtext/numtext.h"

namespace numtext {
namespace {

using extended::format::kExponentBias;
using extended::format::kIntegerBit;
constexpr int kAllOnesExponent = extended::format::kExponentMask;
constexpr std::uint64_t kTenTo9 = 1000000000;
constexpr std::uint64_t kTenTo17Integer = 100000000000000000;
constexpr std::uint64_t kTenTo18Integer = 1000000000000000000;

struct Fields {
  std::uint64_t significand;
  int exponent;  // the biased exponent field
  bool negative;
};

Fields FieldsOf(Extended x) {
  const extended::Bits b = extended::ToBits(x);
  return {b.significand, extended::format::BiasedExponent(b), extended::format::Negative(b)};
}

DigitRendering Filled(bool negative, int exponent, char digit) {
  DigitRendering r{negative, exponent, {}};
  std::memset(r.digits, digit, sizeof r.digits);
  return r;
}

// y rounded to a whole number, ties to even, for 0 <= y < 2^64. Under round-to-nearest, adding
// 2^63 leaves the sum's significand holding 2^63 plus that whole number; from 2^63 on the
// value is whole already and its significand is the number.
std::uint64_t Whole(Extended y) {
  constexpr Extended kTwoTo63 = extended::FromBits({kIntegerBit, kExponentBias + 63});
  if (y >= kTwoTo63) return FieldsOf(y).significand;
  return FieldsOf(y + kTwoTo63).significand - kIntegerBit;
}

void WriteNineDigits(std::uint32_t v, char* out) {
  for (int i = 8; i >= 0; --i) {
    out[i] = static_cast<char>('0' + v % 10);
    v /= 10;
  }
}

}  // namespace

DigitRendering DecimalDigits(Extended x) {
  const Fields f = FieldsOf(x);
  // Zero, values below the smallest normal, NaNs and encodings the FPU rejects (integer bit
  // clear) all render as zero.
  if (f.exponent == 0 || (f.significand & kIntegerBit) == 0) return Filled(false, 1, '0');
  if (f.exponent == kAllOnesExponent) {
    if (f.significand != kIntegerBit) return Filled(false, 1, '0');
    return Filled(f.negative, 999, '9');
  }
  // 19728 / 65536 stands for log10(2); the shift floors toward minus infinity.
  int d = ((f.exponent - kExponentBias) * 19728) >> 16;
  const Extended magnitude = f.negative ? -x : x;
  std::uint64_t whole = Whole(ScaleByPowerOfTen(magnitude, 17 - d));
  if (whole >= kTenTo18Integer) {
    whole = Whole(Extended{whole} / 10);
    ++d;
  } else if (whole < kTenTo17Integer) {
    whole = Whole(ScaleByPowerOfTen(magnitude, 18 - d));
    --d;
  }
  if (whole >= kTenTo18Integer) {  // 10^18 itself, should a division by ten round up to it
    whole = kTenTo17Integer;
    ++d;
  }
  DigitRendering r{f.negative, d + 1, {}};
  WriteNineDigits(static_cast<std::uint32_t>(whole / kTenTo9), r.digits);
  WriteNineDigits(static_cast<std::uint32_t>(whole % kTenTo9), r.digits + 9);
  r.digits[18] = '0';
  return r;
}

}  // namespace numtext
