#include <cstdint>

#include "extended/extended.h"

#if defined(_MSC_VER) && !defined(__clang__)
#include <float.h>
#endif

namespace extended {

void EstablishFloatingPoint() {
#if defined(_MSC_VER) && !defined(__clang__)
  // MSVC (software path, doubles in SSE): every exception masked, rounding to nearest,
  // subnormals kept.
  unsigned int control = 0;
  _controlfp_s(&control, _MCW_EM, _MCW_EM);
  _controlfp_s(&control, _RC_NEAR, _MCW_RC);
  _controlfp_s(&control, _DN_SAVE, _MCW_DN);
#elif defined(__x86_64__) || defined(__i386__)
  // x87: exceptions masked (bits 0-5), precision control 64 bits (bits 8-9 = 11), rounding to
  // nearest (bits 10-11 = 00). Set on the software path too: doubles may still meet the x87 in a
  // C library, and the program's mode is one mode.
  const std::uint16_t x87 = 0x037F;
  asm volatile("fclex\n\tfldcw %0" : : "m"(x87));
#if defined(__x86_64__) || defined(__SSE__)
  // SSE: exceptions masked (bits 7-12), round to nearest, no flush-to-zero, flags clear. Left
  // out where the compiler may not use SSE (32-bit x86 before the Pentium III, the baseline of
  // Debian's i386): the instruction is illegal on those processors, and the compiler gives all
  // the program's floating point to the x87 there.
  const std::uint32_t mxcsr = 0x1F80;
  asm volatile("ldmxcsr %0" : : "m"(mxcsr));
#endif
#elif defined(__aarch64__) && !defined(_MSC_VER)
  // FPCR 0: round to nearest, no trap enabled, no flush-to-zero, IEEE NaN handling.
  const std::uint64_t fpcr = 0;
  asm volatile("msr fpcr, %0" : : "r"(fpcr));
#else
  // WebAssembly and the rest: round to nearest without traps is the only mode there is, or the
  // one a process starts in.
#endif
}

}  // namespace extended
