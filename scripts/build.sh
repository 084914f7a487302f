#!/usr/bin/env bash
# Installs what is missing, then builds everything: the shipped program
# (dist/tomeflip.exe), the Windows tests and the native tests.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build
