// Sine and cosine held against MPFR's correctly rounded values, bit for bit, on generated
// classes of arguments: the program's own, the program's range, all of [-pi/4, pi/4], tiny and
// subnormal ones, powers of two, the edges of pi/4, and large ones near multiples of pi/2. Every
// class is built from bits, so the test needs no Extended arithmetic and runs alike on both
// paths.
//
// SORVANTA_SIN_COS_ARGUMENTS sets how many random arguments (default 100000); the share of them
// that the 128-bit attempt leaves undecided is printed.
#include <gtest/gtest.h>
#include <mpfr.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "extended/bits.h"
#include "extended/extended.h"
#include "extended/fixed_point.h"
#include "extended/sin_cos_kernel.h"
#include "extended/trig_tables.h"
#include "tests/extended/extended_trig_tables_reference.h"
#include "tests/support/extended_reference.h"
#include "tests/support/extended_test_support.h"

namespace {

using extended::Bits;
using extended::trig::Function;
namespace format = extended::format;
using Random = std::mt19937_64;

class ExtendedRange : public ::testing::Environment {
 public:
  void SetUp() override { reference::UseExtendedRange(); }
};
const auto* const kRange = ::testing::AddGlobalTestEnvironment(new ExtendedRange);

constexpr Function kFunctions[] = {Function::kSine, Function::kCosine};
const char* Name(Function f) {
  return f == Function::kSine ? "sin" : "cos";
}

Bits Ours(Function f, Bits x) {
  const Extended e = extended::FromBits(x);
  return extended::ToBits(f == Function::kSine ? extended::Sin(e) : extended::Cos(e));
}

Bits Reference(Function f, Bits x) {
  reference::Number in(extended::FromBits(x)), out;
  const int ternary = f == Function::kSine ? mpfr_sin(out.get(), in.get(), MPFR_RNDN)
                                           : mpfr_cos(out.get(), in.get(), MPFR_RNDN);
  return extended::ToBits(reference::Finish(out, ternary));
}

std::string Text(Bits b) {
  return testing_support::BitsText(extended::FromBits(b));
}

// Where both are NaNs their bits need not agree.
bool Same(Bits a, Bits b) {
  if (format::IsNaN(a) || format::IsNaN(b)) return format::IsNaN(a) && format::IsNaN(b);
  return a.significand == b.significand && a.sign_exponent == b.sign_exponent;
}

long RandomCount() {
  const char* text = std::getenv("SORVANTA_SIN_COS_ARGUMENTS");
  return text != nullptr ? std::atol(text) : 100000;
}

// ---- Arguments, from bits ---------------------------------------------------------------------

Bits Make(bool negative, int exponent, std::uint64_t significand) {  // normal: integer bit set
  return format::Make(negative, exponent + format::kExponentBias,
                      significand | format::kIntegerBit);
}

// Positive values compare as (exponent, significand) pairs.
bool AtMost(Bits a, Bits b) {
  const int ea = format::BiasedExponent(a), eb = format::BiasedExponent(b);
  return ea < eb || (ea == eb && a.significand <= b.significand);
}

Bits Magnitude(Bits x) {
  x.sign_exponent &= format::kExponentMask;
  return x;
}

const Bits kPiOverFourDown = Make(false, -1, extended::tables::kPiOverFour[0]);

Bits FromDecimal(const char* text) {
  return extended::ToBits(reference::FromDecimal(text));
}

// Uniform in [low, high] within each binade, binades weighted by their width.
Bits Between(Random& random, Bits low, Bits high) {
  const int e_low = format::BiasedExponent(low), e_high = format::BiasedExponent(high);
  for (;;) {
    const int e = e_low + static_cast<int>(random() % (e_high - e_low + 1));
    if (random() % (std::uint64_t{1} << (e_high - e)) != 0) continue;
    const Bits x = format::Make(false, e, random() | format::kIntegerBit);
    if (AtMost(low, x) && AtMost(x, high)) return x;
  }
}

Bits WithSign(Random& random, Bits x) {
  if ((random() & 1) != 0) x.sign_exponent |= format::kSignBit;
  return x;
}

// A random exponent in [low, high], each equally likely: small arguments get their share.
Bits LogUniform(Random& random, int low, int high) {
  const int e = low + static_cast<int>(random() % static_cast<std::uint64_t>(high - low + 1));
  return WithSign(random, Make(false, e, random()));
}

Bits WithinPiOverFour(Random& random) {
  for (;;) {
    const Bits x = LogUniform(random, -32, -1);
    if (AtMost(Magnitude(x), kPiOverFourDown)) return x;
  }
}

Bits Tiny(Random& random) {
  if (random() % 4 == 0) {  // subnormal
    return WithSign(random, format::Make(false, 0, (random() >> (random() % 64)) | 1));
  }
  return LogUniform(random, format::kMinNormalExponent, -33);
}

// RN(j * pi/2) for an integer j < 2^64 scaled by 2^scale, which is itself a multiple.
Bits NearMultiple(std::uint64_t j, int scale) {
  mpfr_t exact;
  mpfr_init2(exact, 64 + 64 + scale + 64);
  mpfr_const_pi(exact, MPFR_RNDN);
  mpfr_mul_ui(exact, exact, static_cast<unsigned long>(j), MPFR_RNDN);
  mpfr_mul_2si(exact, exact, scale - 1, MPFR_RNDN);
  reference::Number rounded;
  const int ternary = mpfr_set(rounded.get(), exact, MPFR_RNDN);
  mpfr_clear(exact);
  return extended::ToBits(reference::Finish(rounded, ternary));
}

Bits Neighbour(Bits x, int steps) {  // within the binade
  const std::uint64_t s = x.significand + static_cast<std::uint64_t>(steps);
  if ((s & format::kIntegerBit) != 0) x.significand = s;
  return x;
}

// 1 - cos x is x^2/2 to within x^4/24, so where x^2/2 is nearly an odd multiple of 2^-65, a
// midpoint below 1, cos x lies within about 2^-128 of it: x = RN(sqrt(2i + 1) * 2^-32). These
// are hard for the 128-bit attempt by construction.
Bits NearCosineMidpoint(std::uint64_t i) {
  reference::Number root;
  const int ternary = mpfr_sqrt_ui(root.get(), 2 * i + 1, MPFR_RNDN);
  Bits x = extended::ToBits(reference::Finish(root, ternary));
  x.sign_exponent = static_cast<std::uint16_t>(x.sign_exponent - 32);
  return x;
}

// |x| - sin x is x^3/6 to within x^5/120, so where x^3/6 is nearly an odd multiple of half x's
// last unit, sin x lies close to a midpoint: around x = m 2^(e-63) with m^3 = (6j + 3) 2^(126-2e),
// the sine's hard cases for the 128-bit attempt in the binades from 2^-32.
std::vector<Bits> NearSineMidpoints() {
  std::vector<Bits> v;
  for (int e = -32; e <= -30; ++e) {
    for (unsigned long j = 0; j < 16; ++j) {
      reference::Number m;
      mpfr_set_ui(m.get(), 6 * j + 3, MPFR_RNDN);
      mpfr_mul_2si(m.get(), m.get(), 126 - 2 * e, MPFR_RNDN);
      const Bits root =
          extended::ToBits(reference::Finish(m, mpfr_cbrt(m.get(), m.get(), MPFR_RNDN)));
      if (format::BiasedExponent(root) != format::kExponentBias + 63) continue;  // m not 64 bits
      for (int step = -40; step <= 40; ++step) {
        v.push_back(Neighbour(Make(false, e, root.significand), step));
      }
    }
  }
  return v;
}

Bits NearMultipleOfHalfPi(Random& random) {
  const std::uint64_t j = 1 + (random() >> (random() % 64));
  const int scale = random() % 4 == 0 ? static_cast<int>(random() % 16000) : 0;
  return Neighbour(NearMultiple(j, scale), static_cast<int>(random() % 7) - 3);
}

// ---- The program's own arguments ----------------------------------------------------------------

double ToDouble(const reference::Number& n) {
  return mpfr_get_d(n.get(), MPFR_RNDN);
}

// k = pi / 180 in extended, stored as a double, with the program's twelve-digit pi.
double DegreesToRadians() {
  reference::Number k(Extended{3.14159265359});
  return ToDouble(
      reference::Number(reference::Finish(k, mpfr_div_ui(k.get(), k.get(), 180, MPFR_RNDN))));
}

// phi = (theta - 90) * k for theta as typed, with one decimal place more than the program needs;
// then 30 * k in extended.
std::vector<Bits> ProgramArguments() {
  const double k = DegreesToRadians();
  std::vector<Bits> arguments;
  for (int thousandths = 100000; thousandths <= 120000; ++thousandths) {
    const std::string text = std::to_string(thousandths / 1000) + "." +
                             std::to_string(1000 + thousandths % 1000).substr(1);
    reference::Number phi(reference::FromDecimal(text));
    Extended offset = reference::Finish(phi, mpfr_sub_ui(phi.get(), phi.get(), 90, MPFR_RNDN));
    reference::Number product(offset), factor(Extended{k});
    const Extended extended_phi =
        reference::Finish(product, mpfr_mul(product.get(), product.get(), factor.get(), MPFR_RNDN));
    arguments.push_back(extended::ToBits(Extended{ToDouble(reference::Number(extended_phi))}));
  }
  reference::Number thirty(Extended{k});
  arguments.push_back(extended::ToBits(
      reference::Finish(thirty, mpfr_mul_ui(thirty.get(), thirty.get(), 30, MPFR_RNDN))));
  return arguments;
}

TEST(SinCosArguments, ProgramArgumentsAreTheProgramsOwn) {
  EXPECT_EQ(DegreesToRadians(), 0.017453292519944444);
  const std::vector<Bits> a = ProgramArguments();
  EXPECT_EQ(Text(a.front()), Text(extended::ToBits(Extended{0.17453292519944444})));
  EXPECT_EQ(Text(a[a.size() - 2]), Text(extended::ToBits(Extended{0.5235987755983333})));
}

// ---- Every class against MPFR ---------------------------------------------------------------

struct ArgumentClass {
  const char* name;
  std::function<std::vector<Bits>(long random_count)> make;
};

std::vector<Bits> Generate(long count, std::uint64_t seed,
                           const std::function<Bits(Random&)>& one) {
  Random random(seed);
  std::vector<Bits> v;
  for (long i = 0; i < count; ++i) v.push_back(one(random));
  return v;
}

std::vector<Bits> PowersOfTwo() {
  std::vector<Bits> v;
  for (int e = format::kMinNormalExponent - 63; e <= format::kMaxExponent; e += e < 200 ? 1 : 37) {
    const int biased = e + format::kExponentBias;
    const Bits magnitude = biased > 0 ? format::Make(false, biased, format::kIntegerBit)
                                      : format::Make(false, 0, std::uint64_t{1} << (62 + biased));
    v.push_back(magnitude);
    v.push_back(format::Make(true, format::BiasedExponent(magnitude), magnitude.significand));
  }
  return v;
}

std::vector<Bits> EdgesOfPiOverFour() {
  std::vector<Bits> v;
  for (int steps = -4; steps <= 4; ++steps) {
    const Bits x = Neighbour(kPiOverFourDown, steps);
    v.push_back(x);
    v.push_back(format::Make(true, format::BiasedExponent(x), x.significand));
  }
  // and the edges of the short cut for tiny arguments
  for (int e : {-34, -33, -32, -31}) {
    for (std::uint64_t s : {format::kIntegerBit, ~std::uint64_t{0}}) v.push_back(Make(false, e, s));
  }
  return v;
}

const std::vector<ArgumentClass>& Classes() {
  static const std::vector<ArgumentClass> classes = {
      {"the program's own", [](long) { return ProgramArguments(); }},
      {"the program's range 0.1745 to 0.5236",
       [](long n) {
         const Bits low = FromDecimal("0.1745"), high = FromDecimal("0.5236");
         return Generate(n * 6 / 10, 1, [&](Random& r) { return Between(r, low, high); });
       }},
      {"[-pi/4, pi/4]", [](long n) { return Generate(n * 3 / 10, 2, WithinPiOverFour); }},
      {"tiny and subnormal", [](long n) { return Generate(n / 10, 3, Tiny); }},
      {"powers of two", [](long) { return PowersOfTwo(); }},
      {"the edges of pi/4 and of the tiny", [](long) { return EdgesOfPiOverFour(); }},
      {"pi/4 to 2^20",
       [](long n) {
         return Generate(n / 20, 4, [](Random& r) {
           for (;;) {
             const Bits x = LogUniform(r, -1, 19);
             if (!AtMost(Magnitude(x), kPiOverFourDown)) return x;
           }
         });
       }},
      {"cosine's hard cases from 2^-32",
       [](long n) {
         std::vector<Bits> v;
         for (long i = 0; i < n / 100; ++i) v.push_back(NearCosineMidpoint(i));
         return v;
       }},
      {"sine's hard cases from 2^-32", [](long) { return NearSineMidpoints(); }},
      {"near multiples of pi/2", [](long n) { return Generate(n / 100, 5, NearMultipleOfHalfPi); }},
      {"the whole finite range",
       [](long n) {
         return Generate(n / 1000, 6, [](Random& r) {
           return LogUniform(r, format::kMinNormalExponent, format::kMaxExponent);
         });
       }},
  };
  return classes;
}

struct Tally {
  long results = 0, mismatches = 0, retried_256 = 0, retried_512 = 0;
};

// How far Ziv's loop went: only arguments from 2^-32 up take the attempts.
void CountAttempts(Function f, Bits x, Tally& tally) {
  if (format::BiasedExponent(x) < format::kExponentBias - 32 || format::IsNaN(x)) return;
  if (extended::trig::Attempt<2>(f, x).decided) return;
  ++tally.retried_256;
  if (!extended::trig::Attempt<4>(f, x).decided) ++tally.retried_512;
}

TEST(SinCos, CorrectlyRoundedOnEveryClassOfArguments) {
  const long n = RandomCount();
  Tally all;
  for (const ArgumentClass& c : Classes()) {
    Tally tally;
    for (const Bits x : c.make(n)) {
      for (const Function f : kFunctions) {
        const Bits ours = Ours(f, x), expected = Reference(f, x);
        ++tally.results;
        if (!Same(ours, expected) && ++tally.mismatches <= 5) {
          ADD_FAILURE() << c.name << ": " << Name(f) << "(" << Text(x) << ") = " << Text(ours)
                        << ", MPFR " << Text(expected);
        }
        CountAttempts(f, x, tally);
      }
    }
    EXPECT_EQ(tally.mismatches, 0) << c.name;
    std::printf(
        "%-38s %8ld results, %ld not correctly rounded, %ld retried in 256 bits, %ld in 512\n",
        c.name, tally.results, tally.mismatches, tally.retried_256, tally.retried_512);
    all.results += tally.results;
    all.mismatches += tally.mismatches;
    all.retried_256 += tally.retried_256;
    all.retried_512 += tally.retried_512;
  }
  std::printf(
      "%-38s %8ld results, %ld not correctly rounded, %ld retried in 256 bits, %ld in 512\n", "all",
      all.results, all.mismatches, all.retried_256, all.retried_512);
}

// Every attempt that calls its rounding decided gives MPFR's value, so the wider attempts are
// right too, not only the one that usually decides; and the 512-bit one always decides.
TEST(SinCos, EveryDecidedAttemptIsCorrectlyRounded) {
  long undecided_512 = 0;
  for (const ArgumentClass& c : Classes()) {
    std::vector<Bits> arguments = c.make(2000);
    if (arguments.size() > 1000) arguments.resize(1000);
    for (const Bits x : arguments) {
      if (format::BiasedExponent(x) < format::kExponentBias - 32) continue;
      for (const Function f : kFunctions) {
        const Bits expected = Reference(f, x);
        const extended::trig::Outcome attempts[] = {extended::trig::Attempt<2>(f, x),
                                                    extended::trig::Attempt<4>(f, x),
                                                    extended::trig::Attempt<8>(f, x)};
        for (int i = 0; i < 3; ++i) {
          if (!attempts[i].decided) {
            if (i == 2) ++undecided_512;
            continue;
          }
          EXPECT_TRUE(Same(attempts[i].result, expected))
              << c.name << ": " << Name(f) << "(" << Text(x) << ") in " << (128 << i)
              << " bits = " << Text(attempts[i].result) << ", MPFR " << Text(expected);
        }
      }
    }
  }
  EXPECT_EQ(undecided_512, 0);
}

TEST(SinCos, ZerosInfinitiesAndNaNs) {
  const Bits zero = format::Make(false, 0, 0), negative_zero = format::Make(true, 0, 0);
  const Bits one = format::Make(false, format::kExponentBias, format::kIntegerBit);
  const Bits nan = format::kNaNBits;
  struct Case {
    Bits x, sin, cos;
  } const cases[] = {
      {zero, zero, one},
      {negative_zero, negative_zero, one},
      {format::kInfinityBits, nan, nan},
      {format::Make(true, format::kExponentMask, format::kIntegerBit), nan, nan},
      {format::Make(false, format::kExponentMask, format::kIntegerBit | 1), nan, nan},
      {format::Make(true, format::kExponentMask, format::kIntegerBit | format::kQuietBit), nan,
       nan},
      {format::Make(false, format::kExponentBias, 1), nan, nan},  // unnormal
      {format::Make(false, format::kExponentMask, 0), nan, nan},  // pseudo-infinity
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Text(Ours(Function::kSine, c.x)), Text(c.sin)) << "sin " << Text(c.x);
    EXPECT_EQ(Text(Ours(Function::kCosine, c.x)), Text(c.cos)) << "cos " << Text(c.x);
  }
  // A pseudo-denormal is the number it encodes, the smallest normal: its sine comes back in the
  // normal encoding.
  const Bits pseudo_denormal = format::Make(true, 0, format::kIntegerBit);
  EXPECT_EQ(Text(Ours(Function::kSine, pseudo_denormal)),
            Text(format::Make(true, 1, format::kIntegerBit)));
}

// ---- The parts ----------------------------------------------------------------------------

// R, the bits below the significand, at H + delta, H half a significand unit.
template <int N>
extended::fixed::Fraction<N> AtMidpointPlus(std::int64_t delta) {
  extended::fixed::Fraction<N> y;
  y.limb[N - 1] = 0xC000000000000001;
  y.limb[N - 2] = std::uint64_t{1} << 63;
  extended::fixed::Fraction<N> d;
  d.limb[0] = static_cast<std::uint64_t>(delta < 0 ? -delta : delta);
  if (delta < 0) return extended::fixed::Subtract(y, d);
  for (std::int64_t i = 0; i < delta; ++i) y = extended::fixed::Increment(y);
  return y;
}

template <int N>
void ExpectMidpointReach() {
  const auto bound = static_cast<std::int64_t>(extended::trig::kErrorBound);
  for (std::int64_t delta : {-bound - 1, -bound, -1L, 0L, 1L, bound, bound + 1}) {
    const bool near = delta >= -bound && delta <= bound;
    EXPECT_EQ(extended::trig::NearMidpoint(AtMidpointPlus<N>(delta)), near)
        << N << " limbs, midpoint " << delta;
  }
  EXPECT_FALSE(extended::trig::NearMidpoint(extended::fixed::FromTop<N>(format::kIntegerBit)));
  EXPECT_FALSE(extended::trig::NearMidpoint(
      extended::fixed::Subtract(extended::fixed::Fraction<N>{}, extended::fixed::FromTop<N>(1))));
}

TEST(SinCosParts, RoundingTestReachesExactlyTheBoundAroundAMidpoint) {
  ExpectMidpointReach<2>();
  ExpectMidpointReach<4>();
  ExpectMidpointReach<8>();
}

TEST(SinCosParts, TablesAreTheBitsOfTwoOverPiAndPiOverFour) {
  const auto check = [](reference::TrigConstant constant, const auto& table) {
    const std::vector<std::uint64_t> expected =
        reference::FractionWords(constant, static_cast<int>(std::size(table)));
    ASSERT_EQ(expected.size(), std::size(table));
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(table[i], expected[i]) << i;
  };
  check(reference::TrigConstant::kTwoOverPi, extended::tables::kTwoOverPi);
  check(reference::TrigConstant::kPiOverFour, extended::tables::kPiOverFour);
}

// The fixed-point product against GMP's, for limbs that carry everywhere and random ones.
TEST(SinCosParts, FixedPointProductIsTheTruncatedExactOne) {
  Random random(7);
  for (int trial = 0; trial < 2000; ++trial) {
    extended::fixed::Fraction<4> a, b;
    for (int i = 0; i < 4; ++i) {
      a.limb[i] = trial < 10 ? ~std::uint64_t{0} : random() >> (random() % 4 * 20);
      b.limb[i] = trial < 5 ? ~std::uint64_t{0} : random();
    }
    const extended::fixed::Fraction<4> p = extended::fixed::Multiply(a, b);
    mpz_t za, zb, zp;
    mpz_inits(za, zb, zp, nullptr);
    mpz_import(za, 4, -1, 8, 0, 0, a.limb.data());
    mpz_import(zb, 4, -1, 8, 0, 0, b.limb.data());
    mpz_mul(zp, za, zb);
    mpz_fdiv_q_2exp(zp, zp, 256);
    std::uint64_t expected[4] = {};
    mpz_export(expected, nullptr, -1, 8, 0, 0, zp);
    mpz_clears(za, zb, zp, nullptr);
    for (int i = 0; i < 4; ++i) ASSERT_EQ(p.limb[i], expected[i]) << "trial " << trial;
  }
}

}  // namespace
