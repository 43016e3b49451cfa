#include "numtext/read_radix.h"

#include <cstdint>

namespace numtext {
namespace {

enum class Suffix { kNone, kPercent, kAmpersand, kTwoAmpersands, kQuestion };

// The number of bits each digit adds: 1, 3 or 4. Consumes the base letter when there is one.
unsigned BaseShift(const char*& at, const char* end) {
  if (at == end) return 3;
  switch (*at) {
    case 'B':
    case 'b':
      ++at;
      return 1;
    case 'H':
    case 'h':
      ++at;
      return 4;
    case 'O':
    case 'o':
    case 'Q':
    case 'q':
      ++at;
      return 3;
    default:
      return 3;
  }
}

unsigned DigitValue(char c) {
  if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned>(c - 'A') + 10;
  if (c >= 'a' && c <= 'z') return static_cast<unsigned>(c - 'a') + 10;
  return 99;
}

Suffix ReadSuffix(const char* at, const char* end) {
  if (at == end) return Suffix::kNone;
  if (*at == '%') return Suffix::kPercent;
  if (*at == '?') return Suffix::kQuestion;  // one, two or three: all mean the same
  if (*at != '&') return Suffix::kNone;
  return (at + 1 != end && at[1] == '&') ? Suffix::kTwoAmpersands : Suffix::kAmpersand;
}

// Narrow numbers without a leading zero are 16- or 32-bit two's complement unless a suffix
// widens them; "?" makes a number unsigned.
std::int64_t Signed(std::uint64_t v, bool first_digit_zero, Suffix suffix) {
  if (suffix == Suffix::kQuestion) {
    return v >= (std::uint64_t{1} << 63) ? 0 : static_cast<std::int64_t>(v);
  }
  const auto value = static_cast<std::int64_t>(v);
  if (first_digit_zero || v > 0xFFFFFFFFU) return value;
  if (v > 0xFFFFU) {
    const bool negative = suffix != Suffix::kTwoAmpersands && (v & 0x80000000U) != 0;
    return negative ? value - 0x100000000 : value;
  }
  const bool widened = suffix == Suffix::kAmpersand || suffix == Suffix::kTwoAmpersands;
  return (!widened && (v & 0x8000U) != 0) ? value - 0x10000 : value;
}

}  // namespace

Extended ReadRadix(const char* begin, const char* end) {
  const char* at = begin;
  const unsigned shift = BaseShift(at, end);
  const unsigned base = 1U << shift;
  std::uint64_t value = 0;
  const char* const first_digit = at;
  for (; at != end; ++at) {
    const unsigned digit = DigitValue(*at);
    if (digit >= base) break;
    if ((value >> (64 - shift)) != 0) return 0;  // a set bit would fall off the top
    value = (value << shift) | digit;
  }
  if (at == first_digit) return 0;
  return Signed(value, *first_digit == '0', ReadSuffix(at, end));
}

}  // namespace numtext
