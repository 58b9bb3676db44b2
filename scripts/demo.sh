#!/usr/bin/env bash
# make run: seeds a throwaway Wine prefix (build/demo) with sample traces,
# scans them with the real engine and prints what it found.
#   scripts/demo.sh <build-dir> [--clean]
# --clean also cleans every found item and shows what is left. Nothing
# outside the demo prefix is ever touched: the prefix has no Z: drive and
# its own HOME.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
shift || true
mode=scan
for arg in "$@"; do
  case "$arg" in
    --clean) mode=clean ;;
    *) echo "demo: unknown option $arg" >&2; exit 2 ;;
  esac
done

source "$here/wine-env.sh"
wine_env "$build/demo"
trap wine_server_stop EXIT
echo "demo: preparing a fresh Wine prefix in $WINEPREFIX"
wine_fresh_prefix "$build"
wine_server_start
cd "$build/tools"
run() { wine ./nimbrel-demo.exe "$@" 2>/dev/null </dev/null | tr -d '\r'; }
run seed
run "$mode" 'N:\bin'
