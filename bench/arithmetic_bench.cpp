// The arithmetic the program does, on whichever extended path this build has: each operation,
// sine and cosine, reading and formatting, and the whole layout. Reading is held against the C
// library's strtold and formatting against its snprintf("%.2Lf"), on the program's own kind of
// input; the ratios are printed after the runs. bench/compare_paths.sh builds it on both paths
// and prints the two side by side.
#include <benchmark/benchmark.h>

#include <string>

#include "app/answers.h"
#include "app/geometry.h"
#include "app/setup_sheet.h"
#include "app/setup_sheet_text.h"
#include "bench/ratio_reporter.h"
#include "extended/extended.h"
#include "extended/x87/c_library.h"
#include "numtext/numtext.h"

namespace {

// Operands of the kind the layout meets: lengths of a few units and angles of a fraction of one.
Extended Operand(int i) {
  static const char* const kTexts[] = {
      "3.23145",           "0.5", "4.323361",          "0.17453292519944444",
      "2.999999999999821", "110", "0.5235987755983333"};
  return numtext::ReadNumber(kTexts[i % 7]);
}

template <typename Operation>
void Binary(benchmark::State& state, Operation op) {
  Extended a = Operand(0), b = Operand(2);
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    benchmark::DoNotOptimize(b);
    Extended r = op(a, b);
    benchmark::DoNotOptimize(r);
  }
}

template <typename Operation>
void Unary(benchmark::State& state, Operation op, int operand) {
  Extended a = Operand(operand);
  for (auto _ : state) {
    benchmark::DoNotOptimize(a);
    Extended r = op(a);
    benchmark::DoNotOptimize(r);
  }
}

void Read(benchmark::State& state, std::string text) {
  for (auto _ : state) benchmark::DoNotOptimize(numtext::ReadNumber(text));
}

void ReadPeer(benchmark::State& state, std::string text) {
  for (auto _ : state) benchmark::DoNotOptimize(extended::c_library::Read(text.c_str()));
}

void Format(benchmark::State& state, std::string text) {
  Extended x = numtext::ReadNumber(text);
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(numtext::FormatNumber(x, "0.00"));
  }
}

// The peer also hands back a string, as FormatNumber does. It formats the C library's own
// extended number, read from the same text.
void FormatPeer(benchmark::State& state, std::string text) {
  extended::Bits x = extended::c_library::Read(text.c_str());
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(extended::c_library::FormatFixed(x, 2));
  }
}

void Layout(benchmark::State& state, app::Answers answers) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(answers);
    benchmark::DoNotOptimize(app::ComputeLayout(answers));
  }
}

// The setup sheet from a computed layout: its figures alone, and with all its text.
void Sheet(benchmark::State& state, app::Answers answers) {
  const app::Layout layout = app::ComputeLayout(answers);
  for (auto _ : state) {
    benchmark::DoNotOptimize(layout);
    benchmark::DoNotOptimize(app::ComputeSetupSheet(layout));
  }
}

void SheetText(benchmark::State& state, app::Answers answers) {
  const app::Layout layout = app::ComputeLayout(answers);
  for (auto _ : state) {
    benchmark::DoNotOptimize(layout);
    benchmark::DoNotOptimize(app::PlainText(app::SheetText(app::ComputeSetupSheet(layout))));
  }
}

}  // namespace

int main(int argc, char** argv) {
  extended::EstablishFloatingPoint();
  benchmark::RegisterBenchmark("op/add", [](benchmark::State& s) {
    Binary(s, [](Extended a, Extended b) { return a + b; });
  });
  benchmark::RegisterBenchmark("op/subtract", [](benchmark::State& s) {
    Binary(s, [](Extended a, Extended b) { return a - b; });
  });
  benchmark::RegisterBenchmark("op/multiply", [](benchmark::State& s) {
    Binary(s, [](Extended a, Extended b) { return a * b; });
  });
  benchmark::RegisterBenchmark("op/divide", [](benchmark::State& s) {
    Binary(s, [](Extended a, Extended b) { return a / b; });
  });
  benchmark::RegisterBenchmark("op/compare", [](benchmark::State& s) {
    Binary(s, [](Extended a, Extended b) { return a < b ? a : b; });
  });
  benchmark::RegisterBenchmark("op/to_double", [](benchmark::State& s) {
    Unary(
        s, [](Extended a) { return Extended{static_cast<double>(a)}; }, 2);
  });
  benchmark::RegisterBenchmark("op/sqrt", [](benchmark::State& s) { Unary(s, extended::Sqrt, 0); });
  benchmark::RegisterBenchmark("op/sin", [](benchmark::State& s) { Unary(s, extended::Sin, 3); });
  benchmark::RegisterBenchmark("op/cos", [](benchmark::State& s) { Unary(s, extended::Cos, 6); });
  for (const char* text : {"5", "3.25", "110", "1.5E+3", "0.05", "2.999999999999821"}) {
    benchmark::RegisterBenchmark((std::string("ReadNumber/") + text).c_str(), Read, text);
    benchmark::RegisterBenchmark((std::string("strtold/") + text).c_str(), ReadPeer, text);
  }
  for (const char* text :
       {"4.323361", "2.999999999999821", "11.988196", "-6.448562251500907", "0.0"}) {
    benchmark::RegisterBenchmark((std::string("FormatNumber/") + text).c_str(), Format, text);
    benchmark::RegisterBenchmark((std::string("snprintf/") + text).c_str(), FormatPeer, text);
  }
  benchmark::RegisterBenchmark("layout/5 4 N 6 0.5 110", Layout,
                               app::Answers{"5", "4", "N", "6", "0.5", "110"});
  benchmark::RegisterBenchmark("layout/3 2 Y 4 0.5 120", Layout,
                               app::Answers{"3", "2", "Y", "4", "0.5", "120"});
  benchmark::RegisterBenchmark("sheet/5 4 N 6 0.5 110", Sheet,
                               app::Answers{"5", "4", "N", "6", "0.5", "110"});
  benchmark::RegisterBenchmark("sheet text/5 4 N 6 0.5 110", SheetText,
                               app::Answers{"5", "4", "N", "6", "0.5", "110"});
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios("ReadNumber/", "strtold/", "ReadNumber against strtold");
  reporter.PrintRatios("FormatNumber/", "snprintf/",
                       "FormatNumber(x, \"0.00\") against snprintf(\"%.2Lf\")");
  benchmark::Shutdown();
  return 0;
}
