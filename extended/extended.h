// The number format of the whole program: the 80-bit extended format of the x87 (64-bit
// significand with an explicit integer bit, 15-bit exponent with bias 16383, subnormals, signed
// zeros, infinities and NaNs), rounding to nearest with ties to even, never trapping.
//
// Two implementations stand behind this one header, chosen when the program is built:
//   native    long double, where the compiler's long double is this very format (GCC, Clang
//             and MinGW on x86 and x86-64);
//   software  the format on 64-bit integers (extended/software.h), everywhere else.
// Both give the same bits for every operation, so every build computes the same numbers. Sine
// and cosine are our own on both paths: correctly rounded, whatever the C library does.
//
// Every intermediate result of the program's arithmetic is an Extended; values kept in variables
// are doubles. Nothing outside this folder names long double.
#pragma once

#include <compare>
#include <concepts>
#include <cstdint>
#include <type_traits>

#include "extended/bits.h"

#if SORVANTA_SOFTWARE_EXTENDED
#include "extended/software.h"
#else
#include <cfloat>
#include <cstring>
static_assert(LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384,
              "the native path needs long double to be the x87 extended format");
#endif

class Extended;

namespace extended {
constexpr Extended FromBits(Bits bits);
Bits ToBits(Extended x);
#if !SORVANTA_SOFTWARE_EXTENDED
namespace native {
constexpr long double Value(Extended x);
constexpr Extended Wrap(long double v);
}  // namespace native
#endif
}  // namespace extended

class Extended {
 public:
  constexpr Extended() = default;  // +0
  constexpr Extended(double d);    // exact
  template <std::integral T>
  requires(!std::same_as<T, bool>) constexpr Extended(
      T v);  // exact: every 64-bit integer fits the significand

  explicit operator double() const;  // one rounding, ties to even

  Extended operator-() const;
  Extended operator+() const { return *this; }
  friend Extended operator+(Extended a, Extended b);
  friend Extended operator-(Extended a, Extended b);
  friend Extended operator*(Extended a, Extended b);
  friend Extended operator/(Extended a, Extended b);
  Extended& operator+=(Extended b) { return *this = *this + b; }
  Extended& operator-=(Extended b) { return *this = *this - b; }
  Extended& operator*=(Extended b) { return *this = *this * b; }
  Extended& operator/=(Extended b) { return *this = *this / b; }

  // A NaN is unordered with everything, itself included; -0 equals +0.
  friend bool operator==(Extended a, Extended b);
  friend std::partial_ordering operator<=>(Extended a, Extended b);

 private:
  friend constexpr Extended extended::FromBits(extended::Bits bits);
  friend extended::Bits extended::ToBits(Extended x);

#if SORVANTA_SOFTWARE_EXTENDED
  explicit constexpr Extended(extended::Bits bits) : bits_(bits) {}
  extended::Bits bits_{0, 0};
#else
  friend constexpr long double extended::native::Value(Extended x);
  friend constexpr Extended extended::native::Wrap(long double v);
  static constexpr Extended Native(long double v) {
    Extended x;
    x.value_ = v;
    return x;
  }
  long double value_ = 0;
#endif
};

namespace extended {

// x rounded to a whole number, ties to even; zeros, infinities and NaNs unchanged.
Extended RoundToWhole(Extended x);
// x times 2^n, rounded once (a subnormal result is rounded to its fewer bits).
Extended ScaleByPowerOfTwo(Extended x, int n);

// The correctly rounded square root: -0 for -0, NaN for negative numbers and NaN.
Extended Sqrt(Extended x);
// Sine and cosine of x in radians, correctly rounded for |x| <= pi/4; see sin_cos.cpp for the
// behaviour beyond that.
Extended Sin(Extended x);
Extended Cos(Extended x);

// A NaN here is every encoding the x87 refuses as an operand too: NaNs, and the unnormals,
// pseudo-NaNs and pseudo-infinities (integer bit clear where it must be set).
bool IsNaN(Extended x);
bool IsInfinite(Extended x);
bool IsFinite(Extended x);
bool SignBit(Extended x);
Extended Abs(Extended x);
Extended CopySign(Extended magnitude, Extended sign);
constexpr Extended Infinity();
constexpr Extended QuietNaN();

// Puts the processor's floating point in the mode the whole program runs in: round to nearest,
// every exception masked (and on x87, 64-bit precision), so that nothing ever traps. Called at
// start-up and after every call into the window services, which may change it.
void EstablishFloatingPoint();

}  // namespace extended

// ---- The two paths ----------------------------------------------------------------------------

#if SORVANTA_SOFTWARE_EXTENDED

constexpr Extended::Extended(double d) : bits_(extended::software::FromDouble(d)) {}
template <std::integral T>
requires(!std::same_as<T, bool>) constexpr Extended::Extended(T v)
    : bits_(v < 0 ? extended::software::FromInteger(
                        -static_cast<std::uint64_t>(static_cast<std::int64_t>(v)), true)
                  : extended::software::FromInteger(static_cast<std::uint64_t>(v), false)) {}
inline Extended::operator double() const {
  return extended::software::ToDouble(bits_);
}
inline Extended Extended::operator-() const {
  return Extended(extended::software::Negate(bits_));
}
inline Extended operator+(Extended a, Extended b) {
  return Extended(extended::software::Add(a.bits_, b.bits_));
}
inline Extended operator-(Extended a, Extended b) {
  return Extended(extended::software::Subtract(a.bits_, b.bits_));
}
inline Extended operator*(Extended a, Extended b) {
  return Extended(extended::software::Multiply(a.bits_, b.bits_));
}
inline Extended operator/(Extended a, Extended b) {
  return Extended(extended::software::Divide(a.bits_, b.bits_));
}
inline bool operator==(Extended a, Extended b) {
  return extended::software::Compare(a.bits_, b.bits_) == std::partial_ordering::equivalent;
}
inline std::partial_ordering operator<=>(Extended a, Extended b) {
  return extended::software::Compare(a.bits_, b.bits_);
}

constexpr Extended extended::FromBits(Bits bits) {
  return Extended(bits);
}
inline extended::Bits extended::ToBits(Extended x) {
  return x.bits_;
}

#else  // native

constexpr Extended::Extended(double d) : value_(d) {}
template <std::integral T>
requires(!std::same_as<T, bool>) constexpr Extended::Extended(T v)
    : value_(static_cast<long double>(v)) {}
inline Extended::operator double() const {
  return static_cast<double>(value_);
}
inline Extended Extended::operator-() const {
  return Native(-value_);
}
inline Extended operator+(Extended a, Extended b) {
  return Extended::Native(a.value_ + b.value_);
}
inline Extended operator-(Extended a, Extended b) {
  return Extended::Native(a.value_ - b.value_);
}
inline Extended operator*(Extended a, Extended b) {
  return Extended::Native(a.value_ * b.value_);
}
inline Extended operator/(Extended a, Extended b) {
  return Extended::Native(a.value_ / b.value_);
}
inline bool operator==(Extended a, Extended b) {
  return a.value_ == b.value_;
}
inline std::partial_ordering operator<=>(Extended a, Extended b) {
  return a.value_ <=> b.value_;
}

constexpr Extended extended::FromBits(Bits bits) {
  if (!std::is_constant_evaluated()) {
    long double v = 0;
    std::memcpy(&v, &bits.significand, sizeof bits.significand);
    std::memcpy(reinterpret_cast<unsigned char*>(&v) + sizeof bits.significand, &bits.sign_exponent,
                sizeof bits.sign_exponent);
    return Extended::Native(v);
  }
  // At compile time, from the value; only canonical encodings reach here.
  const int biased = bits.sign_exponent & format::kExponentMask;
  long double v = 0;
  if (biased == format::kExponentMask) {
    v = bits.significand == format::kIntegerBit ? __builtin_infl() : __builtin_nanl("");
  } else {
    v = static_cast<long double>(bits.significand);
    int e = (biased == 0 ? 1 : biased) - format::kExponentBias - 63;
    for (; e > 0; --e) v *= 2;
    for (; e < 0; ++e) v /= 2;  // exact: the significand has no bit below the subnormal range
  }
  return Extended::Native((bits.sign_exponent & format::kSignBit) != 0 ? -v : v);
}
constexpr long double extended::native::Value(Extended x) {
  return x.value_;
}
constexpr Extended extended::native::Wrap(long double v) {
  return Extended::Native(v);
}
inline extended::Bits extended::ToBits(Extended x) {
  Bits bits{};
  std::memcpy(&bits.significand, &x.value_, sizeof bits.significand);
  std::memcpy(&bits.sign_exponent, reinterpret_cast<const unsigned char*>(&x.value_) + 8,
              sizeof bits.sign_exponent);
  return bits;
}

#endif

// ---- Classification, the same on both paths -----------------------------------------------------

inline bool extended::IsNaN(Extended x) {
  return format::IsNaN(ToBits(x));
}
inline bool extended::IsInfinite(Extended x) {
  return format::IsInfinity(ToBits(x));
}
inline bool extended::IsFinite(Extended x) {
  return !IsNaN(x) && !IsInfinite(x);
}
inline bool extended::SignBit(Extended x) {
  return (ToBits(x).sign_exponent & format::kSignBit) != 0;
}
inline Extended extended::CopySign(Extended magnitude, Extended sign) {
  Bits b = ToBits(magnitude);
  b.sign_exponent = static_cast<std::uint16_t>((b.sign_exponent & format::kExponentMask) |
                                               (ToBits(sign).sign_exponent & format::kSignBit));
  return FromBits(b);
}
inline Extended extended::Abs(Extended x) {
  return CopySign(x, Extended{});
}
constexpr Extended extended::Infinity() {
  return FromBits(format::kInfinityBits);
}
constexpr Extended extended::QuietNaN() {
  return FromBits(format::kNaNBits);
}
