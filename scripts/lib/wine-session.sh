# Sourced by the scripts: a private X display and Wine prefix for running the
# Windows programs. Every process of the session shares one 1024x768 virtual
# desktop, so hooks, SendInput, hot keys, screen copies and the clipboard
# work across them.
#
#   vix_session_start DIR [KEEPALIVE_EXE]   sets DISPLAY, WINEPREFIX, WINEDEBUG
#   vix_session_stop

vix_root=${vix_root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}

vix_free_display() {
  local n
  for n in $(seq 90 190); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      echo "$n"
      return 0
    fi
  done
  return 1
}

vix_session_start() {
  local dir=$1 keepalive=${2:-}
  mkdir -p "$dir"
  local n
  n=$(vix_free_display) || { echo "no free X display" >&2; return 1; }
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$dir/xvfb.log" 2>&1 &
  VIX_XVFB_PID=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.1
  done
  # Never hard-link a prefix: the server rewrites its registry files in place.
  rm -rf "$dir/prefix"
  cp -a "$vix_root/.deps/wine-template" "$dir/prefix"
  export WINEPREFIX="$dir/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  wineserver -p
  if [ -n "$keepalive" ]; then
    # The desktop, window station and clipboard go away with the last GUI
    # process of the session: keep one running.
    wine "$keepalive" >/dev/null 2>&1 &
    VIX_KEEPALIVE_PID=$!
    for i in $(seq 1 100); do
      DISPLAY=$DISPLAY xdotool search --name '^Default - Wine desktop$' >/dev/null 2>&1 && break
      sleep 0.1
    done
  fi
  export VIX_WINE_SESSION=1
}

vix_session_stop() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "${VIX_XVFB_PID:-}" ] && kill "$VIX_XVFB_PID" >/dev/null 2>&1 || true
  wait "${VIX_XVFB_PID:-}" 2>/dev/null || true
  unset VIX_WINE_SESSION VIX_XVFB_PID VIX_KEEPALIVE_PID
}
