#!/usr/bin/env bash
# make run: seeds a throwaway Wine prefix (build/demo) with sample traces,
# scans them with the real engine and prints what it found, then starts
# Nimbrel itself on that prefix and tours its pages.
#   scripts/demo.sh <build-dir> [--clean] [--no-program]
# --clean       also cleans every found item and shows what is left
# --no-program  only the printed scan, no program window
# Nimbrel opens on the user's display when there is one (and stays open
# until the user closes it), else on a private Xvfb display. Either way a
# picture of every page the tour visits lands in build/screenshots/make-run.
# Nothing outside build/demo is ever touched: the prefix has its own HOME,
# no Z: drive, and its N: drive holds only copies of the demo's programs.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
shift || true
mode=scan
program=yes
for arg in "$@"; do
  case "$arg" in
    --clean) mode=clean ;;
    --no-program) program=no ;;
    *) echo "demo: unknown option $arg" >&2; exit 2 ;;
  esac
done

# A display the user sees: one that is set and answers.
user_display() {
  [ -n "${DISPLAY:-}" ] || return 1
  if command -v xdpyinfo >/dev/null 2>&1; then xdpyinfo >/dev/null 2>&1; return; fi
  if command -v xset >/dev/null 2>&1; then xset q >/dev/null 2>&1; return; fi
  return 0
}
users_display=
if [ "$program" = yes ] && user_display; then users_display=$DISPLAY; fi
# The printed scan runs without a display, so that nothing it does (the
# paging-file notice of --clean) waits for a click.
unset DISPLAY WAYLAND_DISPLAY

source "$here/wine-env.sh"
wine_env "$build/demo"
cleanup() { wine_server_stop; xvfb_stop; }
trap cleanup EXIT

drive_n="$build/demo/drive-n"
rm -rf "$drive_n"
mkdir -p "$drive_n/bin" "$drive_n/tools"
cp -f "$build"/bin/* "$drive_n/bin/" 2>/dev/null || true
cp -f "$build"/tools/*.exe "$drive_n/tools/"

echo "demo: preparing a fresh Wine prefix in $WINEPREFIX"
wine_fresh_prefix "$drive_n"
wine_server_start
cd "$drive_n/tools"
run() { wine ./nimbrel-demo.exe "$@" 2>/dev/null </dev/null | tr -d '\r'; }
run seed
run "$mode" 'N:\bin'
[ "$program" = yes ] || exit 0

# The program runs from the prefix's own Program Files, as installed; its
# log and settings stay in the prefix.
installed="$WINEPREFIX/drive_c/Program Files/Nimbrel"
mkdir -p "$installed"
cp -f "$build"/bin/*.exe "$build"/bin/*.dll "$build"/bin/*.chm "$installed"/
# As an installation does: the first start writes the default selection.
wine reg add 'HKLM\SOFTWARE\Nimbrel' /v first /t REG_SZ /d 1 /f >/dev/null 2>&1 </dev/null

# Wine's desktop takes the display it finds when the server starts.
wine_server_stop
echo

# The first pages at 125 %, 150 % and 200 % (Wine reads the scale from the
# prefix's LogPixels), each on a private screen of a size that such a scale
# comes with, before the tour proper at 100 % cleans what they show.
glance_at_dpi() {
  local dpi="$1" size="$2"
  xvfb_start "$size"
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 </dev/null
  wine_server_stop
  wine_server_start
  echo "demo: a first look at $((dpi * 100 / 96)) % ($dpi DPI)"
  wine ./nimbrel-tour.exe 'C:\Program Files\Nimbrel\Nimbrel.exe' "N:\\screenshots-$dpi" --glance \
    2>/dev/null </dev/null | tr -d '\r' | grep -v '^tour: saved ' | sed 's/^/  /' || true
  wine reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1 </dev/null || true
  wine_server_stop
  xvfb_stop
}
rm -rf "$drive_n"/screenshots-*
glance_at_dpi 120 1600x1200
glance_at_dpi 144 1920x1200
glance_at_dpi 192 2560x1600
unset DISPLAY

tour_args=()
if [ -n "$users_display" ]; then
  export DISPLAY=$users_display
  echo "demo: starting Nimbrel on your display ($DISPLAY)"
  # A desktop with a window manager frames the program's windows.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d Y /f >/dev/null 2>&1 </dev/null
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d Y /f >/dev/null 2>&1 </dev/null
  wine_server_stop
  tour_args=(--stay)
else
  xvfb_start
  echo "demo: no display to show it on: starting Nimbrel on a private Xvfb display ($DISPLAY)"
fi
wine_server_start
set +e
wine ./nimbrel-tour.exe 'C:\Program Files\Nimbrel\Nimbrel.exe' 'N:\screenshots' ${tour_args[@]+"${tour_args[@]}"} \
  2>/dev/null </dev/null | tr -d '\r' | grep -v '^tour: saved '
tour_status=${PIPESTATUS[0]}
set -e

pictures="$build/screenshots/make-run"
rm -rf "$pictures"
mkdir -p "$pictures"
cp -f "$drive_n"/screenshots/*.png "$pictures"/ 2>/dev/null || true
for glance in "$drive_n"/screenshots-*; do
  [ -d "$glance" ] || continue
  mkdir -p "$pictures/dpi-${glance##*-}"
  cp -f "$glance"/*.png "$pictures/dpi-${glance##*-}"/ 2>/dev/null || true
done
echo "demo: pictures of the pages Nimbrel showed are in $pictures:"
(cd "$pictures" && find . -name '*.png' | sed 's|^\./||' | sort) | sed 's/^/  /'
echo "demo: Nimbrel's activity log:"
cat "$installed"/LOGS/*.log 2>/dev/null | tr -d '\r' | sed 's/^/  /' || true
if [ "$tour_status" -ne 0 ]; then
  echo "demo: the tour of Nimbrel did not finish (status $tour_status)" >&2
  exit 1
fi
