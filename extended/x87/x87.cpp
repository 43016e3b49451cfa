#include "extended/x87/x87.h"

#include "extended/x87/x87_bits.h"

namespace extended::x87 {
namespace {

Bits Add(Bits a, Bits b) {
  return Store(Load(a) + Load(b));
}
Bits Subtract(Bits a, Bits b) {
  return Store(Load(a) - Load(b));
}
Bits Multiply(Bits a, Bits b) {
  return Store(Load(a) * Load(b));
}
Bits Divide(Bits a, Bits b) {
  return Store(Load(a) / Load(b));
}
Bits Sqrt(Bits a) {
  return Store(__builtin_sqrtl(Load(a)));
}
std::partial_ordering Compare(Bits a, Bits b) {
  return Load(a) <=> Load(b);
}
double ToDouble(Bits a) {
  return static_cast<double>(Load(a));
}
Bits RoundToWhole(Bits a) {
  return Store(__builtin_rintl(Load(a)));
}
Bits ScaleByPowerOfTwo(Bits a, int n) {
  return Store(__builtin_scalbnl(Load(a), n));
}
Bits FromDouble(double d) {
  return Store(d);
}
Bits FromInteger(std::int64_t v) {
  return Store(static_cast<long double>(v));
}
Bits FromUnsigned(std::uint64_t v) {
  return Store(static_cast<long double>(v));
}

}  // namespace

const OperationTable kOperationTable{
    "x87",    Add,          Subtract,          Multiply,   Divide,      Sqrt,        Compare,
    ToDouble, RoundToWhole, ScaleByPowerOfTwo, FromDouble, FromInteger, FromUnsigned};

}  // namespace extended::x87
