#!/usr/bin/env bash
# The Wine prefix that the tests and the program run in.
#   wine-prefix.sh start PREFIX   makes the prefix if it is missing and keeps
#                                 one wineserver alive for it
#   wine-prefix.sh stop PREFIX    ends that wineserver
set -euo pipefail
action=$1
export WINEPREFIX=$2 WINEDEBUG=-all
here=$(cd "$(dirname "$0")" && pwd)
wine64=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64

case $action in
start)
  if [ ! -f "$WINEPREFIX/.tomeflip-ready" ]; then
    mkdir -p "$WINEPREFIX"
    # No Mono or Gecko installer: nothing here needs them.
    WINEDLLOVERRIDES="mscoree,mshtml=" $wine64 wineboot --init
    # The dialog font maps to a font that has Korean glyphs.
    $wine64 regedit "Z:${here//\//\\}\\korean-font.reg"
    $wineserver -w
    touch "$WINEPREFIX/.tomeflip-ready"
  fi
  $wineserver -k 2>/dev/null || true
  $wineserver -w
  # Files are opened by the wineserver. As root it would list any folder, so
  # it gives up root's right to pass over permissions: a folder that cannot be
  # listed then cannot be listed under Wine either.
  # It lives on after this script, so it must not hold the script's output.
  if [ "$(id -u)" -eq 0 ]; then
    setpriv --bounding-set=-dac_override,-dac_read_search $wineserver -p
  else
    $wineserver -p
  fi </dev/null >/dev/null 2>&1
  # Wine's service processes start with the session and live on with it.
  # Starting them here keeps them off the pipes of the tests.
  $wine64 wineboot </dev/null >/dev/null 2>&1
  ;;
stop)
  $wineserver -k 2>/dev/null || true
  ;;
esac
