#!/usr/bin/env bash
# Checks an installation of Pictor in a temporary prefix.
#   install_check.sh install PREFIX BUILD      install the build folder into PREFIX
#   install_check.sh program PREFIX            the program runs from PREFIX alone
#   install_check.sh desktop PREFIX            the menu entry and the icons
#   install_check.sh example PREFIX SOURCE WORK
#                                              the example host, built against PREFIX,
#                                              edits a picture with the installed plug-in
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }

mode=$1
prefix=$2

case $mode in
install)
  build=$3
  [ -f "$build/CMakeCache.txt" ] || fail "$build is no build folder"
  rm -rf "$prefix"
  cmake --install "$build" --prefix "$prefix" >/dev/null
  ;;

program)
  program=$prefix/bin/pictor
  # Nothing of the build folder: the program finds the runtime through its own
  # run path, in the prefix's library folder.
  version=$(env -u LD_LIBRARY_PATH -u PICTOR_PLUGIN "$program" --version) ||
    fail "the installed pictor --version failed"
  [[ $version == "pictor "* ]] || fail "unexpected version text: $version"
  runtime=$(env -u LD_LIBRARY_PATH ldd "$program" | awk '/libpictor_host/ {print $3}')
  [[ $runtime == "$prefix"/* ]] || fail "the runtime comes from $runtime, not from $prefix"
  libdir=$(dirname "$runtime")
  [ -f "$libdir/libpictor_ide.so" ] || fail "no plug-in beside the runtime in $libdir"
  for file in README.md Pictor.html; do
    [ -f "$prefix/bin/$file" ] || fail "$file is not beside the program"
  done
  # The manual page is made from --help: every section of it is there.
  page=$prefix/share/man/man1/pictor.1
  for section in SYNOPSIS OPTIONS FILES ENVIRONMENT LIMITS "EXIT CODES"; do
    grep -q "^\.SH \"\?$section" "$page" || fail "the manual page has no $section section"
  done
  ;;

desktop)
  entry=$prefix/share/applications/pictor.desktop
  desktop-file-validate "$entry" || fail "the desktop entry does not validate"
  icon=$(sed -n 's/^Icon=//p' "$entry")
  # An icon theme finds icons by a bare name: lower case, no folder, no extension.
  [[ $icon =~ ^[a-z0-9][a-z0-9_.-]*$ && $icon != *.png && $icon != *.svg ]] ||
    fail "the icon name '$icon' is not a theme icon name"
  theme=$prefix/share/icons/hicolor
  for size in 16 32 48 64 128; do
    png=$theme/${size}x${size}/apps/$icon.png
    [ -f "$png" ] || fail "no $png"
    # The picture's size is the size of its folder (the PNG header's width and height).
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
      awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [ "$width" = "$size" ] && [ "$height" = "$size" ] ||
      fail "$png is ${width}x$height, not ${size}x$size"
  done
  svg=$theme/scalable/apps/$icon.svg
  grep -q '<svg[^>]*viewBox="0 0 \([0-9]*\) \1"' "$svg" || fail "$svg has no square view box"
  # The desktop's database offers the program for every picture type it opens
  # (to a shell whose PATH has the program: the entry's TryExec).
  update-desktop-database "$prefix/share/applications"
  for type in $(sed -n 's/^MimeType=//p' "$entry" | tr ';' ' '); do
    offered=$(PATH=$prefix/bin:$PATH XDG_DATA_DIRS=$prefix/share XDG_DATA_HOME=$prefix/share \
      gio mime "$type")
    [[ $offered == *pictor.desktop* ]] || fail "the desktop database does not offer pictor for $type"
  done
  ;;

example)
  source=$3
  work=$4
  rm -rf "$work"
  cmake -S "$source/examples/host" -B "$work" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF >/dev/null
  cmake --build "$work" >/dev/null
  picture=$work/picture.bmp
  cp "$source/resources/sample/sample.bmp" "$picture"
  before=$(cksum <"$picture")
  output=$(env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen "$work/picture_host" --scripted-ok \
    "$picture") || fail "picture_host failed: $output"
  echo "$output"
  grep -q "(changed)" <<<"$output" || fail "the scripted edit did not change the property"
  [ "$(cksum <"$picture")" != "$before" ] || fail "the changed picture was not written back"
  ;;

*)
  fail "unknown mode $mode"
  ;;
esac
