// Scaling by a power of two: only the exponent changes, unless the result leaves the normal
// range, where RoundPack rounds it once.
#include <algorithm>

#include "extended/operands.h"
#include "extended/software.h"

namespace extended::software {

Bits ScaleByPowerOfTwo(Bits a, int n) {
  const Operand x = Unpack(a);
  if (x.kind == Kind::kNaN) return PropagateNaN(a);
  if (x.kind != Kind::kNumber) return a;
  // Numbers span fewer than 2 * bias binades, subnormals included, so beyond 3 * bias every
  // scaling overflows or underflows; the limit keeps the exponent arithmetic far from int's.
  constexpr int kLimit = 3 * format::kExponentBias;
  return format::RoundPack(x.negative, x.exponent + std::clamp(n, -kLimit, kLimit), x.significand,
                           0);
}

}  // namespace extended::software
