#include <algorithm>
#include <cstddef>
#include <string>

#include "numtext/mask.h"
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

// The number part of a section's text: sign, integer digits, point, fraction, exponent.
struct NumberLayout {
  RoundedDigits digits;
  int front = -1;                  // a digit put in front of the kept digits (0 or 1), or none
  std::size_t integer_digits = 0;  // before padding
  std::size_t width = 0;           // integer digits after padding
  std::size_t fraction = 0;        // fraction digits shown
  bool point = false;
  bool grouping = false;
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

// Trailing zeros at "#" places are not shown.
std::size_t ShownFraction(const NumberLayout& n, const MaskSection& s) {
  std::size_t shown = s.fraction_places;
  while (shown > s.fraction_zeros && n.Digit(n.integer_digits + shown - 1) == 0) --shown;
  return shown;
}

void Finish(NumberLayout& n, const MaskSection& s) {
  n.width = std::max(n.integer_digits, s.integer_zeros);
  n.fraction = ShownFraction(n, s);
  n.point = s.point && !(s.point_optional && n.fraction == 0);
  n.grouping = s.grouping && !s.exponent;
}

NumberLayout FixedLayout(const DigitRendering& r, const MaskSection& s, bool show_sign) {
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
  n.negative = show_sign && r.negative && !rounded_to_zero;
  Finish(n, s);
  return n;
}

NumberLayout ExponentLayout(const DigitRendering& r, const MaskSection& s, bool show_sign) {
  const std::size_t integer = std::max<std::size_t>(s.integer_places, 1);
  NumberLayout n{RoundedDigits(r, 0, integer + s.fraction_places)};
  n.integer_digits = integer;
  n.exponent = true;
  if (!IsZero(r)) {
    n.exponent_value = r.exponent - static_cast<long long>(integer) + (n.digits.CarryOut() ? 1 : 0);
  }
  if (n.digits.CarryOut()) n.front = 1;
  n.negative = show_sign && r.negative;
  Finish(n, s);
  return n;
}

void PutExponent(const NumberLayout& n, const MaskSection& s, Sink& out) {
  out.Put(s.exponent_letter);
  if (n.exponent_value < 0) {
    out.Put('-');
  } else if (s.exponent_plus) {
    out.Put('+');
  }
  char digits[24];
  int count = 0;
  for (auto v = static_cast<unsigned long long>(n.exponent_value < 0 ? -n.exponent_value
                                                                     : n.exponent_value);
       v != 0 || count == 0; v /= 10) {
    digits[count++] = static_cast<char>('0' + v % 10);
  }
  for (std::size_t i = static_cast<std::size_t>(count); i < s.exponent_zeros; ++i) out.Put('0');
  while (count > 0) out.Put(digits[--count]);
}

void PutNumber(const NumberLayout& n, const MaskSection& s, Sink& out) {
  if (n.negative) out.Put('-');
  const std::size_t pad = n.width - n.integer_digits;
  for (std::size_t i = 0; i < n.width; ++i) {
    if (n.grouping && i > 0 && (n.width - i) % 3 == 0) out.Put(',');
    out.Put(i < pad ? '0' : static_cast<char>('0' + n.Digit(i - pad)));
  }
  if (n.point) out.Put('.');
  for (std::size_t i = 0; i < n.fraction; ++i) {
    out.Put(static_cast<char>('0' + n.Digit(n.integer_digits + i)));
  }
  if (n.exponent) PutExponent(n, s, out);
}

void PutText(const MaskSection& s, bool in_front, Sink& out) {
  if (!s.has_text) return;
  MaskTokenizer tokens(s.text);
  MaskToken t{};
  while (tokens.Next(t)) {
    const bool copied = t.kind == MaskTokenKind::kText || t.kind == MaskTokenKind::kPercent;
    if (copied && (t.at < s.number_begin) == in_front) out.Put(t.c);
  }
}

void Put(const MaskSection& s, const NumberLayout* n, Sink& out) {
  PutText(s, true, out);
  if (n != nullptr) PutNumber(*n, s, out);
  PutText(s, false, out);
}

std::string Text(const MaskSection& s, const NumberLayout* n) {
  char work[128];
  Sink first(work, sizeof work);
  Put(s, n, first);
  if (first.Size() <= sizeof work) return std::string(work, first.Size());
  std::string text(first.Size(), '\0');
  Sink second(text.data(), text.size());
  Put(s, n, second);
  return text;
}

// Every significant digit, without trailing zeros: fixed from 0.001 to below 10^18, exponent
// form elsewhere.
MaskSection PlainSection(const DigitRendering& r) {
  MaskSection s;
  s.has_number = true;
  s.integer_places = 1;
  s.integer_zeros = 1;
  s.point = true;
  s.point_optional = true;
  if (r.exponent >= -2 && r.exponent <= 18) {
    s.fraction_places = static_cast<std::size_t>(18 - r.exponent);
  } else {
    s.fraction_places = 17;
    s.exponent = true;
    s.exponent_plus = true;
  }
  return s;
}

std::string Render(const DigitRendering& r, const MaskSection& s, bool show_sign) {
  if (!s.has_number) return Text(s, nullptr);
  const NumberLayout n =
      s.exponent ? ExponentLayout(r, s, show_sign) : FixedLayout(r, s, show_sign);
  return Text(s, &n);
}

}  // namespace

std::string FormatNumber(Extended x, std::string_view mask) {
  const DigitRendering r = DecimalDigits(x);
  if (mask.empty()) return Render(r, PlainSection(r), true);
  const MaskSections sections = SplitMask(mask);
  int chosen = 0;
  if (IsZero(r)) {
    if (sections.count == 3) chosen = 2;
  } else if (r.negative && sections.count >= 2) {
    chosen = 1;
  }
  const MaskSection s = ReadSection(sections.text[chosen]);
  const bool show_sign = chosen == 0;
  if (!s.percent) return Render(r, s, show_sign);
  return Render(DecimalDigits(x * 100), s, show_sign);
}

}  // namespace numtext
