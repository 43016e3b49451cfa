#include <algorithm>
#include <cstddef>
#include <string>

#include "numtext/numtext.h"
#include "numtext/rounded_digits.h"

namespace numtext {
namespace {

// Writes up to its capacity and counts everything, so a text longer than the work area is
// only measured; it is then written again straight into a result of its exact length.
class Sink {
 public:
  Sink(char* out, std::size_t capacity) : out_(out), capacity_(capacity) {}
  void Put(char c) {
    if (size_ < capacity_) out_[size_] = c;
    ++size_;
  }
  std::size_t Size() const { return size_; }

 private:
  char* out_;
  std::size_t capacity_;
  std::size_t size_ = 0;
};

// What a mask asks of the number. The plain rendering of the empty mask also leaves out
// trailing fraction zeros, and its point with them, and takes the exponent form d.dddE+x.
struct Shape {
  bool has_number = false;          // a digit place or a point
  std::size_t integer_zeros = 0;    // the least number of integer digits
  std::size_t fraction_places = 0;  // the value is rounded to these
  std::size_t fraction_zeros = 0;   // fraction digits shown even when trailing zeros
  bool point = false;
  bool point_optional = false;  // the point only shows with fraction digits after it
  bool exponent = false;
};

// The number as printed: sign, integer digits, point, fraction, exponent.
struct NumberLayout {
  RoundedDigits digits;
  int front = -1;                  // a digit put in front of the kept digits (0 or 1), or none
  std::size_t integer_digits = 0;  // before padding
  std::size_t width = 0;           // integer digits after padding
  std::size_t fraction = 0;        // fraction digits shown
  bool point = false;
  bool negative = false;
  bool exponent = false;
  long long exponent_value = 0;

  int Digit(std::size_t j) const {
    if (front < 0) return digits.At(j);
    return j == 0 ? front : digits.At(j - 1);
  }
};

bool IsZero(const DigitRendering& r) {
  return r.digits[0] == '0';
}

// Digit places "0" and the first point; every other character is left out.
Shape ReadMask(std::string_view mask) {
  Shape s;
  for (const char c : mask) {
    if (c == '0') {
      if (s.point) {
        s.fraction_zeros = ++s.fraction_places;
      } else {
        ++s.integer_zeros;
      }
      s.has_number = true;
    } else if (c == '.') {
      s.point = true;
      s.has_number = true;
    }
  }
  return s;
}

// The empty mask's, which only the same-numbers listing asks for: every significant digit,
// without trailing zeros, fixed from 0.001 to below 10^18 and in exponent form elsewhere.
Shape PlainShape(const DigitRendering& r) {
  Shape s;
  s.has_number = true;
  s.integer_zeros = 1;
  s.point = true;
  s.point_optional = true;
  if (r.exponent >= -2 && r.exponent <= 18) {
    s.fraction_places = static_cast<std::size_t>(18 - r.exponent);
  } else {
    s.fraction_places = 17;
    s.exponent = true;
  }
  return s;
}

// Trailing zeros beyond the shape's fraction zeros are not shown.
std::size_t ShownFraction(const NumberLayout& n, const Shape& s) {
  std::size_t shown = s.fraction_places;
  while (shown > s.fraction_zeros && n.Digit(n.integer_digits + shown - 1) == 0) --shown;
  return shown;
}

void Finish(NumberLayout& n, const Shape& s) {
  n.width = std::max(n.integer_digits, s.integer_zeros);
  n.fraction = ShownFraction(n, s);
  n.point = s.point && !(s.point_optional && n.fraction == 0);
}

NumberLayout FixedLayout(const DigitRendering& r, const Shape& s) {
  const std::size_t integer = r.exponent > 0 ? static_cast<std::size_t>(r.exponent) : 0;
  const std::size_t lead = r.exponent < 0 ? static_cast<std::size_t>(-r.exponent) : 0;
  NumberLayout n{RoundedDigits(r, lead, integer + s.fraction_places)};
  n.integer_digits = integer;
  if (n.digits.CarryOut()) {
    n.front = 1;
  } else if (integer == 0) {
    n.front = 0;  // the integer part is at least "0"
  }
  if (n.front >= 0) ++n.integer_digits;
  const bool rounded_to_zero = s.fraction_places == 0 && integer == 0 && n.front == 0;
  n.negative = r.negative && !rounded_to_zero;
  Finish(n, s);
  return n;
}

// One integer digit, the fraction, and the exponent with its sign.
NumberLayout ExponentLayout(const DigitRendering& r, const Shape& s) {
  NumberLayout n{RoundedDigits(r, 0, 1 + s.fraction_places)};
  n.integer_digits = 1;
  n.exponent = true;
  if (!IsZero(r)) n.exponent_value = r.exponent - 1 + (n.digits.CarryOut() ? 1 : 0);
  if (n.digits.CarryOut()) n.front = 1;
  n.negative = r.negative;
  Finish(n, s);
  return n;
}

void PutExponent(const NumberLayout& n, Sink& out) {
  out.Put('E');
  out.Put(n.exponent_value < 0 ? '-' : '+');
  char digits[24];
  int count = 0;
  for (auto v = static_cast<unsigned long long>(n.exponent_value < 0 ? -n.exponent_value
                                                                     : n.exponent_value);
       v != 0 || count == 0; v /= 10) {
    digits[count++] = static_cast<char>('0' + v % 10);
  }
  while (count > 0) out.Put(digits[--count]);
}

void PutNumber(const NumberLayout& n, Sink& out) {
  if (n.negative) out.Put('-');
  const std::size_t pad = n.width - n.integer_digits;
  for (std::size_t i = 0; i < n.width; ++i) {
    out.Put(i < pad ? '0' : static_cast<char>('0' + n.Digit(i - pad)));
  }
  if (n.point) out.Put('.');
  for (std::size_t i = 0; i < n.fraction; ++i) {
    out.Put(static_cast<char>('0' + n.Digit(n.integer_digits + i)));
  }
  if (n.exponent) PutExponent(n, out);
}

std::string Render(const DigitRendering& r, const Shape& s) {
  if (!s.has_number) return {};
  const NumberLayout n = s.exponent ? ExponentLayout(r, s) : FixedLayout(r, s);
  char work[128];
  Sink first(work, sizeof work);
  PutNumber(n, first);
  if (first.Size() <= sizeof work) return std::string(work, first.Size());
  std::string text(first.Size(), '\0');
  Sink second(text.data(), text.size());
  PutNumber(n, second);
  return text;
}

}  // namespace

std::string FormatNumber(Extended x, std::string_view mask) {
  const DigitRendering r = DecimalDigits(x);
  return Render(r, mask.empty() ? PlainShape(r) : ReadMask(mask));
}

}  // namespace numtext
