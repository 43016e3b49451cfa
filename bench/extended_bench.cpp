// Each software extended operation against the x87's own, both called out of line through
// their operation tables, over a fixed table of operands: numbers of ordinary size, and
// numbers whose products are subnormal, where the x87 takes its slow path. Each iteration is
// one operation on the next operands, independent of the last (throughput, not latency).
// After the runs it prints how the two compare.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "bench/ratio_reporter.h"
#include "extended/extended.h"
#include "extended/x87/operation_table.h"
#include "extended/x87/x87.h"

namespace {

using extended::Bits;
using extended::OperationTable;
namespace format = extended::format;

constexpr std::size_t kOperands = 1024;  // a power of two, for the index to wrap cheaply

struct Operands {
  std::vector<Bits> a, b;
};

// Positive and negative numbers with random significands and exponents from low to high.
Operands Table(int low, int high) {
  std::mt19937_64 engine(0xBE4C);
  Operands t;
  for (std::size_t i = 0; i < kOperands; ++i) {
    for (std::vector<Bits>* side : {&t.a, &t.b}) {
      const int e = static_cast<int>(engine() % static_cast<std::uint64_t>(high - low + 1)) + low;
      side->push_back(format::Make((engine() & 1) != 0, e + format::kExponentBias,
                                   engine() | format::kIntegerBit));
    }
  }
  return t;
}

const Operands kOrdinary = Table(-30, 30);
const Operands kTiny = Table(format::kMinNormalExponent / 2 - 20, format::kMinNormalExponent / 2);

Bits Magnitude(Bits a) {  // square roots of numbers, not of negatives
  a.sign_exponent &= format::kExponentMask;
  return a;
}

template <typename Operation>
void Run(benchmark::State& state, const OperationTable* table, const Operands* t,
         Operation operation) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(operation(*table, t->a[i], t->b[i]));
    i = (i + 1) & (kOperands - 1);
  }
}

template <typename Operation>
void Register(const char* name, const Operands& t, Operation operation) {
  for (const OperationTable* table :
       {&extended::software::kOperationTable, &extended::x87::kOperationTable}) {
    benchmark::RegisterBenchmark((std::string(table->name) + "/" + name).c_str(), Run<Operation>,
                                 table, &t, operation);
  }
}

}  // namespace

int main(int argc, char** argv) {
  extended::EstablishFloatingPoint();
  using M = const OperationTable&;
  Register("Add", kOrdinary, [](M m, Bits a, Bits b) { return m.add(a, b); });
  Register("Subtract", kOrdinary, [](M m, Bits a, Bits b) { return m.subtract(a, b); });
  Register("Multiply", kOrdinary, [](M m, Bits a, Bits b) { return m.multiply(a, b); });
  Register("Multiply/subnormal", kTiny, [](M m, Bits a, Bits b) { return m.multiply(a, b); });
  Register("Divide", kOrdinary, [](M m, Bits a, Bits b) { return m.divide(a, b); });
  Register("Compare", kOrdinary, [](M m, Bits a, Bits b) { return m.compare(a, b); });
  Register("Sqrt", kOrdinary, [](M m, Bits a, Bits) { return m.sqrt(Magnitude(a)); });
  Register("ToDouble", kOrdinary, [](M m, Bits a, Bits) { return m.to_double(a); });
  Register("RoundToWhole", kOrdinary, [](M m, Bits a, Bits) { return m.round_to_whole(a); });
  Register("ScaleByPowerOfTwo", kOrdinary,
           [](M m, Bits a, Bits b) { return m.scale_by_power_of_two(a, b.sign_exponent & 63); });
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios("software/", "x87/", "Software operations against the x87's");
  benchmark::Shutdown();
  return 0;
}
