#!/usr/bin/env bash
# Runs every test program under Wine in a throwaway prefix of the build folder.
#   scripts/run-tests.sh <build-dir> [ctest arguments...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
shift || true

source "$here/wine-env.sh"
wine_env "$build/wine-test"
cleanup() { wine_server_stop; xvfb_stop; }
trap cleanup EXIT

echo "run-tests: preparing a fresh Wine prefix in $WINEPREFIX"
wine_fresh_prefix "$build"
xvfb_start
wine_server_start
mkdir -p "$build/screenshots"

cd "$build"
ctest --output-on-failure --no-tests=error "$@"
