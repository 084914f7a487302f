#!/usr/bin/env bash
# Runs a Windows program under Wine and passes on its output and exit code.
# Wine's own service processes, started along with the first program, live
# on; they hold a file here instead of the caller's pipe, so that a caller
# that reads the output to its end is not kept waiting for them.
set -u
out=$(mktemp)
"$@" >"$out" 2>&1 </dev/null
rc=$?
cat "$out"
rm -f "$out"
exit $rc
