#!/usr/bin/env bash
# Builds the editor and runs it on FILE (or on the bundled sample picture).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build build -j "$(nproc 2>/dev/null || echo 2)"
exec build/app/pictor "$@"
