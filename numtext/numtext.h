// Number text: reading a number from a typed answer, and printing a number under a mask.
//
// The mask language of FormatNumber
// ---------------------------------
// A mask is read left to right. Its characters mean:
//   0      a digit place; integer places pad the integer part with leading "0" up to their count,
//          fraction places always show a digit.
//   #      a digit place that pads nothing: in the integer part it only widens the mask, in the
//          fraction it shows a digit only when that digit, or a later shown one, is not a trailing
//          "0". The value is rounded to all fraction places, "0" and "#" alike.
//   .      the first one is the decimal point, printed whenever the section has one; later ones
//          are copied.
//   ,      before the point (and before an exponent): group the integer digits by three with ",".
//          After the point it is left out.
//   %      the value is multiplied by 100 (once per section, however many "%" it has) and the
//          "%" is copied where it stands.
//   E+ E- e+ e-   exponent form (once per section; a later one is copied as text). The digit
//          places after it give the exponent, which has at least as many digits as it has "0"
//          places and at least one; "+" shows the exponent's sign always, "-" only when negative.
//          The number then has exactly max(1, integer places) integer digits.
//   "text" copied without the quotes (an unclosed quote runs to the end of the section).
//   \c     the character c is copied (a trailing "\" is left out).
//   *c     a fill with c: there is no field width to fill, so both characters are left out.
//   - + ( ) $ blank   copied.
//   ;      separates up to three sections: the first for positive values, the second for
//          negative ones (printed without their "-"), the third for zero (exact zero, negative
//          zero, a NaN and values below the smallest normal extended). A missing section falls
//          back to the first; a further ";" and all after it are left out.
//   Every other character is left out.
// Copied text before the section's first digit place, point or exponent is printed in front of
// the number; all other copied text is printed after it, in mask order. A negative value in the
// first section gets a "-" directly in front of its first digit. A section without a digit place
// or point prints only its text. The number is rounded on its 18-digit rendering, ties to the even
// digit; integer digits are never cut. The integer part is at least "0", so ".00" and "#.##" print
// 0.5 as "0.50" and "0.5".
// An empty mask gives a plain rendering: all 18 significant digits with trailing zeros removed,
// in fixed form for values from 0.001 to below 10^18 and as d.dddE+x otherwise ("0" for zero).
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
