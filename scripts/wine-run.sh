#!/usr/bin/env bash
# Runs one Windows program under Wine for ctest. The program's output goes
# through a file: Wine's helper processes (services, the desktop window) may
# outlive the program, and one that inherited ctest's pipe would keep ctest
# waiting for ever.
log=$(mktemp "${TMPDIR:-/tmp}/wine-run.XXXXXX")
wine "$@" >"$log" 2>&1 </dev/null
status=$?
cat "$log"
rm -f "$log"
exit $status
