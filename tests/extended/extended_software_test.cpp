// The software operations of the extended format against references, bit for bit, on operands
// made by a fixed-seed generator: every class of encoding, both signs, and the places where
// rounding is hard (exact ties, cancellation, operands an ulp apart, the overflow edge, the
// subnormal and normal boundary). The references are the x87 itself, where there is one, and
// MPFR, which gives the same cases the same answers on every machine.
#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "extended/extended.h"
#include "extended/rounding.h"
#include "extended/software.h"
#include "extended/x87/operation_table.h"
#if SORVANTA_TEST_X87
#include "extended/x87/x87.h"
#endif
#if SORVANTA_TEST_MPFR
#include "tests/extended/extended_mpfr.h"
#include "tests/support/extended_reference.h"
#endif

namespace {

using extended::Bits;
namespace format = extended::format;

constexpr int kCases = 100000;
constexpr int kMinExponent = format::kMinNormalExponent - 63;  // of the smallest subnormal

// ---- The generator ---------------------------------------------------------------------------

// Draws from the raw bits of mt19937_64 only, which the standard fixes, so that every machine
// and library makes the same cases.
class Generator {
 public:
  explicit Generator(std::uint64_t seed) : engine_(seed) {}

  std::uint64_t Raw() { return engine_(); }
  int Uniform(int low, int high) {  // inclusive
    return low + static_cast<int>(Raw() % static_cast<std::uint64_t>(high - low + 1));
  }
  bool Percent(int p) { return Uniform(0, 99) < p; }
  bool Sign() { return (Raw() & 1) != 0; }

  // A significand with its integer bit, in the shapes that make rounding hard: random, few
  // leading bits (exact results, ties), runs of ones or zeros at the bottom (carries), extremes.
  std::uint64_t Significand() {
    const int shape = Uniform(0, 9);
    const std::uint64_t random = Raw() | format::kIntegerBit;
    if (shape < 4) return random;
    if (shape < 6) return Short(Uniform(1, 40));
    if (shape < 8) {
      const std::uint64_t run = (std::uint64_t{1} << Uniform(1, 20)) - 1;
      return Percent(50) ? random | run : random & ~run;
    }
    if (shape == 8) return Short(Uniform(1, 64)) | (std::uint64_t{1} << Uniform(0, 12));
    // A power of two, just above one, or just below the next.
    const std::uint64_t small = Raw() >> Uniform(40, 63);
    switch (Uniform(0, 3)) {
      case 0:
        return format::kIntegerBit;
      case 1:
        return format::kIntegerBit | small;
      case 2:
        return ~std::uint64_t{0};
      default:
        return ~small;
    }
  }

  // s with its lowest `dropped` bits (1 to 64) made exactly half of the unit above them: a
  // tie when those bits are rounded away. The integer bit stays set.
  static std::uint64_t Tie(std::uint64_t s, int dropped) {
    const std::uint64_t half = std::uint64_t{1} << (dropped - 1);
    return (s & ~(half | (half - 1))) | half | format::kIntegerBit;
  }

  // The integer bit and bits - 1 random bits below it, zeros further down.
  std::uint64_t Short(int bits) {
    const std::uint64_t s = Raw() | format::kIntegerBit;
    return bits >= 64 ? s : s & ~(~std::uint64_t{0} >> bits);
  }

  // significand * 2^(exponent - 63) in the format, exponent clamped to the format's range;
  // below the normal range the significand is shifted down to the subnormal grid.
  static Bits Number(bool negative, int exponent, std::uint64_t significand) {
    if (exponent > format::kMaxExponent) exponent = format::kMaxExponent;
    if (exponent < kMinExponent) exponent = kMinExponent;
    if (exponent >= format::kMinNormalExponent) {
      return format::Make(negative, exponent + format::kExponentBias, significand);
    }
    return format::Make(negative, 0, significand >> (format::kMinNormalExponent - exponent));
  }

  Bits Number(int exponent) { return Number(Sign(), exponent, Significand()); }

  // An exponent from the interesting regions: near 1, near the bottom of the normal range and
  // below it, near the top, or anywhere.
  int Exponent() {
    switch (Uniform(0, 3)) {
      case 0:
        return Uniform(-70, 70);
      case 1:
        return format::kMinNormalExponent + Uniform(-66, 70);
      case 2:
        return format::kMaxExponent - Uniform(0, 70);
      default:
        return Uniform(kMinExponent, format::kMaxExponent);
    }
  }

  // Any encoding at all, numbers most often.
  Bits Any() {
    const bool negative = Sign();
    const int kind = Uniform(0, 99);
    if (kind < 5) return format::Make(negative, 0, 0);
    if (kind < 11) return format::Make(negative, 0, Raw() >> Uniform(1, 63));  // subnormal
    if (kind < 13) return format::Make(negative, 0, Significand());            // pseudo-denormal
    if (kind < 17) return Infinity(negative);
    if (kind < 20) return NaN(negative, true);
    if (kind < 22) return NaN(negative, false);
    if (kind < 24) {  // unnormal, pseudo-NaN or pseudo-infinity: integer bit clear
      const int biased =
          Percent(50) ? format::kExponentMask : Uniform(1, format::kExponentMask - 1);
      return format::Make(negative, biased, (Raw() & ~format::kIntegerBit) >> Uniform(0, 2));
    }
    return Number(Exponent());
  }

  static Bits Infinity(bool negative) {
    return format::Make(negative, format::kExponentMask, format::kIntegerBit);
  }
  Bits NaN(bool negative, bool quiet) {
    std::uint64_t payload = Raw() & ~(format::kIntegerBit | format::kQuietBit);
    if (!quiet && payload == 0) payload = 1;
    return format::Make(negative, format::kExponentMask,
                        format::kIntegerBit | payload | (quiet ? format::kQuietBit : 0));
  }

  // The number steps representable values further from zero (closer, for negative steps),
  // through the subnormals and into zero and infinity.
  static Bits Step(Bits x, int steps) {
    if (format::IsNaN(x) || format::IsInfinity(x)) return x;
    int biased = format::BiasedExponent(x);
    std::uint64_t s = x.significand;
    if (biased == 0 && (s & format::kIntegerBit) != 0) biased = 1;  // a pseudo-denormal
    for (; steps > 0; --steps) {
      if (++s == 0 || (biased == 0 && s == format::kIntegerBit)) {
        s = format::kIntegerBit;
        if (++biased == format::kExponentMask) break;
      }
    }
    for (; steps < 0 && (biased != 0 || s != 0); ++steps) {
      if (biased > 1 && s == format::kIntegerBit) {
        --biased;
        s = ~std::uint64_t{0};
      } else if (biased == 1 && s == format::kIntegerBit) {
        biased = 0;
        s = format::kIntegerBit - 1;
      } else {
        --s;
      }
    }
    return format::Make(format::Negative(x), biased, s);
  }

  // An exponent the format holds, from a target: for results near a given place.
  static int Clamp(int exponent) {
    return exponent < kMinExponent           ? kMinExponent
           : exponent > format::kMaxExponent ? format::kMaxExponent
                                             : exponent;
  }

  // Where a product or quotient should land: around the overflow edge, around the bottom of
  // the normal range and in the subnormals, or near 1.
  int ResultExponent() {
    switch (Uniform(0, 2)) {
      case 0:
        return format::kMaxExponent + Uniform(-2, 1);
      case 1:
        return format::kMinNormalExponent + Uniform(-66, 2);
      default:
        return Uniform(-64, 64);
    }
  }

 private:
  std::mt19937_64 engine_;
};

int ExponentOf(Bits x) {
  const int biased = format::BiasedExponent(x);
  if (biased != 0) return biased - format::kExponentBias;
  return format::kMinNormalExponent - (x.significand == 0 ? 0 : std::countl_zero(x.significand));
}

// ---- The cases of each operation -------------------------------------------------------------

struct Case {
  Bits a{};
  Bits b{};
  int n = 0;
  double d = 0;
  std::int64_t i = 0;
};

Case AddCase(Generator& g) {
  const Bits a = g.Any();
  const int e = ExponentOf(a);
  switch (g.Uniform(0, 7)) {
    case 0:  // the operand's neighbours of the other sign: cancellation to a few bits
      return {a, extended::software::Negate(Generator::Step(a, g.Uniform(-3, 3)))};
    case 1:  // aligned by a few places, or by about a significand's width
      return {a, g.Number(
                     Generator::Clamp(e - (g.Percent(50) ? g.Uniform(-3, 3) : g.Uniform(60, 68))))};
    case 2: {  // a half-ulp tie, or just off it
      const Bits x = Generator::Number(g.Sign(), e, g.Short(g.Uniform(1, 63)));
      return {x, Generator::Number(g.Sign(), Generator::Clamp(e - 64),
                                   g.Percent(50) ? format::kIntegerBit : g.Significand())};
    }
    case 3:  // at the bottom of the normal range: subnormal and normal sums and differences
      return {g.Number(format::kMinNormalExponent + g.Uniform(-3, 1)),
              g.Number(format::kMinNormalExponent + g.Uniform(-66, 1))};
    case 4:  // at the top: overflow, or just not
      return {Generator::Number(false, format::kMaxExponent, g.Significand()),
              Generator::Number(g.Percent(20), format::kMaxExponent - g.Uniform(0, 66),
                                g.Significand())};
    case 5: {  // from a power of two, something just below its last place: the borrow
      const bool negative = g.Sign();
      return {
          Generator::Number(negative, Generator::Clamp(e), format::kIntegerBit),
          Generator::Number(!negative, Generator::Clamp(e - g.Uniform(62, 67)), g.Significand())};
    }
    case 6:
      return {a, g.Number(Generator::Clamp(e + g.Uniform(-140, 140)))};
    default:
      return {a, g.Any()};
  }
}

Case MultiplyCase(Generator& g) {
  switch (g.Uniform(0, 3)) {
    case 0: {  // a product near the overflow edge or among the subnormals
      const int e = g.Exponent();
      return {g.Number(e), g.Number(Generator::Clamp(g.ResultExponent() - e))};
    }
    case 1: {  // short significands: exact products and ties
      const int e = g.Uniform(-70, 70);
      const int bits = g.Uniform(1, 40);
      return {Generator::Number(g.Sign(), e, g.Short(bits)),
              Generator::Number(g.Sign(), g.ResultExponent() - e, g.Short(66 - bits))};
    }
    default:
      return {g.Any(), g.Any()};
  }
}

Case DivideCase(Generator& g) {
  switch (g.Uniform(0, 4)) {
    case 0: {  // a quotient near the overflow edge or among the subnormals
      const int e = g.Exponent();
      return {g.Number(e), g.Number(Generator::Clamp(e - g.ResultExponent()))};
    }
    case 1: {  // by a power of two into the subnormals, to a tie or just off it
      const int dropped = g.Uniform(1, 64), k = g.Uniform(0, 66);
      const Bits a = Generator::Number(g.Sign(), format::kMinNormalExponent - dropped + k,
                                       Generator::Tie(g.Significand(), dropped));
      return {Generator::Step(a, g.Uniform(-1, 1)),
              Generator::Number(g.Sign(), k, format::kIntegerBit)};
    }
    case 2: {  // an exact quotient, or one ulp off it
      const std::uint64_t divisor = g.Raw() >> 32 | 1, quotient = g.Raw() >> 32 | 1;
      const std::uint64_t dividend = divisor * quotient;
      const int shift = std::countl_zero(dividend);
      const Bits a = Generator::Number(g.Sign(), g.Uniform(-70, 70), dividend << shift);
      const Bits b =
          Generator::Number(g.Sign(), g.Uniform(-70, 70), divisor << std::countl_zero(divisor));
      return {Generator::Step(a, g.Uniform(-1, 1)), b};
    }
    case 3: {  // operands an ulp or two apart
      const Bits a = g.Any();
      return {a, Generator::Step(a, g.Uniform(-2, 2))};
    }
    default:
      return {g.Any(), g.Any()};
  }
}

Case SqrtCase(Generator& g) {
  switch (g.Uniform(0, 2)) {
    case 0: {  // a square, or an ulp or two off it
      const std::uint64_t root = g.Raw() >> 32 | std::uint64_t{1} << 31;
      const Bits square = Generator::Number(false, g.Uniform(-200, 200), root * root);
      return {Generator::Step(square, g.Uniform(-2, 2))};
    }
    case 1:
      return {Generator::Number(false, g.Exponent(), g.Significand())};
    default:
      return {g.Any()};
  }
}

Case CompareCase(Generator& g) {
  const Bits a = g.Any();
  switch (g.Uniform(0, 4)) {
    case 0:
      return {a, Generator::Step(a, g.Uniform(-2, 2))};
    case 1:
      return {a, extended::software::Negate(Generator::Step(a, g.Uniform(-1, 1)))};
    case 2:  // a pseudo-denormal and the normal number it stands for
      return {format::Make(g.Sign(), 0, a.significand | format::kIntegerBit),
              format::Make(g.Sign(), 1, a.significand | format::kIntegerBit)};
    case 3:
      return {a, g.Number(Generator::Clamp(ExponentOf(a) + g.Uniform(-2, 2)))};
    default:
      return {a, g.Any()};
  }
}

Case ToDoubleCase(Generator& g) {
  // The places where doubles end: their subnormals and the bottom below them, their overflow
  // edge, and ordinary sizes.
  int e = 0;
  switch (g.Uniform(0, 3)) {
    case 0:
      e = -1022 + g.Uniform(-56, 2);
      break;
    case 1:
      e = 1023 + g.Uniform(-2, 1);
      break;
    case 2:
      e = g.Uniform(-70, 70);
      break;
    default:
      return {g.Any()};
  }
  // The bits below the double's last place: half of it exactly (a tie), or just off it.
  const int dropped = e >= -1022 ? 11 : 11 + (-1022 - e);
  const Bits x = Generator::Number(g.Sign(), e, g.Significand());
  if (dropped > 64 || g.Percent(40)) return {x};
  return {Generator::Step(
      Generator::Number(format::Negative(x), e, Generator::Tie(x.significand, dropped)),
      g.Uniform(-1, 1))};
}

Case RoundToWholeCase(Generator& g) {
  if (g.Percent(20)) return {g.Any()};
  const int e = g.Uniform(-3, 66);
  std::uint64_t s = g.Significand();
  const int fraction_bits = 63 - e;
  if (fraction_bits > 0 && fraction_bits <= 64 && g.Percent(50)) {  // halfway, or just off it
    return {Generator::Step(Generator::Number(g.Sign(), e, Generator::Tie(s, fraction_bits)),
                            g.Uniform(-1, 1))};
  }
  return {Generator::Number(g.Sign(), e, s)};
}

Case ScaleCase(Generator& g) {
  Case c{g.Percent(30) ? g.Any() : g.Number(g.Exponent())};
  const int e = ExponentOf(c.a);
  switch (g.Uniform(0, 6)) {
    case 0:
      c.n = g.Uniform(-70, 70);
      break;
    case 1:  // into the subnormals, and below them
      c.n = format::kMinNormalExponent - e + g.Uniform(-68, 2);
      break;
    case 6: {  // into the subnormals to a tie, or just off it
      const int dropped = g.Uniform(1, 64);
      c.a =
          Generator::Step(Generator::Number(g.Sign(), e, Generator::Tie(g.Significand(), dropped)),
                          g.Uniform(-1, 1));
      c.n = format::kMinNormalExponent - dropped - e;
      break;
    }
    case 2:  // to the overflow edge
      c.n = format::kMaxExponent - e + g.Uniform(-2, 2);
      break;
    case 3:
      c.n = g.Uniform(-40000, 40000);
      break;
    case 4:
      c.n = g.Percent(50) ? INT_MIN : INT_MAX;
      break;
    default:
      c.n = static_cast<int>(static_cast<std::uint32_t>(g.Raw()));
  }
  return c;
}

Case ConversionCase(Generator& g) {
  Case c;
  std::uint64_t raw = g.Raw();
  if (g.Percent(30)) raw &= ~(~std::uint64_t{0} << g.Uniform(1, 63));  // small, subnormal
  c.d = std::bit_cast<double>(raw);
  c.i = static_cast<std::int64_t>(g.Raw() >> g.Uniform(0, 63));
  if (g.Percent(50)) c.i = -c.i;
  if (g.Percent(2)) c.i = g.Percent(50) ? INT64_MIN : INT64_MAX;
  return c;
}

// ---- The operations, on one implementation or another ---------------------------------------

// Every operation's result in one shape, so that one comparison serves them all.
struct Result {
  Bits bits{};
  double d = 0;
  std::partial_ordering order = std::partial_ordering::unordered;
  Bits more{};  // a second result, where an operation is tried two ways
};

struct Implementation {
  const extended::OperationTable* operations;
  bool exact_nans;  // whether its NaNs are the x87's, payload and sign
};

const Implementation kSoftware{&extended::software::kOperationTable, true};
#if SORVANTA_TEST_X87
const Implementation kX87{&extended::x87::kOperationTable, true};
#endif
#if SORVANTA_TEST_MPFR
const Implementation kMpfr{&extended::mpfr_reference::kOperationTable, false};
#endif

struct Operation {
  const char* name;
  Case (*generate)(Generator&);
  Result (*run)(const extended::OperationTable&, const Case&);
};

const Operation kOperations[] = {
    {"Add", AddCase,
     [](const extended::OperationTable& m, const Case& c) { return Result{m.add(c.a, c.b)}; }},
    {"Subtract", AddCase,
     [](const extended::OperationTable& m, const Case& c) { return Result{m.subtract(c.a, c.b)}; }},
    {"Multiply", MultiplyCase,
     [](const extended::OperationTable& m, const Case& c) { return Result{m.multiply(c.a, c.b)}; }},
    {"Divide", DivideCase,
     [](const extended::OperationTable& m, const Case& c) { return Result{m.divide(c.a, c.b)}; }},
    {"Sqrt", SqrtCase,
     [](const extended::OperationTable& m, const Case& c) { return Result{m.sqrt(c.a)}; }},
    {"Compare", CompareCase,
     [](const extended::OperationTable& m, const Case& c) {
       return Result{{}, 0, m.compare(c.a, c.b)};
     }},
    {"ToDouble", ToDoubleCase,
     [](const extended::OperationTable& m, const Case& c) {
       return Result{{}, m.to_double(c.a)};
     }},
    {"RoundToWhole", RoundToWholeCase,
     [](const extended::OperationTable& m, const Case& c) {
       return Result{m.round_to_whole(c.a)};
     }},
    {"ScaleByPowerOfTwo", ScaleCase,
     [](const extended::OperationTable& m, const Case& c) {
       return Result{m.scale_by_power_of_two(c.a, c.n)};
     }},
    {"FromDoubleAndIntegers", ConversionCase,
     [](const extended::OperationTable& m, const Case& c) {
       return Result{m.from_double(c.d), 0, std::partial_ordering::unordered,
                     c.i < 0 ? m.from_integer(c.i)
                             : m.from_unsigned(static_cast<std::uint64_t>(c.i) * 2 + 1)};
     }},
};

bool SameBits(Bits x, Bits y, bool exact_nans) {
  if (!exact_nans && format::IsNaN(x) && format::IsNaN(y)) return true;
  return x.significand == y.significand && x.sign_exponent == y.sign_exponent;
}

bool SameDouble(double x, double y, bool exact_nans) {
  if (!exact_nans && x != x && y != y) return true;
  return std::bit_cast<std::uint64_t>(x) == std::bit_cast<std::uint64_t>(y);
}

bool Same(const Result& x, const Result& y, bool exact_nans) {
  return SameBits(x.bits, y.bits, exact_nans) && SameBits(x.more, y.more, exact_nans) &&
         SameDouble(x.d, y.d, exact_nans) && x.order == y.order;
}

std::string Show(Bits b) {
  char text[32];
  std::snprintf(text, sizeof text, "%04X:%016llX", b.sign_exponent,
                static_cast<unsigned long long>(b.significand));
  return text;
}

const char* Show(std::partial_ordering o) {
  return o == std::partial_ordering::less         ? "less"
         : o == std::partial_ordering::greater    ? "greater"
         : o == std::partial_ordering::equivalent ? "equal"
                                                  : "unordered";
}

std::string Show(const Result& r) {
  char text[48];
  std::snprintf(text, sizeof text, " %016llX %s",
                static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(r.d)), Show(r.order));
  return Show(r.bits) + " " + Show(r.more) + text;
}

std::string Show(const Case& c) {
  char text[64];
  std::snprintf(text, sizeof text, " n=%d d=%016llX i=%lld", c.n,
                static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(c.d)),
                static_cast<long long>(c.i));
  return Show(c.a) + " " + Show(c.b) + text;
}

// ---- The tests -------------------------------------------------------------------------------

struct Pairing {
  const Operation* operation;
  const Implementation* reference;
};

std::vector<Pairing> Pairings() {
  std::vector<Pairing> pairings;
  for (const Operation& operation : kOperations) {
#if SORVANTA_TEST_X87
    pairings.push_back({&operation, &kX87});
#endif
#if SORVANTA_TEST_MPFR
    pairings.push_back({&operation, &kMpfr});
#endif
  }
  return pairings;
}

class SoftwareExtended : public testing::TestWithParam<Pairing> {
 protected:
  void SetUp() override {
    extended::EstablishFloatingPoint();
#if SORVANTA_TEST_MPFR
    reference::UseExtendedRange();
#endif
  }
};

TEST_P(SoftwareExtended, AgreesWithTheReferenceOnEveryGeneratedCase) {
  const Operation& operation = *GetParam().operation;
  const Implementation& reference = *GetParam().reference;
  // One seed per operation, whatever the reference, so that every reference sees the same cases.
  Generator g(0x5EED0000u + static_cast<std::uint64_t>(&operation - kOperations));
  int failures = 0;
  std::string report;
  for (int i = 0; i < kCases; ++i) {
    const Case c = operation.generate(g);
    const Result ours = operation.run(*kSoftware.operations, c);
    const Result theirs = operation.run(*reference.operations, c);
    if (Same(ours, theirs, reference.exact_nans)) continue;
    if (++failures <= 8) {
      report += "\n  " + Show(c) + "\n    ours   " + Show(ours) + "\n    theirs " + Show(theirs);
    }
  }
  EXPECT_EQ(failures, 0) << operation.name << " against " << reference.operations->name << report;
}

INSTANTIATE_TEST_SUITE_P(Operations, SoftwareExtended, testing::ValuesIn(Pairings()),
                         [](const testing::TestParamInfo<Pairing>& param) {
                           return std::string(param.param.operation->name) + "_" +
                                  param.param.reference->operations->name;
                         });

#if SORVANTA_TEST_MPFR
// The one rounding routine on its own, with significands that need normalising, values that
// lie wholly in rest, and exponents from far below the subnormals to beyond the overflow edge.
TEST(RoundPack, RoundsTheExactValueOnceAsMpfrDoes) {
  Generator g(0x0D0D);
  int failures = 0;
  std::string report;
  for (int i = 0; i < kCases; ++i) {
    const bool negative = g.Sign();
    const int place = g.Uniform(0, 2);  // the bottom of the normal range, any result, anywhere
    const int exponent = place == 0 ? format::kMinNormalExponent + g.Uniform(-3, 1)
                         : place == 1
                             ? g.ResultExponent() + g.Uniform(-64, 64)
                             : g.Uniform(-3 * format::kExponentBias, 3 * format::kExponentBias);
    const std::uint64_t significand = g.Percent(20) ? 0 : g.Significand() >> g.Uniform(0, 63);
    std::uint64_t rest = g.Raw();
    if (g.Percent(40)) rest &= ~(~std::uint64_t{0} >> g.Uniform(0, 4));  // ties, exact values
    const Bits ours = format::RoundPack(negative, exponent, significand, rest);
    const Bits theirs = extended::mpfr_reference::RoundPack(negative, exponent, significand, rest);
    if (SameBits(ours, theirs, true)) continue;
    if (++failures <= 8) {
      char text[96];
      std::snprintf(text, sizeof text, "\n  %d %d %016llX %016llX: ", negative, exponent,
                    static_cast<unsigned long long>(significand),
                    static_cast<unsigned long long>(rest));
      report += text + Show(ours) + " against " + Show(theirs);
    }
  }
  EXPECT_EQ(failures, 0) << report;
}

TEST(RoundShiftRight, RoundsToNearestWithTiesToEvenForEveryCount) {
  Generator g(0x5817);
  int failures = 0;
  for (int i = 0; i < kCases; ++i) {
    const int count = g.Uniform(0, 70);
    std::uint64_t value = g.Raw() >> g.Uniform(0, 63);
    if (count > 0 && count <= 64 && g.Percent(30)) {  // halfway
      const std::uint64_t half = std::uint64_t{1} << (count - 1);
      value = (value & ~(half | (half - 1))) | half;
    }
    if (format::RoundShiftRight(value, count) !=
        extended::mpfr_reference::RoundShiftRight(value, count)) {
      ADD_FAILURE() << value << " >> " << count;
      if (++failures > 8) break;
    }
  }
}
#endif

}  // namespace
