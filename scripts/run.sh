#!/usr/bin/env bash
# Builds the editor and runs it on FILE (or on the bundled sample picture).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build build -j "$(nproc 2>/dev/null || echo 2)"
if [ ! -x build/app/pictor ]; then
  echo "pictor: not yet built (the editor program arrives with the editor window)" >&2
  exit 1
fi
exec build/app/pictor "$@"
