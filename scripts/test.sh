#!/usr/bin/env bash
# Builds everything and runs every test. With --sanitize, builds and runs the
# tests with AddressSanitizer and UndefinedBehaviorSanitizer instead.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

preset=default
if [ "${1:-}" = "--sanitize" ]; then preset=sanitize; fi

jobs=$(nproc 2>/dev/null || echo 2)
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$jobs"
builddir=build
[ "$preset" = sanitize ] && builddir=build-sanitize
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Leaks inside system libraries (fontconfig's caches) are not ours to fix.
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp
ctest --test-dir "$builddir" --output-on-failure -j "$jobs"
