#!/usr/bin/env bash
# Installs every Debian package the build, tests, benchmarks and fuzzers need,
# and the tools that make the manual page and check the desktop entry.
# Idempotent: does nothing when all packages are present. Must run as root
# (or through sudo) on Debian 12 when something is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
  qt6-base-dev
  libjpeg62-turbo-dev libpng-dev libzstd-dev libfreetype-dev libfontconfig-dev fonts-dejavu-core
  fonts-liberation2 fonts-noto-core fonts-noto-cjk
  libgtest-dev libgmock-dev libbenchmark-dev
  imagemagick python3-pil
  xvfb xdotool x11-apps xclip
  help2man desktop-file-utils libglib2.0-bin shared-mime-info
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
