#!/usr/bin/env bash
# make bench: runs the benchmarks under Wine in their own prefix
# (build/bench), which keeps its synthetic trees between runs.
#   scripts/run-bench.sh <build-dir> [walk|gui] [files] [rounds]
# walk: the engine's folder walk against plain enumeration; gui: the scan
# page against the engine alone (on a private X display). Both by default.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
shift || true
which=both
case "${1:-}" in
  walk|gui) which=$1; shift ;;
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
[ "$which" = walk ] || xvfb_start
wine_server_start
cd "$build/tools"
if [ "$which" != gui ]; then
  echo "== the engine's folder walk"
  wine ./folder_walk_bench.exe "$@" 2>/dev/null </dev/null | tr -d '\r'
fi
if [ "$which" != walk ]; then
  echo "== the scan page against the engine alone"
  wine ./gui_scan_bench.exe "$@" 2>/dev/null </dev/null | tr -d '\r'
fi
