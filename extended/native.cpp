// The operations of the native path that are more than one operator: the x87 does each of them
// correctly rounded in one instruction.
#include "extended/extended.h"

namespace extended {

using native::Value;
using native::Wrap;

Extended RoundToWhole(Extended x) {
  return Wrap(__builtin_rintl(Value(x)));  // frndint: the program runs rounding to nearest
}

Extended ScaleByPowerOfTwo(Extended x, int n) {
  return Wrap(__builtin_scalbnl(Value(x), n));
}

Extended Sqrt(Extended x) {
  return Wrap(__builtin_sqrtl(Value(x)));
}

}  // namespace extended
