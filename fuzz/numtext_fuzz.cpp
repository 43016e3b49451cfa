// Reading and formatting on arbitrary bytes. The input is split at its first 0xFF byte: before
// it the answer text, after it the mask. ReadNumber's value is formatted under the mask, and so
// is a value taken from the input's first ten bytes as they stand (any extended encoding).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "numtext/numtext.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

void Format(Extended x, std::string_view mask) {
  const std::string text = numtext::FormatNumber(x, mask);
  // At most the mask's places and text, with grouping commas, around the widest finite number
  // (4933 integer digits).
  Check(text.size() <= 2 * mask.size() + 7000);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\xFF');
  const std::string_view text = input.substr(0, split);
  const std::string_view mask = split == std::string_view::npos ? "0.00" : input.substr(split + 1);
  const Extended value = numtext::ReadNumber(text);
  Format(value, mask);
  const numtext::DigitRendering r = numtext::DecimalDigits(value);
  Check(r.exponent >= -4951 && r.exponent <= 4933);
  if (size >= 10) {
    extended::Bits bits{};
    std::memcpy(&bits.significand, data, sizeof bits.significand);
    std::memcpy(&bits.sign_exponent, data + 8, sizeof bits.sign_exponent);
    const Extended raw = extended::FromBits(bits);
    Format(raw, mask);
    Format(numtext::ScaleByPowerOfTen(raw, static_cast<int>(size) * 97 - 6000), "0.00");
  }
  return 0;
}
