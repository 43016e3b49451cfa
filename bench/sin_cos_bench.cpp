// Sine and cosine against the C library's, on the program's own arguments and on large ones, and
// what the wider attempts (taken only for the rare hard cases) cost. Built with
// SORVANTA_SOFTWARE_EXTENDED=ON it times the software path; the code is the same on both.
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>

#include "bench/ratio_reporter.h"
#include "extended/extended.h"
#include "extended/sin_cos_kernel.h"
#include "extended/x87/c_library.h"

namespace {

using Arguments = std::array<double, 64>;

// phi for surround angles from 100 to 120 degrees.
Arguments ProgramArguments() {
  Arguments a{};
  for (std::size_t i = 0; i < a.size(); ++i) {
    a[i] = (10.0 + 20.0 * static_cast<double>(i) / 63.0) * 0.017453292519944444;
  }
  return a;
}

Arguments LargeArguments() {
  Arguments a{};
  for (std::size_t i = 0; i < a.size(); ++i) a[i] = 1e300 * (1.0 + static_cast<double>(i) / 64);
  return a;
}

template <typename Function>
void Calls(benchmark::State& state, Arguments (*make)(), Function f) {
  const Arguments arguments = make();
  std::size_t i = 0;
  for (auto _ : state) {
    auto r = f(arguments[i++ % arguments.size()]);
    benchmark::DoNotOptimize(r);
  }
}

template <int N>
extended::Bits Attempt(double x) {
  return extended::trig::Attempt<N>(extended::trig::Function::kSine, extended::ToBits(Extended{x}))
      .result;
}

}  // namespace

int main(int argc, char** argv) {
  extended::EstablishFloatingPoint();
  const auto run = [](const char* name, Arguments (*make)(), auto f) {
    benchmark::RegisterBenchmark(name, Calls<decltype(f)>, make, f);
  };
  run("ours/sin", ProgramArguments, [](double x) { return extended::Sin(Extended{x}); });
  run("c_library/sin", ProgramArguments, extended::c_library::Sin);
  run("ours/cos", ProgramArguments, [](double x) { return extended::Cos(Extended{x}); });
  run("c_library/cos", ProgramArguments, extended::c_library::Cos);
  run("ours/sin_large", LargeArguments, [](double x) { return extended::Sin(Extended{x}); });
  run("c_library/sin_large", LargeArguments, extended::c_library::Sin);
  run("attempt/128", ProgramArguments, Attempt<2>);
  run("attempt/256", ProgramArguments, Attempt<4>);
  run("attempt/512", ProgramArguments, Attempt<8>);
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios("ours/", "c_library/", "Sine and cosine against the C library's");
  benchmark::Shutdown();
  return 0;
}
