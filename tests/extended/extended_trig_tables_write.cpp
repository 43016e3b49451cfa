// Writes the bits of 2/pi and pi/4 that sine and cosine reduce their arguments with:
//   build/default/tests/extended/extended_trig_tables_write > extended/trig_tables.h
// The words go out in the layout clang-format gives them, so the file is committed as written.
#include <cstdio>
#include <vector>

#include "tests/extended/extended_trig_tables_reference.h"

namespace {

// 2/pi's words reach past bit 16384 + 64 for the largest exponent, with room behind for the
// most precise attempt and for arguments extremely close to a multiple of pi/2.
constexpr int kTwoOverPiWords = 288;
constexpr int kPiOverFourWords = 8;  // the widest fixed point sine and cosine evaluate in

bool Write(const char* name, reference::TrigConstant constant, int words) {
  const std::vector<std::uint64_t> bits = reference::FractionWords(constant, words);
  if (bits.empty()) return false;
  std::printf("inline constexpr std::uint64_t %s[%d] = {\n", name, words);
  for (int i = 0; i < words; ++i) {
    std::printf("%s0x%016llx,%s", i % 4 == 0 ? "    " : " ",
                static_cast<unsigned long long>(bits[static_cast<std::size_t>(i)]),
                i % 4 == 3 || i + 1 == words ? "\n" : "");
  }
  std::printf("};\n");
  return true;
}

}  // namespace

int main() {
  std::printf(
      "// The bits of 2/pi and pi/4 after the binary point, 64 to a word, the most significant\n"
      "// word first: word w holds bits 64w+1 to 64w+64. Written by\n"
      "// tests/extended/extended_trig_tables_write.cpp with MPFR; a test holds them against MPFR "
      "again.\n"
      "#pragma once\n\n#include <cstdint>\n\nnamespace extended::tables {\n\n");
  if (!Write("kTwoOverPi", reference::TrigConstant::kTwoOverPi, kTwoOverPiWords)) return 1;
  std::printf("\n");
  if (!Write("kPiOverFour", reference::TrigConstant::kPiOverFour, kPiOverFourWords)) return 1;
  std::printf("\n}  // namespace extended::tables\n");
  return 0;
}
