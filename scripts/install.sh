#!/usr/bin/env bash
# Builds pictor in Release and installs it into a prefix (default ~/.local):
# the program, its runtime and plug-in, the manual, the manual page, the menu
# entry and icon, and the host API as a CMake package.
#   scripts/install.sh [PREFIX]
set -euo pipefail
cd "$(dirname "$0")/.."

prefix=${1:-$HOME/.local}
bash scripts/setup.sh

build=build-release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DPICTOR_TESTS=OFF -DPICTOR_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)"
cmake --install "$build"

# The desktop learns of the new entry and icon (each tool may be missing).
if command -v update-desktop-database >/dev/null; then
  update-desktop-database "$prefix/share/applications" || true
fi
if command -v gtk-update-icon-cache >/dev/null && [ -f "$prefix/share/icons/hicolor/index.theme" ]; then
  gtk-update-icon-cache -q "$prefix/share/icons/hicolor" || true
fi

echo "pictor is installed in $prefix/bin."
case ":$PATH:" in
  *":$prefix/bin:"*) ;;
  *) echo "Add $prefix/bin to PATH to run it as pictor." ;;
esac
