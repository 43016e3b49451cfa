#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "numtext/numtext.h"
#include "numtext/power_of_ten.h"
#include "numtext/read_radix.h"

namespace numtext {
namespace {

// 2^127: the magnitude of every decimal text beyond the extended range.
constexpr Extended kOutOfRange =
    extended::FromBits({extended::format::kIntegerBit, extended::format::kExponentBias + 127});
// A decimal exponent (point position plus exponent) this far out is beyond the range.
constexpr int kExponentLimit = 4933;
constexpr int kMaxExponent = 9999;
constexpr int kMaxSignificant = 18;

struct Mantissa {
  std::uint64_t m = 0;  // the first 18 significant digits
  std::size_t n = 0;    // every significant digit, also those beyond the 18th
  int p = 0;            // the point's place relative to the first significant digit
  bool any_digit = false;
};

// The point position is a 16-bit count. It saturates instead of wrapping, so that a text with
// more than 32767 digits before its point stays huge and one with as many zeros after its
// point stays tiny.
int PointCount(std::size_t digits) {
  return static_cast<int>(std::min<std::size_t>(digits, 32767));
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

Mantissa ReadMantissa(const char*& at, const char* end) {
  Mantissa r;
  bool point = false;
  for (; at != end; ++at) {
    const unsigned digit = static_cast<unsigned>(static_cast<unsigned char>(*at)) - '0';
    if (digit > 9) {
      if (*at != '.' || point) break;
      point = true;
      r.p = PointCount(r.n);
      continue;
    }
    r.any_digit = true;
    if (r.n == 0 && digit == 0) {
      if (point) r.p = std::max(r.p - 1, -32768);
      continue;
    }
    if (r.n < kMaxSignificant) r.m = r.m * 10 + digit;
    ++r.n;
  }
  if (!point) r.p = PointCount(r.n);
  return r;
}

int ReadExponent(const char*& at, const char* end) {
  if (at == end || (*at != 'E' && *at != 'e' && *at != 'D' && *at != 'd')) return 0;
  ++at;
  bool negative = false;
  if (at != end && (*at == '+' || *at == '-')) negative = *at++ == '-';
  int value = 0;
  for (; at != end && IsDigit(*at); ++at) value = std::min(value * 10 + (*at - '0'), kMaxExponent);
  return negative ? -value : value;
}

Extended Magnitude(const Mantissa& r, int exponent) {
  const int t = r.p + exponent;
  if (t >= kExponentLimit) return kOutOfRange;
  if (t <= -kExponentLimit) return 0;
  const int k = t - static_cast<int>(std::min<std::size_t>(r.n, kMaxSignificant));
  const Extended m = r.m;
  if (k == 0) return m;
  const int magnitude = k > 0 ? k : -k;
  const Extended power =
      magnitude <= kExactLimit ? kExact[magnitude] : ScaleByPowerOfTen(1, magnitude);
  return k > 0 ? m * power : m / power;
}

Extended ReadDecimal(const char* at, const char* end) {
  bool negative = false;
  if (at != end && (*at == '+' || *at == '-')) negative = *at++ == '-';
  const Mantissa mantissa = ReadMantissa(at, end);
  Extended magnitude = 0;
  if (mantissa.any_digit) {
    const int exponent = ReadExponent(at, end);
    if (mantissa.n != 0) magnitude = Magnitude(mantissa, exponent);
  }
  return negative ? -magnitude : magnitude;
}

}  // namespace

Extended ReadNumber(std::string_view text) {
  const char* at = text.data();
  const char* const end = at + text.size();
  while (at != end && (*at == ' ' || *at == '\t' || *at == '\n')) ++at;
  if (at != end && *at == '&') return ReadRadix(at + 1, end);
  return ReadDecimal(at, end);
}

}  // namespace numtext
