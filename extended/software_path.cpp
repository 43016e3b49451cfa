// The operations of the software path that are more than one operator.
#include "extended/extended.h"

namespace extended {

Extended RoundToWhole(Extended x) {
  return FromBits(software::RoundToWhole(ToBits(x)));
}

Extended ScaleByPowerOfTwo(Extended x, int n) {
  return FromBits(software::ScaleByPowerOfTwo(ToBits(x), n));
}

Extended Sqrt(Extended x) {
  return FromBits(software::Sqrt(ToBits(x)));
}

}  // namespace extended
