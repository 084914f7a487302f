#!/usr/bin/env bash
# Installs what is missing, builds Tomeflip and starts it under Wine.
# Without an X display it starts it on a virtual one, saves a screenshot of
# the dialog to build/screenshot.png and closes it again.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ]; then
  ./scripts/build.sh
  echo "No X display: starting dist/tomeflip.exe on a virtual one."
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --screenshot
fi

[ "${1:-}" = --screenshot ] || ./scripts/build.sh
prefix=$PWD/build/wineprefix
./scripts/wine-prefix.sh start "$prefix"
export WINEPREFIX=$prefix WINEDEBUG=-all

if [ "${1:-}" != --screenshot ]; then
  echo "Starting dist/tomeflip.exe; close its window to end."
  exec wine dist/tomeflip.exe
fi

wine dist/tomeflip.exe &
program=$!
if ! /usr/lib/wine/wine64 build/wintests/tests/dlgprobe.exe >/dev/null; then
  echo "The dialog did not come up." >&2
  kill $program
  exit 1
fi
xwd -root -silent | convert xwd:- build/screenshot.png
xdotool key --window "$(xdotool search --name '^Tomeflip$' | head -n 1)" Escape
code=0
wait $program || code=$?
echo "The dialog came up; see build/screenshot.png. It ended with exit code $code."
