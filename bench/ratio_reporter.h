// A console reporter that also keeps each benchmark's time per iteration, so that a pair of
// runs, ours and a named peer's, can be set side by side at the end.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <vector>

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
