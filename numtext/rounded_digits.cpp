#include "numtext/rounded_digits.h"

namespace numtext {

namespace {
constexpr std::size_t kRenderedDigits = sizeof(DigitRendering::digits);
}

RoundedDigits::RoundedDigits(const DigitRendering& r, std::size_t lead, std::size_t kept)
    : r_(r), lead_(lead), up_(RoundsUp(kept)) {
  if (!up_) return;
  // Nines run only inside the rendered digits, so this walks at most their length.
  std::size_t q = kept;
  while (q > 0 && Raw(q - 1) == 9) --q;
  if (q > 0) bump_ = q - 1;
}

int RoundedDigits::Raw(std::size_t j) const {
  if (j < lead_ || j - lead_ >= kRenderedDigits) return 0;
  return r_.digits[j - lead_] - '0';
}

bool RoundedDigits::RoundsUp(std::size_t kept) const {
  const int first = Raw(kept);
  if (first != 5) return first > 5;
  for (std::size_t j = kept + 1 > lead_ ? kept + 1 : lead_; j < lead_ + kRenderedDigits; ++j) {
    if (Raw(j) != 0) return true;
  }
  return kept > 0 && Raw(kept - 1) % 2 != 0;
}

int RoundedDigits::At(std::size_t j) const {
  if (!up_ || (bump_ != kNone && j < bump_)) return Raw(j);
  return j == bump_ ? Raw(j) + 1 : 0;
}

}  // namespace numtext
