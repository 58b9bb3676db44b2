# Sourced by the test, run and benchmark scripts: an isolated Wine prefix.
#
#   wine_env <state-dir>     exports WINEPREFIX, HOME, XDG_* under <state-dir>
#   wine_fresh_prefix <map>  makes a new prefix whose only drives are C: (the
#                            prefix's own) and N: (mapped to <map>)
#   wine_server_start / wine_server_stop
#   xvfb_start / xvfb_stop   a private X display for windows and message boxes
#
# A fresh Wine prefix maps Z: to the whole Linux file system and links the
# user's Documents, Desktop, Pictures... to $HOME. A cleaner under test must
# never reach those, so the prefix gets its own HOME, loses Z: and gets real
# folders in place of those links.

wine_env() {
  local state="$1"
  mkdir -p "$state"
  state=$(cd "$state" && pwd)
  export WINE_STATE_DIR="$state"
  export WINEPREFIX="$state/prefix"
  export HOME="$state/home"
  export XDG_DATA_HOME="$state/xdg/data"
  export XDG_CONFIG_HOME="$state/xdg/config"
  export XDG_CACHE_HOME="$state/xdg/cache"
  export XDG_RUNTIME_DIR="$state/xdg/runtime"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win64
  unset WINESERVER
  mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
}

wine_fresh_prefix() {
  local map="$1"
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 </dev/null
  wineserver -w
  local dev="$WINEPREFIX/dosdevices"
  find "$dev" -maxdepth 1 -mindepth 1 -name '?:' ! -name 'c:' -exec rm -f {} +
  find "$dev" -maxdepth 1 -mindepth 1 -name '?::' -exec rm -f {} +
  ln -s "$map" "$dev/n:"
  # Shell folders that point into $HOME become ordinary folders of the prefix.
  local link
  find "$WINEPREFIX/drive_c/users" -maxdepth 2 -mindepth 2 -type l | while read -r link; do
    rm -f "$link" && mkdir -p "$link"
  done
  # Wine finds its own fonts only in the prefix's Fonts folder: with them,
  # dialogs measure as they do on Windows (MS Shell Dlg 8 pt: 6 x 13 units).
  # Without Tahoma "MS Shell Dlg" resolves to a host face: Liberation Sans
  # (6 x 12) when installed. Wine reads the font substitutes (HKLM\Software\
  # Microsoft\Windows NT\CurrentVersion\FontSubstitutes) when a process
  # starts, so a test can put another face behind "MS Shell Dlg" for a child
  # process. HKCU\Software\Wine\Fonts\Replacements did not replace the
  # installed Tahoma.
  local fonts=/usr/share/wine/fonts
  if [ -d "$fonts" ]; then
    cp -f "$fonts"/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  fi
  # No window manager runs here: unmanaged windows hide at once.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 </dev/null
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1 </dev/null
  wineserver -w
}

wine_server_start() {
  # The server detaches itself; one that kept our pipes would hold them open.
  wineserver -p >/dev/null 2>&1 </dev/null
  # Start the prefix's services now, away from the caller's pipes: they live
  # as long as the server.
  wineboot >/dev/null 2>&1 </dev/null || true
}

wine_server_stop() {
  wineserver -k >/dev/null 2>&1 || true
}

# xvfb_start [WIDTHxHEIGHT]: a private display, 1280x1024 unless named.
xvfb_start() {
  local n size="${1:-1280x1024}"
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 </dev/null &
    XVFB_PID=$!
    local i
    for i in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.1
    done
    if kill -0 "$XVFB_PID" 2>/dev/null; then
      export DISPLAY=":$n"
      return 0
    fi
  done
  echo "wine-env: could not start Xvfb" >&2
  return 1
}

xvfb_stop() {
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
  XVFB_PID=
}
