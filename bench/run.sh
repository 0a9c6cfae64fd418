#!/usr/bin/env bash
# Builds the benchmarks in Release in their own build directory, runs them and
# prints, per case, the measured time, the reference time and their ratio.
#
# Environment: BUILD_DIR (default build-bench-run), JOBS (2), MIN_TIME (0.5,
# seconds per run), REPETITIONS (3; the median is reported), FILTER (a regex of
# cases), MARKDOWN=1 for a Markdown table. Extra arguments go to the benchmark.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-bench-run}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPICTOR_BENCHMARKS=ON \
  -DPICTOR_SANITIZE=OFF -DPICTOR_TESTS=OFF >/dev/null
ninja -C "$build" -j "${JOBS:-2}" graphics_bench >/dev/null

json=$build/graphics_bench.json
"$build/bench/graphics_bench" \
  --benchmark_filter="${FILTER:-.}" \
  --benchmark_min_time="${MIN_TIME:-0.5}" \
  --benchmark_min_warmup_time=0.1 \
  --benchmark_repetitions="${REPETITIONS:-3}" \
  --benchmark_report_aggregates_only=true \
  --benchmark_out="$json" --benchmark_out_format=json \
  "$@" >"$build/graphics_bench.log" 2>&1 || { cat "$build/graphics_bench.log"; exit 1; }

echo "$(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, CPU time, median of ${REPETITIONS:-3}"
python3 "$root/bench/ratios.py" "$json" ${MARKDOWN:+--markdown}
