#!/usr/bin/env bash
# make bench: runs the benchmarks under Wine in their own prefix
# (build/bench), which keeps its synthetic trees between runs.
#   scripts/run-bench.sh <build-dir> [files] [rounds]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
shift || true

source "$here/wine-env.sh"
wine_env "$build/bench"
trap wine_server_stop EXIT
if [ ! -d "$WINEPREFIX/drive_c" ]; then
  echo "bench: preparing a Wine prefix in $WINEPREFIX"
  wine_fresh_prefix "$build"
fi
wine_server_start
cd "$build/tools"
wine ./folder_walk_bench.exe "$@" 2>/dev/null </dev/null | tr -d '\r'
