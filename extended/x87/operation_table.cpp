#include "extended/x87/operation_table.h"

#include "extended/software.h"

namespace extended::software {
namespace {

Bits FromDoubleAtRunTime(double d) {
  return FromDouble(d);
}
Bits FromSigned(std::int64_t v) {
  return FromIntegral(v);
}
Bits FromUnsigned(std::uint64_t v) {
  return FromIntegral(v);
}

}  // namespace

const OperationTable kOperationTable{"software",
                                     Add,
                                     Subtract,
                                     Multiply,
                                     Divide,
                                     Sqrt,
                                     Compare,
                                     ToDouble,
                                     RoundToWhole,
                                     ScaleByPowerOfTwo,
                                     FromDoubleAtRunTime,
                                     FromSigned,
                                     FromUnsigned};

}  // namespace extended::software
