#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/ and runs one with one worker until
# it has used the given CPU seconds (not wall seconds: the machine may be shared).
# Usage: fuzz/run.sh NAME [CPU_SECONDS] [libFuzzer options...]    e.g. fuzz/run.sh bmp 3600
#
# Every input gets at most 2 s and 512 MiB (options given here override these).
# An input that crashes, runs out of time or memory, or takes over a second is
# written to fuzz/regressions/NAME, where the normal test suite replays it; the
# fuzzer then starts again and goes on until the CPU time is used up. The
# fuzzer's times are wall times: on a busy machine give a longer -timeout and
# -report_slow_units (the metafile targets bound each play by CPU time themselves).
# New interesting inputs collect in fuzz/corpus-work/NAME (not committed); the
# logs of each run are kept in build-fuzz/logs/, and a summary (executions, CPU
# seconds, slowest input, peak memory, findings) ends the output.
set -euo pipefail

name=${1:?usage: fuzz/run.sh NAME [CPU_SECONDS] [libFuzzer options...]}
budget=${2:-60}
shift $(($# >= 2 ? 2 : 1))
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined" \
  -DPICTOR_FUZZ=ON -DPICTOR_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target "${name}_fuzzer"

work="$root/fuzz/corpus-work/$name"
regressions="$root/fuzz/regressions/$name"
logs="$build/logs"
mkdir -p "$work" "$regressions" "$logs"
ticks=$(getconf CLK_TCK)

# CPU seconds used so far by process $1 (user and system).
cpu_seconds() {
  local stat
  stat=$(cat "/proc/$1/stat" 2>/dev/null) || { echo 0; return; }
  stat=${stat##*) }
  # shellcheck disable=SC2086
  set -- $stat
  echo $(((${12} + ${13}) / ticks))
}

used=0 runs=0
while ((used < budget)); do
  runs=$((runs + 1))
  log="$logs/$name-$runs.log"
  left=$((budget - used))
  "$build/fuzz/${name}_fuzzer" -rss_limit_mb=512 -timeout=2 -report_slow_units=1 \
    -print_final_stats=1 -artifact_prefix="$regressions/" "$@" \
    "$work" "$root/fuzz/corpus/$name" 2>"$log" &
  pid=$!
  spent=0
  while kill -0 "$pid" 2>/dev/null; do
    spent=$(cpu_seconds "$pid")
    if ((spent >= left)); then kill -INT "$pid" 2>/dev/null || true; fi
    sleep 2
  done
  wait "$pid" || true
  # A run that ended before doing anything cannot make progress: stop.
  if ! grep -q '^stat::number_of_executed_units' "$log"; then
    tail -20 "$log"
    exit 1
  fi
  used=$((used + (spent > 0 ? spent : 1)))
  grep -E '^(==[0-9]+== ERROR|SUMMARY|artifact_prefix|Test unit written|Slowest unit)' "$log" || true
done

awk -v runs="$runs" -v cpu="$used" '
  /^stat::number_of_executed_units/ { execs += $2 }
  /^stat::slowest_unit_time_sec/ { if ($2 > slow) slow = $2 }
  /^stat::peak_rss_mb/ { if ($2 > rss) rss = $2 }
  /Test unit written to/ { findings++ }
  END { printf "summary: %d runs, %d executions, %d CPU seconds, slowest input %d s, " \
               "peak RSS %d MiB, %d findings\n", runs, execs, cpu, slow, rss, findings }
' $(for i in $(seq 1 "$runs"); do echo "$logs/$name-$i.log"; done)
