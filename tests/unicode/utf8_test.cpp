// The reader against the definition of UTF-8: it reads every scalar value's encoding back as that
// value, and whatever it reads as well formed is such an encoding. Together these say that it
// takes exactly the well-formed sequences; the rest is one byte read as U+FFFD.
#include "unicode/utf8.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

bool IsScalar(char32_t c) {
  return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

// The shortest encoding, straight from the bit patterns of the standard's table.
std::string Encoded(char32_t c) {
  if (c < 0x80) return std::string(1, static_cast<char>(c));
  const int length = c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
  std::string out(static_cast<std::size_t>(length), '\0');
  for (int i = length - 1; i > 0; --i, c >>= 6) out[i] = static_cast<char>(0x80 | (c & 0x3F));
  const unsigned lead_marks[] = {0, 0, 0xC0, 0xE0, 0xF0};
  out[0] = static_cast<char>(lead_marks[length] | c);
  return out;
}

TEST(Utf8, ReadsEveryScalarValueBackFromItsEncoding) {
  for (char32_t c = 0; c <= 0x10FFFF; ++c) {
    if (!IsScalar(c)) continue;
    const std::string bytes = Encoded(c) + "\x80";  // what follows is not taken
    const unicode::Character read = unicode::FirstCharacter(bytes);
    const auto code = static_cast<std::uint32_t>(c);
    ASSERT_TRUE(read.well_formed) << std::hex << code;
    ASSERT_EQ(static_cast<std::uint32_t>(read.value), code);
    ASSERT_EQ(read.length, bytes.size() - 1) << std::hex << code;
  }
}

// Every string of one or two bytes, and three or four bytes whose later bytes are the edges of
// the continuation ranges and a few bytes around them.
template <typename Check>
void ForEachByteString(Check check) {
  const std::vector<char> edges = {'\x00', '\x41', '\x7F', '\x80', '\x8F', '\x90', '\x9F',
                                   '\xA0', '\xBF', '\xC0', '\xC2', '\xE0', '\xF4', '\xFF'};
  for (int a = 0; a < 256; ++a) {
    const char lead = static_cast<char>(a);
    check(std::string{lead});
    for (int b = 0; b < 256; ++b) check(std::string{lead, static_cast<char>(b)});
    for (const char b : edges)
      for (const char c : edges) {
        check(std::string{lead, b, c});
        for (const char d : edges) check(std::string{lead, b, c, d});
      }
  }
}

TEST(Utf8, WhatItReadsAsWellFormedIsAnEncodingAndTheRestOneByte) {
  std::size_t well_formed = 0, faults = 0;
  ForEachByteString([&](const std::string& bytes) {
    const unicode::Character read = unicode::FirstCharacter(bytes);
    const bool sound = read.well_formed ? IsScalar(read.value) &&
                                              bytes.substr(0, read.length) == Encoded(read.value)
                                        : read.length == 1 && read.value == unicode::kReplacement;
    well_formed += read.well_formed;
    if (!sound && ++faults <= 10)
      ADD_FAILURE() << "read wrongly: " << testing::PrintToString(bytes);
  });
  EXPECT_EQ(faults, 0u);
  EXPECT_GT(well_formed, 0u);
  EXPECT_EQ(unicode::kReplacementUtf8, Encoded(unicode::kReplacement));
}

}  // namespace
