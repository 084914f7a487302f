#!/usr/bin/env bash
# Times drops of large trees: the engine and the real dialog against the
# bare rename loop, for 10,000, 20,000 and 40,000 files (or the counts
# given). Prints a table; asserts nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh >/dev/null
prefix=$PWD/build/wineprefix
./scripts/wine-prefix.sh start "$prefix"
trap './scripts/wine-prefix.sh stop "$prefix"' EXIT
WINEPREFIX=$prefix WINEDEBUG=-all xvfb-run -a -s "-screen 0 1024x768x24" \
  /usr/lib/wine/wine64 build/wintests/tests/drop_benchmark.exe "$@"
