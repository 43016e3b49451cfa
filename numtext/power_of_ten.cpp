#include "numtext/power_of_ten.h"

#include <array>
#include <bit>
#include <cstdint>

#include "extended/wide.h"
#include "numtext/numtext.h"

namespace numtext {
namespace {

// The table is computed by the compiler from the exact powers: 10^n = 5^n * 2^n, and 5^n is a
// small big integer multiplied up by powers of five; each wanted power is rounded once, to
// nearest with ties to even, into the 64-bit significand. No hand-copied bit patterns.

constexpr int kLimbs = 150;  // 64-bit limbs; 5^4096 needs 9511 bits

struct BigNatural {
  std::uint64_t limb[kLimbs] = {};
  int size = 1;
};

constexpr void MultiplyBy(BigNatural& b, std::uint64_t factor) {
  std::uint64_t carry = 0;
  for (int i = 0; i < b.size; ++i) {
    const extended::wide::U128 t =
        extended::wide::Add(extended::wide::Multiply(b.limb[i], factor), {0, carry});
    b.limb[i] = t.low;
    carry = t.high;
  }
  if (carry != 0) b.limb[b.size++] = carry;
}

constexpr int BitLength(const BigNatural& b) {
  return 64 * (b.size - 1) + static_cast<int>(std::bit_width(b.limb[b.size - 1]));
}

constexpr std::uint64_t Bits64(const BigNatural& b, int low) {  // bits low to low + 63
  const std::uint64_t first = b.limb[low / 64] >> (low % 64);
  if (low % 64 == 0 || low / 64 + 1 >= b.size) return first;
  return first | (b.limb[low / 64 + 1] << (64 - low % 64));
}

constexpr bool AnyBitBelow(const BigNatural& b, int end) {
  for (int i = 0; i < end / 64; ++i) {
    if (b.limb[i] != 0) return true;
  }
  const std::uint64_t mask = (std::uint64_t{1} << (end % 64)) - 1;
  return (b.limb[end / 64] & mask) != 0;
}

// b * 2^scale, rounded once to the extended format (the powers of ten are all normal).
constexpr Extended Nearest(const BigNatural& b, int scale) {
  const int length = BitLength(b);
  if (length <= 64) return ExactPower(b.limb[0], scale);
  int low = length - 64;  // the lowest bit that fits in the significand
  std::uint64_t significand = Bits64(b, low);
  const bool half = ((b.limb[(low - 1) / 64] >> ((low - 1) % 64)) & 1U) != 0;
  if (half && (AnyBitBelow(b, low - 1) || (significand & 1U) != 0)) {
    if (++significand == 0) {
      significand = extended::format::kIntegerBit;
      ++low;
    }
  }
  return ExactPower(significand, low + scale);
}

constexpr std::array<Extended, kPowerTableSize> BuildTable() {
  constexpr std::uint64_t kFiveTo8 = 390625;
  constexpr std::uint64_t kFiveTo24 = kFiveTo8 * kFiveTo8 * kFiveTo8;
  std::array<Extended, kPowerTableSize> table{};
  BigNatural five;  // 5^n
  five.limb[0] = 1;
  int n = 0;
  for (int i = 0; i < kPowerTableSize; ++i) {
    const int wanted = 8 << i;
    for (; n + 24 <= wanted; n += 24) MultiplyBy(five, kFiveTo24);
    for (; n < wanted; n += 8) MultiplyBy(five, kFiveTo8);
    table[i] = Nearest(five, n);
  }
  return table;
}

constexpr std::array<Extended, kPowerTableSize> kTable = BuildTable();
constexpr std::array<std::uint32_t, 8> kSmall = {1,     10,     100,     1000,
                                                 10000, 100000, 1000000, 10000000};

// After one step of 10^4096 the table builds any power up to 10^(8 * 1023 + 7).
constexpr int kReach = 4096 + 8 * 1023 + 7;

Extended BeyondReach(Extended x, int n) {
  if (x == 0 || !extended::IsFinite(x)) return x;
  return extended::CopySign(n > 0 ? extended::Infinity() : Extended{0}, x);
}

// 10^magnitude for magnitude below 8192, each product rounded.
Extended PowerOfTen(unsigned magnitude) {
  Extended power = kSmall[magnitude % 8];
  unsigned bits = magnitude / 8;
  for (int i = 0; bits != 0; ++i, bits >>= 1) {
    if ((bits & 1U) != 0) power *= kTable[i];
  }
  return power;
}

}  // namespace

Extended PowerOfTenEntry(int i) {
  return kTable[i];
}

Extended ScaleByPowerOfTen(Extended x, int n) {
  if (n > kReach || n < -kReach) return BeyondReach(x, n);
  if (n > 4096) {
    x *= kTable[kPowerTableSize - 1];
    n -= 4096;
  } else if (n < -4096) {
    x /= kTable[kPowerTableSize - 1];
    n += 4096;
  }
  if (n == 0) return x;
  const unsigned magnitude = static_cast<unsigned>(n > 0 ? n : -n);
  const Extended power = magnitude <= kExactLimit ? kExact[magnitude] : PowerOfTen(magnitude);
  return n > 0 ? x * power : x / power;
}

}  // namespace numtext
