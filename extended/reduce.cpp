// Payne and Hanek's reduction: x * 2/pi from only the words of 2/pi that reach its last two
// integer bits and the fraction, so it costs the same for x = 1 and for x = 2^16383.
#include "extended/reduce.h"

#include <algorithm>
#include <iterator>

#include "extended/trig_tables.h"

namespace extended::trig {
namespace {

constexpr int kTableWords = static_cast<int>(std::size(tables::kTwoOverPi));
constexpr int kMaxWindow = 48;

template <int N>
constexpr fixed::Fraction<N> PiOverFour() {
  static_assert(N <= static_cast<int>(std::size(tables::kPiOverFour)));
  fixed::Fraction<N> p;
  for (int i = 0; i < N; ++i) p.limb[N - 1 - i] = tables::kPiOverFour[i];
  return p;
}

// Clears a[0 .. n) from bit `from` up.
void KeepBelow(std::uint64_t* a, int n, int from) {
  for (int i = 0; i < n; ++i) {
    if (64 * i >= from) {
      a[i] = 0;
    } else if (64 * i + 64 > from) {
      a[i] &= (std::uint64_t{1} << (from - 64 * i)) - 1;
    }
  }
}

void Negate(std::uint64_t* a, int n) {
  std::uint64_t carry = 1;
  for (int i = 0; i < n; ++i) {
    a[i] = ~a[i] + carry;
    carry = (carry != 0 && a[i] == 0) ? 1 : 0;
  }
}

}  // namespace

// With x = m * 2^(exponent - 63) and 2/pi = sum of T[w] * 2^(-64(w+1)), word w contributes
// m * T[w] * 2^(exponent - 127 - 64w) to x * 2/pi: a multiple of 4, which changes neither sine
// nor cosine, for every w with exponent - 127 - 64w >= 2. The window starts at the first word
// that is not, `first`, and its lowest word has the weight 2^(scale - 64(window - 1)), with
// scale = exponent - 127 - 64 first in [-128, 1].
//
// The window's product A = m * T[first .. first + window) is exact; the words of 2/pi left
// below the window add less than m * 2^(scale - 64 window) < 2^64 units of A's last bit, and
// always upwards. The reduced fraction is taken from A's bits below the point, so it is known
// to within 2^64 of those units. The window grows until the fraction has at least 64N + 69
// significant bits: then that error is below 2^-(64N + 4) of the fraction, relatively, and it
// cannot even flip its sign.
//
// The relative error of r, in units of 2^-64N: the fraction's 1/16, its truncation to N limbs
// (one unit of a number of at least 1/2: 2 units), pi/4 truncated (1 unit of 0.785: 1.28) and
// the product truncated (one unit of a number of at least 0.39: 2.55); under 6 in all.
template <int N>
Reduced<N> Reduce(std::uint64_t m, int exponent) {
  const int first = exponent >= 129 ? (exponent - 129) / 64 + 1 : 0;
  const int scale = exponent - 127 - 64 * first;
  const int needed = 64 * N + 69;
  const int most = std::min(kMaxWindow, kTableWords - first);
  std::uint64_t window_words[kMaxWindow] = {};
  std::uint64_t a[kMaxWindow + 1] = {};
  Reduced<N> r;
  for (int window = std::min(N + 3, most);; window = std::min(window + 1, most)) {
    for (int i = 0; i < window; ++i) window_words[i] = tables::kTwoOverPi[first + window - 1 - i];
    const int n = window + 1;
    fixed::MultiplyFull(&m, 1, window_words, window, a);
    const int point = 64 * (window - 1) - scale;  // A's bits below it are the fraction
    r.quadrant = static_cast<int>(fixed::WordAt(a, n, point) & 3);
    KeepBelow(a, n, point);
    // A fraction of 1/2 or more is the nearer quadrant's negative remainder.
    r.negative = ((fixed::WordAt(a, n, point - 1) & 1) != 0);
    if (r.negative) {
      Negate(a, n);
      KeepBelow(a, n, point);
      r.quadrant = (r.quadrant + 1) & 3;
    }
    const int length = fixed::BitLength(a, n);
    r.precise = length >= needed;
    if (!r.precise && window < most) continue;
    // |t| = g * 2^-(point - length) with g = A / 2^length in [1/2, 1); r = |t| * pi/2.
    fixed::Fraction<N> g;
    for (int i = 0; i < N; ++i) g.limb[N - 1 - i] = fixed::WordAt(a, n, length - 64 * (i + 1));
    const fixed::Fraction<N> h = fixed::Multiply(g, PiOverFour<N>());  // in [0.39, 1)
    const int leading_zeros = point - length;
    const bool low = (h.Top() >> 63) == 0;
    r.f = low ? fixed::Double(h) : h;
    r.shift = low ? leading_zeros : leading_zeros - 1;
    return r;
  }
}

template Reduced<2> Reduce<2>(std::uint64_t, int);
template Reduced<4> Reduce<4>(std::uint64_t, int);
template Reduced<8> Reduce<8>(std::uint64_t, int);

}  // namespace extended::trig
