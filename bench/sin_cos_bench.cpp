// Sine and cosine against the C library's sinl and cosl, on the program's own arguments and on
// large ones, and what the wider attempts (taken only for the rare hard cases) cost. Built with
// SORVANTA_SOFTWARE_EXTENDED=ON it times the software path; the code is the same on both.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "extended/extended.h"
#include "extended/sin_cos_kernel.h"

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

// Collects each run's CPU time per call for the ratios printed at the end.
class Times : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) ns_[run.benchmark_name()] = run.GetAdjustedCPUTime();
    ConsoleReporter::ReportRuns(runs);
  }
  double operator[](const std::string& name) const {
    const auto found = ns_.find("Calls/" + name);
    return found == ns_.end() ? 0 : found->second;
  }

 private:
  std::map<std::string, double> ns_;
};

}  // namespace

int main(int argc, char** argv) {
  extended::EstablishFloatingPoint();
  const auto run = [](const char* name, Arguments (*make)(), auto f) {
    benchmark::RegisterBenchmark((std::string("Calls/") + name).c_str(), Calls<decltype(f)>, make,
                                 f);
  };
  run("Sin", ProgramArguments, [](double x) { return extended::Sin(Extended{x}); });
  run("sinl", ProgramArguments, [](double x) { return sinl(x); });
  run("Cos", ProgramArguments, [](double x) { return extended::Cos(Extended{x}); });
  run("cosl", ProgramArguments, [](double x) { return cosl(x); });
  run("Sin_large", LargeArguments, [](double x) { return extended::Sin(Extended{x}); });
  run("sinl_large", LargeArguments, [](double x) { return sinl(x); });
  run("Attempt_128", ProgramArguments, Attempt<2>);
  run("Attempt_256", ProgramArguments, Attempt<4>);
  run("Attempt_512", ProgramArguments, Attempt<8>);
  benchmark::Initialize(&argc, argv);
  Times times;
  benchmark::RunSpecifiedBenchmarks(&times);
  std::printf("\nns per call, ours against the C library's (ratio above 1: ours is slower)\n");
  for (const char* pair : {"Sin:sinl", "Cos:cosl", "Sin_large:sinl_large"}) {
    const std::string p = pair;
    const std::string ours = p.substr(0, p.find(':')), peer = p.substr(p.find(':') + 1);
    std::printf("  %-10s %8.1f ns  %-10s %8.1f ns  x%.2f\n", ours.c_str(), times[ours],
                peer.c_str(), times[peer], times[ours] / times[peer]);
  }
  benchmark::Shutdown();
  return 0;
}
