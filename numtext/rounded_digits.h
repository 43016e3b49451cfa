// A digit rendering cut to a number of kept digits, rounded on the digit string.
#pragma once

#include <cstddef>

#include "numtext/numtext.h"

namespace numtext {

// The digit string is `lead` zeros, then the rendering's digits, then zeros without end. It is
// rounded to its first `kept` digits by the first dropped digit, an exact tie in the string going
// to the even kept digit (down when nothing is kept).
class RoundedDigits {
 public:
  RoundedDigits(const DigitRendering& r, std::size_t lead, std::size_t kept);

  // Rounding carried out of the first kept digit: the kept digits are all 0 and a "1" stands
  // in front of them.
  bool CarryOut() const { return up_ && bump_ == kNone; }
  int At(std::size_t j) const;  // kept digit j, after rounding

 private:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  int Raw(std::size_t j) const;
  bool RoundsUp(std::size_t kept) const;

  const DigitRendering& r_;
  std::size_t lead_;
  bool up_;
  std::size_t bump_ = kNone;  // the kept digit that a rounding up raises by one
};

}  // namespace numtext
