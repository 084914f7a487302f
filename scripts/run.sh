#!/usr/bin/env bash
# Installs what is missing, builds Tomeflip and starts it under Wine.
# Without an X display it starts on a virtual one, saves a screenshot of the
# dialog to build/screenshot.png and closes it again.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
prefix=$PWD/build/wineprefix
./scripts/wine-prefix.sh start "$prefix"
export WINEPREFIX=$prefix WINEDEBUG=-all

if [ -n "${DISPLAY:-}" ]; then
  echo "Starting dist/tomeflip.exe; close its window to end."
  exec wine dist/tomeflip.exe
fi

echo "No X display: starting dist/tomeflip.exe on a virtual one."
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wine dist/tomeflip.exe & program=$!
  /usr/lib/wine/wine64 build/wintests/tests/dlgprobe.exe >/dev/null
  xwd -root -silent | convert xwd:- build/screenshot.png
  xdotool key --window "$(xdotool search --name "^Tomeflip$" | head -n 1)" Escape
  wait $program
  echo "The dialog came up; see build/screenshot.png. It ended with exit code $?."
'
