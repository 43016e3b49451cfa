// Number text: reading a number from a typed answer, and printing a number under a mask.
//
// The mask of FormatNumber
// ------------------------
// A mask is digit places "0" with a decimal point among them, as the program's "0.00", "00.00"
// and "0.0". Integer places pad the integer part with leading "0" up to their count; the integer
// part is at least "0" and its digits are never cut. Fraction places always show a digit: the
// number is rounded to them on its 18-digit rendering, ties to the even digit. A negative value
// has a "-" in front of its digits, unless the mask has no fraction place and the value rounds
// to 0. Every other character, a second point among them, is left out; a mask with neither a
// digit place nor a point prints nothing.
// The empty mask gives a plain rendering, for the same-numbers listing, which shows every value to
// all its digits: the 18 significant digits with trailing zeros removed, in fixed form for values
// from 0.001 to below 10^18 and as d.dddE+x otherwise ("0" for zero).
// No mask fails and no mask makes FormatNumber write outside its result, whatever its length.
#pragma once

#include <string>
#include <string_view>

#include "extended/extended.h"

namespace numtext {

// The value of an answer's text: a decimal number with optional exponent, or a radix number
// after "&". Text that holds no number reads as 0, whatever follows the number is ignored, and
// nothing fails. No heap allocation.
Extended ReadNumber(std::string_view text);

// x times 10^n in extended precision. The power is exact up to 10^27; beyond that each table
// entry and each product carries one rounding. Far outside the table's reach (|n| > 12287) a
// finite non-zero x gives an infinity or zero of its sign; zero, infinities and NaNs come back
// unchanged.
Extended ScaleByPowerOfTen(Extended x, int n);

// The value's magnitude is 0.d1d2d3... times 10^exponent, where digits holds d1 to d19 as
// characters and every later digit is "0". A finite value has 18 significant digits (the 19th is
// "0"); an infinity has nineteen "9" and exponent 999; zero, a NaN and values below the smallest
// normal extended give a positive all-"0" rendering with exponent 1.
struct DigitRendering {
  bool negative;
  int exponent;
  char digits[19];
};

DigitRendering DecimalDigits(Extended x);

// The value as text under a mask (language above). Allocates nothing but its result.
std::string FormatNumber(Extended x, std::string_view mask);

}  // namespace numtext
