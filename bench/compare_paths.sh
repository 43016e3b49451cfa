#!/bin/bash
# The arithmetic on the native x87 path and on the software path, side by side, from one run:
# builds bench/arithmetic_bench in both release builds (build/bench and build/bench-software),
# runs each, and prints the time per call of each and their ratio. Goals: the software layout
# within 10x the native one; ReadNumber on the software path at least as fast as strtold.
# Usage: bench/compare_paths.sh [--benchmark_min_time=...]
set -euo pipefail
cd "$(dirname "$0")/.."
for preset in bench bench-software; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target arithmetic_bench >/dev/null
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
# JSON into files: the console output, with its own ratios, goes nowhere.
build/bench/bench/arithmetic_bench --benchmark_out="$out/native.json" \
  --benchmark_out_format=json "$@" >/dev/null
build/bench-software/bench/arithmetic_bench --benchmark_out="$out/software.json" \
  --benchmark_out_format=json "$@" >/dev/null
python3 - "$out/native.json" "$out/software.json" <<'PY'
import json, sys
def times(path):
    return {b["name"]: b["cpu_time"] for b in json.load(open(path))["benchmarks"]}
native, software = times(sys.argv[1]), times(sys.argv[2])
print(f"{'':34}{'native ns':>12}{'software ns':>13}{'software/native':>17}")
for name, n in native.items():
    s = software[name]
    print(f"{name:34}{n:12.1f}{s:13.1f}{s / n:16.2f}x")
print()
for name, s in software.items():
    if name.startswith("ReadNumber/"):
        peer = native["strtold/" + name.split("/", 1)[1]]
        print(f"software {name:28} {s:8.1f} ns   strtold {peer:8.1f} ns   strtold/ours {peer / s:5.2f}x")
PY
