// ReadNumber against strtold and FormatNumber against snprintf("%.2Lf") on the program's own
// kind of input. After the runs it prints, for each input, how many times faster ours is.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "bench/ratio_reporter.h"
#include "numtext/numtext.h"

namespace {

const char* const kTexts[] = {"5", "3.25", "110", "1.5E+3", "0.05"};
const char* const kValues[] = {"4.323361", "2.999999999999821", "11.988196", "-6.448562251500907",
                               "0.0"};

void ReadOurs(benchmark::State& state, std::string text) {
  for (auto _ : state) benchmark::DoNotOptimize(numtext::ReadNumber(text));
}

void ReadPeer(benchmark::State& state, std::string text) {
  for (auto _ : state) benchmark::DoNotOptimize(std::strtold(text.c_str(), nullptr));
}

void FormatOurs(benchmark::State& state, const char* text) {
  Extended x = numtext::ReadNumber(text);
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(numtext::FormatNumber(x, "0.00"));
  }
}

// The peer also hands back a string, as FormatNumber does. It formats the C library's own
// extended type, read from the same text.
void FormatPeer(benchmark::State& state, const char* text) {
  auto x = std::strtold(text, nullptr);
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, "%.2Lf", x);
    benchmark::DoNotOptimize(std::string(buffer, static_cast<std::size_t>(length)));
  }
}

}  // namespace

int main(int argc, char** argv) {
  extended::EstablishFloatingPoint();
  for (const char* text : kTexts) {
    benchmark::RegisterBenchmark((std::string("ReadNumber/") + text).c_str(), ReadOurs, text);
    benchmark::RegisterBenchmark((std::string("strtold/") + text).c_str(), ReadPeer, text);
  }
  for (const char* x : kValues) {
    const std::string name = std::string("/") + x;
    benchmark::RegisterBenchmark((std::string("FormatNumber") + name).c_str(), FormatOurs, x);
    benchmark::RegisterBenchmark((std::string("snprintf") + name).c_str(), FormatPeer, x);
  }
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios("ReadNumber/", "strtold/", "ReadNumber against strtold");
  reporter.PrintRatios("FormatNumber/", "snprintf/",
                       "FormatNumber(x, \"0.00\") against snprintf(\"%.2Lf\")");
  benchmark::Shutdown();
  return 0;
}
