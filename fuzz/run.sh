#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/ and runs one for a while, with one worker.
# Usage: fuzz/run.sh NAME [SECONDS] [libFuzzer options...]    e.g. fuzz/run.sh bmp 600
# New interesting inputs collect in fuzz/corpus-work/NAME (not committed); crashing
# inputs land in fuzz/regressions/NAME, where the normal test suite replays them.
set -euo pipefail

name=${1:?usage: fuzz/run.sh NAME [SECONDS] [libFuzzer options...]}
seconds=${2:-60}
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
mkdir -p "$work" "$regressions"
exec "$build/fuzz/${name}_fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$regressions/" "$@" "$work" "$root/fuzz/corpus/$name"
