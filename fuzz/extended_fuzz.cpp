// The software extended operations against the x87's on arbitrary operand bits. The input is
// read as two 10-byte operands in the x87's memory layout and a 4-byte scale, zero-padded when
// shorter; every operation runs on them, and any difference in a result's bits (NaNs included:
// the software chooses its NaN as the x87 does) stops the run.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "extended/extended.h"
#include "extended/x87/operation_table.h"
#include "extended/x87/x87.h"

namespace {

using extended::Bits;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

void Same(Bits x, Bits y) {
  Check(x.significand == y.significand && x.sign_exponent == y.sign_exponent);
}

Bits Operand(const std::uint8_t* bytes) {
  Bits b{};
  std::memcpy(&b.significand, bytes, sizeof b.significand);
  std::memcpy(&b.sign_exponent, bytes + sizeof b.significand, sizeof b.sign_exponent);
  return b;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  extended::EstablishFloatingPoint();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::uint8_t input[24] = {};
  std::memcpy(input, data, size < sizeof input ? size : sizeof input);
  const Bits a = Operand(input), b = Operand(input + 10);
  int n = 0;
  std::memcpy(&n, input + 20, sizeof n);
  const extended::OperationTable& s = extended::software::kOperationTable;
  const extended::OperationTable& x = extended::x87::kOperationTable;
  Same(s.add(a, b), x.add(a, b));
  Same(s.subtract(a, b), x.subtract(a, b));
  Same(s.multiply(a, b), x.multiply(a, b));
  Same(s.divide(a, b), x.divide(a, b));
  Same(s.sqrt(a), x.sqrt(a));
  Check(s.compare(a, b) == x.compare(a, b));
  Check(std::bit_cast<std::uint64_t>(s.to_double(a)) ==
        std::bit_cast<std::uint64_t>(x.to_double(a)));
  Same(s.round_to_whole(a), x.round_to_whole(a));
  Same(s.scale_by_power_of_two(a, n), x.scale_by_power_of_two(a, n));
  // The operand bits read as a double and as integers, for the exact conversions.
  const double d = std::bit_cast<double>(a.significand);
  Same(s.from_double(d), x.from_double(d));
  Same(s.from_integer(static_cast<std::int64_t>(a.significand)),
       x.from_integer(static_cast<std::int64_t>(a.significand)));
  Same(s.from_unsigned(b.significand), x.from_unsigned(b.significand));
  return 0;
}
