#!/usr/bin/env bash
# make bench: runs the benchmarks under Wine in their own prefix
# (build/bench), which keeps its synthetic trees between runs.
#   scripts/run-bench.sh <build-dir> [walk|gui|shred|db|rules] [count] [rounds]
# walk: the engine's folder walk against plain enumeration (count: files;
# then "busy" keeps every core busy through the rounds);
# gui: the scan page against the engine alone (on a private X display);
# shred: one shred pass against a plain write (count: megabytes); db: the
# engine cleaning browser databases against the sqlite3 shell (its rounds);
# rules: reading and detecting the community rules file (the shared copy
# beside the checkout when there is one, else the one the program ships)
# and a rule's walk against the built-in walk (count: files).
# All by default; then a count and rounds go to walk and gui, shred and db
# take their own.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
shift || true
which=all
case "${1:-}" in
  walk|gui|shred|db|rules) which=$1; shift ;;
esac

source "$here/wine-env.sh"
wine_env "$build/bench"
cleanup() { wine_server_stop; xvfb_stop; }
trap cleanup EXIT
if [ ! -d "$WINEPREFIX/drive_c" ]; then
  echo "bench: preparing a Wine prefix in $WINEPREFIX"
  wine_fresh_prefix "$build"
fi
# The display first: the prefix's desktop process takes it when it starts.
case "$which" in all|gui) xvfb_start ;; esac
wine_server_start
cd "$build/tools"
if [ "$which" = all ] || [ "$which" = walk ]; then
  echo "== the engine's folder walk"
  wine ./folder_walk_bench.exe "$@" 2>/dev/null </dev/null | tr -d '\r'
fi
if [ "$which" = all ] || [ "$which" = gui ]; then
  echo "== the scan page against the engine alone"
  wine ./gui_scan_bench.exe "$@" 2>/dev/null </dev/null | tr -d '\r'
fi
if [ "$which" = all ] || [ "$which" = shred ]; then
  echo "== one shred pass against a plain write"
  [ "$which" = shred ] || set --
  wine ./shred_bench.exe "$@" 2>/dev/null </dev/null | tr -d '\r'
fi
if [ "$which" = all ] || [ "$which" = db ]; then
  echo "== browser databases: the engine against the sqlite3 shell"
  [ "$which" = db ] || set --
  wine ./db_bench.exe "$@" 2>/dev/null </dev/null | tr -d '\r'
fi
if [ "$which" = all ] || [ "$which" = rules ]; then
  echo "== community rules: reading, detecting and walking"
  [ "$which" = rules ] || set --
  rules="$here/../../shared/winapp2/Winapp2.ini"
  [ -f "$rules" ] || rules="$here/../third_party/winapp2/Winapp2.ini"
  cp -f "$rules" "$build/tools/bench-rules.ini"
  echo "rules file: $(cd "$(dirname "$rules")" && pwd)/$(basename "$rules")"
  wine ./rules_bench.exe 'N:\tools\bench-rules.ini' "$@" 2>/dev/null </dev/null | tr -d '\r'
fi
