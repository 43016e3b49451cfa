// The x87's own operations on the format's bits, as the native path does them: the reference
// that the software operations are held against in the tests, the fuzzer and the benchmark.
// Built only where long double is the x87 format. Each is compiled out of line, so that it
// runs on the processor in the floating-point mode of the moment and is never folded at
// compile time.
#pragma once

#include "extended/x87/operation_table.h"

namespace extended::x87 {

extern const OperationTable kOperationTable;

}  // namespace extended::x87
