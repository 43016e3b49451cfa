// The x87's own operations on the format's bits, as the native path does them: the reference
// that the software operations are held against in the tests, the fuzzer and the benchmark.
// Built only where long double is the x87 format. Each is compiled out of line, so that it
// runs on the processor in the floating-point mode of the moment and is never folded at
// compile time.
#pragma once

#include <compare>
#include <cstdint>

#include "extended/bits.h"

namespace extended::x87 {

Bits Add(Bits a, Bits b);
Bits Subtract(Bits a, Bits b);
Bits Multiply(Bits a, Bits b);
Bits Divide(Bits a, Bits b);
Bits Sqrt(Bits a);
std::partial_ordering Compare(Bits a, Bits b);
double ToDouble(Bits a);
Bits RoundToWhole(Bits a);
Bits ScaleByPowerOfTwo(Bits a, int n);
Bits FromDouble(double d);
Bits FromInteger(std::int64_t v);
Bits FromUnsigned(std::uint64_t v);

}  // namespace extended::x87
