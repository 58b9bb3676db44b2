#!/usr/bin/env bash
# Installs what building and testing Nimbrel needs on a Debian machine, and
# fetches the zlib sources whose contrib/minizip the build compiles and the
# sqlite3 sources, whose amalgamation (sqlite3.c, shell.c) it makes there.
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
  # sqlite3's own build makes its amalgamation with tclsh and the host's cc.
  tcl gcc libc6-dev
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
[ -f "$deps_dir/sqlite3/sqlite3.c" ] || need_src=1
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

# fetch_source <source package> <folder below .deps> <file it must hold>
fetch_source() {
  local package=$1 into=$2 check=$3
  [ -f "$deps_dir/$into/$check" ] && return 0
  echo "install-deps: fetching the $package sources"
  rm -rf "$deps_dir/$into-fetch"
  mkdir -p "$deps_dir/$into-fetch"
  # The newest listed version is not always on the mirror: try each in turn.
  local fetched=0 v
  for v in $(apt-cache showsrc "$package" | sed -n 's/^Version: //p' | sort -ru); do
    if (cd "$deps_dir/$into-fetch" && apt-get source -qq "$package=$v" >/dev/null 2>&1); then fetched=1; break; fi
    rm -rf "${deps_dir:?}/$into-fetch"/*
  done
  [ "$fetched" = 1 ] || { echo "install-deps: could not fetch the $package sources" >&2; exit 1; }
  local src
  src=$(find "$deps_dir/$into-fetch" -maxdepth 1 -mindepth 1 -type d -name "$package-*" | head -n 1)
  [ -n "$src" ] && [ -f "$src/$check" ] || { echo "install-deps: $package sources incomplete" >&2; exit 1; }
  rm -rf "${deps_dir:?}/$into"
  mv "$src" "$deps_dir/$into"
  rm -rf "${deps_dir:?}/$into-fetch"
}

fetch_source zlib zlib contrib/minizip/zip.c
fetch_source sqlite3 sqlite3 src/sqlite.h.in

# The amalgamation the way sqlite3's own build makes it (its configure, then
# the generated sqlite3.c and the shell's shell.c), in a folder of its own.
if [ ! -f "$deps_dir/sqlite3/sqlite3.c" ]; then
  echo "install-deps: making the sqlite3 amalgamation"
  rm -rf "$deps_dir/sqlite3/bld"
  mkdir -p "$deps_dir/sqlite3/bld"
  (cd "$deps_dir/sqlite3/bld" && ../configure --disable-tcl >/dev/null &&
     make -s sqlite3.c shell.c >/dev/null) ||
    { echo "install-deps: could not make the sqlite3 amalgamation" >&2; exit 1; }
  cp "$deps_dir/sqlite3/bld/shell.c" "$deps_dir/sqlite3/bld/sqlite3.h" "$deps_dir/sqlite3/"
  cp "$deps_dir/sqlite3/bld/sqlite3.c" "$deps_dir/sqlite3/sqlite3.c.part"
  mv "$deps_dir/sqlite3/sqlite3.c.part" "$deps_dir/sqlite3/sqlite3.c"
  rm -rf "$deps_dir/sqlite3/bld"
fi
