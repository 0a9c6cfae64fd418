#!/usr/bin/env bash
# Builds the benchmarks in Release in their own build directory, runs each
# program in several separate processes and prints, per case, the measured
# time, the reference time and their ratio for the process of median ratio,
# and beside it the worst ratio of any process. A bound holds when the worst
# process is within it.
#
# Environment: BUILD_DIR (default build-bench-run), JOBS (2), PROGRAMS
# ("graphics_bench editor_bench"), PROCESSES (5), MIN_TIME (0.5, seconds per
# run), REPETITIONS (3; the median within a process is used), FILTER (a regex
# of cases), MARKDOWN=1 for a Markdown table. Extra arguments go to the
# benchmark programs.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-bench-run}
programs=${PROGRAMS:-graphics_bench editor_bench}
processes=${PROCESSES:-5}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPICTOR_BENCHMARKS=ON \
  -DPICTOR_SANITIZE=OFF -DPICTOR_TESTS=OFF >/dev/null
# shellcheck disable=SC2086
ninja -C "$build" -j "${JOBS:-2}" $programs >/dev/null

echo "$(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)," \
  "CPU time, median of ${REPETITIONS:-3} in each of $processes processes"
for program in $programs; do
  outputs=()
  for ((i = 1; i <= processes; ++i)); do
    json=$build/$program.$i.json
    log=$build/$program.$i.log
    "$build/bench/$program" \
      --benchmark_filter="${FILTER:-.}" \
      --benchmark_min_time="${MIN_TIME:-0.5}" \
      --benchmark_min_warmup_time=0.1 \
      --benchmark_repetitions="${REPETITIONS:-3}" \
      --benchmark_report_aggregates_only=true \
      --benchmark_out="$json" --benchmark_out_format=json \
      "$@" >"$log" 2>&1 || { cat "$log"; exit 1; }
    outputs+=("$json")
  done
  echo
  echo "$program"
  python3 "$root/bench/ratios.py" "${outputs[@]}" ${MARKDOWN:+--markdown}
done
