// The extended format's operations computed by MPFR, through the number tests' MPFR bridge
// (64-bit precision, the format's exponent range and its subnormals; call
// reference::UseExtendedRange first): the reference for the software operations on every
// machine, the ones without an x87 included. Operands the x87 refuses (unnormals, pseudo-NaNs,
// pseudo-infinities) are read as NaN, pseudo-denormals as the numbers they encode; a NaN result
// is MPFR's NaN, which has no payload.
#pragma once

#include <cstdint>

#include "extended/x87/operation_table.h"

namespace extended::mpfr_reference {

extern const OperationTable kOperationTable;

// What format::RoundPack must give for an exact rest, and format::RoundShiftRight.
Bits RoundPack(bool negative, int exponent, std::uint64_t significand, std::uint64_t rest);
std::uint64_t RoundShiftRight(std::uint64_t value, int count);

}  // namespace extended::mpfr_reference
