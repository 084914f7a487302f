#!/usr/bin/env bash
# Builds everything and runs every test, the window tests on a virtual X
# display. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
xvfb-run -a -s "-screen 0 1024x768x24" ctest --test-dir build --output-on-failure -j2 "$@"
