// The format's operations gathered in one table, so that one implementation can be held
// against another: the software operations against the x87's in the tests, the fuzzer and the
// benchmark, and against MPFR in the tests.
#pragma once

#include <compare>
#include <cstdint>

#include "extended/bits.h"

namespace extended {

struct OperationTable {
  const char* name;
  Bits (*add)(Bits, Bits);
  Bits (*subtract)(Bits, Bits);
  Bits (*multiply)(Bits, Bits);
  Bits (*divide)(Bits, Bits);
  Bits (*sqrt)(Bits);
  std::partial_ordering (*compare)(Bits, Bits);
  double (*to_double)(Bits);
  Bits (*round_to_whole)(Bits);
  Bits (*scale_by_power_of_two)(Bits, int);
  Bits (*from_double)(double);
  Bits (*from_integer)(std::int64_t);
  Bits (*from_unsigned)(std::uint64_t);
};

namespace software {
// The operations of extended/software.h; the conversions, constexpr there, run at run time here.
extern const OperationTable kOperationTable;
}  // namespace software

}  // namespace extended
