// Emscripten 3.1.6 ships a libc++ without std::bit_cast, which C++20 has and the compiler
// supports as a builtin: the web build gets it from here, ahead of every file it compiles.
#pragma once

#include <bit>

#if !defined(__cpp_lib_bit_cast)
namespace std {
template <class To, class From>
constexpr To bit_cast(const From& from) noexcept {
  static_assert(sizeof(To) == sizeof(From), "bit_cast between types of different sizes");
  return __builtin_bit_cast(To, from);
}
}  // namespace std
#endif
