#!/usr/bin/env bash
# Installs what building and testing Nimbrel needs on a Debian machine, and
# fetches the zlib sources whose contrib/minizip the build compiles.
# Idempotent: a second run installs nothing and downloads nothing.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
deps_dir="$here/.deps"

packages=(
  cmake make python3 openssl dpkg-dev unzip ccache
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  mingw-w64-x86-64-dev libz-mingw-w64-dev
  wine wine64 xvfb xauth x11-utils imagemagick
  googletest fp-utils
  # makensis with its amd64-unicode stubs and plugins, for the installer.
  nsis
  # Wine's own Tahoma (the face behind "MS Shell Dlg", which the tests'
  # pixel figures are measured with), a face with Arial's metrics, and
  # DejaVu Sans, the wider face the layout tests put behind the dialog font.
  fonts-wine fonts-liberation2 fonts-dejavu-core
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

# apt-get source needs a deb-src entry; derive it from the machine's own
# Debian sources so no mirror is hard-wired here.
src_list=/etc/apt/sources.list.d/nimbrel-deb-src.sources
need_src=0
[ -f "$deps_dir/zlib/contrib/minizip/zip.c" ] || need_src=1
if [ "$need_src" = 1 ] && [ ! -f "$src_list" ] &&
   ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  base=/etc/apt/sources.list.d/debian.sources
  if [ -f "$base" ]; then
    sed 's/^Types:.*/Types: deb-src/' "$base" | "${sudo_cmd[@]}" tee "$src_list" >/dev/null
  elif [ -f /etc/apt/sources.list ]; then
    grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
      "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/nimbrel-deb-src.list >/dev/null
  fi
  missing+=(__update__)
fi

if [ "${#missing[@]}" -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  real=()
  for p in "${missing[@]}"; do [ "$p" = __update__ ] || real+=("$p"); done
  if [ "${#real[@]}" -gt 0 ]; then
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${real[@]}" >/dev/null
  fi
fi

if [ "$need_src" = 1 ]; then
  echo "install-deps: fetching the zlib sources (minizip)"
  rm -rf "$deps_dir/zlib-fetch"
  mkdir -p "$deps_dir/zlib-fetch"
  # The newest listed version is not always on the mirror: try each in turn.
  fetched=0
  for v in $(apt-cache showsrc zlib | sed -n 's/^Version: //p' | sort -ru); do
    if (cd "$deps_dir/zlib-fetch" && apt-get source -qq "zlib=$v" >/dev/null 2>&1); then fetched=1; break; fi
    rm -rf "${deps_dir:?}/zlib-fetch"/*
  done
  [ "$fetched" = 1 ] || { echo "install-deps: could not fetch the zlib sources" >&2; exit 1; }
  src=$(find "$deps_dir/zlib-fetch" -maxdepth 1 -mindepth 1 -type d -name 'zlib-*' | head -n 1)
  [ -n "$src" ] && [ -f "$src/contrib/minizip/zip.c" ] || { echo "install-deps: zlib sources incomplete" >&2; exit 1; }
  rm -rf "$deps_dir/zlib"
  mv "$src" "$deps_dir/zlib"
  rm -rf "$deps_dir/zlib-fetch"
fi
