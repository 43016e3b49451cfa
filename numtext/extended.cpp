#include "numtext/extended.h"

#include <cstdint>

namespace numtext {

void EstablishFloatingPoint() {
  // x87: exceptions masked (bits 0-5), precision control 64 bits (bits 8-9 = 11),
  // rounding to nearest (bits 10-11 = 00).
  const std::uint16_t x87 = 0x037F;
  asm volatile("fclex\n\tfldcw %0" : : "m"(x87));
  // SSE: exceptions masked (bits 7-12), round to nearest, no flush-to-zero, flags clear.
  const std::uint32_t mxcsr = 0x1F80;
  asm volatile("ldmxcsr %0" : : "m"(mxcsr));
}

}  // namespace numtext
