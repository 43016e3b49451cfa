// The processor's floating-point controls, for tests that spoil them as a foreign library might
// and check that the program's mode comes back.
#pragma once

#include <cstdint>

namespace testing_support {

#if defined(__x86_64__) || defined(__i386__)

#define SORVANTA_TEST_FLOATING_POINT_CONTROLS 1

inline std::uint16_t X87ControlWord() {
  std::uint16_t word = 0;
  asm volatile("fnstcw %0" : "=m"(word));
  return word;
}

// SSE's controls only where the program sets them: where the compiler may use SSE.
#if defined(__x86_64__) || defined(__SSE__)
#define SORVANTA_TEST_SSE_CONTROLS 1
#else
#define SORVANTA_TEST_SSE_CONTROLS 0
#endif

#if SORVANTA_TEST_SSE_CONTROLS
inline std::uint32_t Mxcsr() {
  std::uint32_t word = 0;
  asm volatile("stmxcsr %0" : "=m"(word));
  return word;
}
#endif

// 53-bit precision, rounding down and invalid operation unmasked on the x87; rounding toward
// zero with flush-to-zero in SSE.
inline void SpoilFloatingPoint() {
  const std::uint16_t x87 = 0x067E;
  asm volatile("fldcw %0" : : "m"(x87));
#if SORVANTA_TEST_SSE_CONTROLS
  const std::uint32_t sse = 0xFF00;
  asm volatile("ldmxcsr %0" : : "m"(sse));
#endif
}

// 64-bit precision, round to nearest, all masked; the same in SSE, without flush-to-zero.
inline bool InProgramMode() {
  const bool x87 = (X87ControlWord() & 0x0F3F) == 0x033F;
#if SORVANTA_TEST_SSE_CONTROLS
  return x87 && (Mxcsr() & 0xFFC0) == 0x1F80;
#else
  return x87;
#endif
}

#elif defined(__aarch64__)

#define SORVANTA_TEST_FLOATING_POINT_CONTROLS 1

inline std::uint64_t Fpcr() {
  std::uint64_t word = 0;
  asm volatile("mrs %0, fpcr" : "=r"(word));
  return word;
}

// Rounding toward zero (RMode 11, bits 22-23), flush-to-zero (bit 24), default NaN (bit 25).
inline void SpoilFloatingPoint() {
  const std::uint64_t word = (3U << 22) | (1U << 24) | (1U << 25);
  asm volatile("msr fpcr, %0" : : "r"(word));
}

inline bool InProgramMode() {
  return (Fpcr() & ((3U << 22) | (1U << 24) | (1U << 25) | 0x9F00U)) == 0;
}

#else

// WebAssembly has one mode and nothing to spoil or check.
#define SORVANTA_TEST_FLOATING_POINT_CONTROLS 0
inline void SpoilFloatingPoint() {}

#endif

}  // namespace testing_support
