// ReadNumber against strtold and FormatNumber against snprintf("%.2Lf") on the program's own
// kind of input. After the runs it prints, for each input, how many times faster ours is.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

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

// Keeps each run's time per iteration so that the pairs can be compared at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintRatios(std::string_view ours, std::string_view peer, std::string_view label) const {
    std::printf("\n%s (peer time / our time; above 1 means ours is faster)\n", label.data());
    for (const auto& [name, time] : times_) {
      if (name.rfind(ours, 0) != 0) continue;
      const std::string input = name.substr(ours.size());
      const auto match = times_.find(std::string(peer) + input);
      if (match == times_.end()) continue;
      std::printf("  %-24s %8.2f ns  %8.2f ns  x%.2f\n", input.c_str(), time, match->second,
                  match->second / time);
    }
  }

 private:
  std::map<std::string, double> times_;
};

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
