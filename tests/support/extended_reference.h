// MPFR as the reference for the extended format: 64-bit precision, the format's exponent range
// and subnormals, so that a correctly rounded MPFR result is the extended value the arithmetic
// must give, on every processor.
#pragma once

#include <mpfr.h>

#include <string>

#include "extended/extended.h"

namespace reference {

// Sets MPFR's exponent range to the extended format's; call before any other function here.
void UseExtendedRange();

// An MPFR number of 64-bit precision that frees itself.
class Number {
 public:
  Number();
  explicit Number(Extended x);
  ~Number();
  Number(const Number&) = delete;
  Number& operator=(const Number&) = delete;
  mpfr_ptr get() { return value_; }
  mpfr_srcptr get() const { return value_; }

 private:
  mpfr_t value_;
};

// Rounds the result of an MPFR operation (with its ternary value) onto the format's subnormal
// grid and range, and reads it as an extended value.
Extended Finish(Number& result, int ternary);

// The decimal text's correctly rounded extended value.
Extended FromDecimal(const std::string& text);

// x's first `digits` significant decimal digits, correctly rounded, and its decimal exponent
// e such that |x| = 0.ddd... * 10^e.
std::string Digits(Extended x, int digits, long* exponent);

}  // namespace reference
