#!/usr/bin/env bash
# Takes the manual's screenshots of the editor, the image attributes dialog
# and the about box from a built pictor under a virtual display:
#   xvfb-run -a -s "-screen 0 800x600x24" help/make_screenshots.sh [BUILD]
# The pictures are committed in help/pictor-manual/.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=help/pictor-manual
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT

cp resources/sample/sample.bmp "$work/sample.bmp"
"$build/app/pictor" "$work/sample.bmp" &
pid=$!

# shot NAME TITLE: the window titled TITLE into $out/NAME.png.
shot() {
  local window
  window=$(xdotool search --sync --onlyvisible --name "^$2\$" | tail -1)
  sleep 1
  import -window "$window" "$out/$1.png"
  echo "$window"
}

# click WINDOW X Y: a left click at (X, Y) of the window.
click() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
}

editor=$(shot editor Pictor)
# The command buttons are under the column of buttons at the right.
click "$editor" 381 245   # Image attributes
attributes=$(shot attributes "Image attributes")
xdotool key --window "$attributes" Escape
sleep 1
click "$editor" 407 245   # About Pictor
about=$(shot about "About Pictor")
xdotool key --window "$about" Escape
sleep 1
xdotool key --window "$editor" Escape
wait "$pid" || true
