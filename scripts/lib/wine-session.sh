# Sourced by the scripts: a private X display and Wine prefix for running the
# Windows programs. Every process of the session shares one 1024x768 virtual
# desktop, so hooks, SendInput, hot keys, screen copies and the clipboard
# work across them.
#
#   vix_session_start DIR [KEEPALIVE_EXE]   sets DISPLAY, WINEPREFIX, WINEDEBUG;
#                                           returns non-zero, saying which step
#                                           failed, if the session cannot start
#   vix_session_stop
#
# VIX_DESKTOP_SIZE=WxH gives the session a larger Wine desktop (and an Xvfb
# screen to hold it) than the usual 1024x768, for the benchmarks.

vix_root=${vix_root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
. "$vix_root/scripts/lib/wine-env.sh"
vix_load_machine

# Names the step of the session's start that failed and shows its log.
vix_session_failed() {
  local step=$1 log=${2:-}
  echo "Wine session: FAILED: $step" >&2
  if [ -n "$log" ] && [ -s "$log" ]; then
    echo "Wine session: last lines of $log:" >&2
    tail -n 25 "$log" | sed 's/^/  | /' >&2
  fi
  return 1
}

vix_session_start() {
  local dir=$1 keepalive=${2:-}
  mkdir -p "$dir"
  local n i
  local screen=1280x1024
  if [ -n "${VIX_DESKTOP_SIZE:-}" ]; then
    local w=${VIX_DESKTOP_SIZE%x*} h=${VIX_DESKTOP_SIZE#*x}
    screen=$((w + 64))x$((h + 64))
  fi
  # Xvfb picks a free display itself and names it: sessions started at the
  # same moment never take the same one.
  rm -f "$dir/display"
  Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
  VIX_XVFB_PID=$!
  for i in $(seq 1 100); do
    [ -s "$dir/display" ] && break
    kill -0 "$VIX_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  n=$(tr -dc '0-9' <"$dir/display" 2>/dev/null)
  [ -n "$n" ] && [ -e "/tmp/.X11-unix/X$n" ] ||
    { vix_session_failed "starting Xvfb" "$dir/xvfb.log"; return 1; }
  export DISPLAY=":$n"
  # Never hard-link a prefix: the server rewrites its registry files in place.
  rm -rf "$dir/prefix"
  cp -a "$vix_root/.deps/wine-template" "$dir/prefix" ||
    { vix_session_failed "copying the template prefix (run scripts/bootstrap)"; return 1; }
  if [ -n "${VIX_DESKTOP_SIZE:-}" ]; then
    sed -i "s/^\"Default\"=\"1024x768\"/\"Default\"=\"$VIX_DESKTOP_SIZE\"/" "$dir/prefix/user.reg"
  fi
  export WINEPREFIX="$dir/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  [ "$VIX_RUNS_32BIT" = 1 ] || export WINELOADER=$vix_wine64_loader
  wineserver -p >"$dir/wineserver.log" 2>&1 ||
    { vix_session_failed "starting the Wine server" "$dir/wineserver.log"; return 1; }
  if [ -n "$keepalive" ]; then
    # The desktop, window station and clipboard go away with the last GUI
    # process of the session: keep one running.
    vix_wine "$keepalive" >"$dir/keepalive.log" 2>&1 &
    VIX_KEEPALIVE_PID=$!
    # A fresh prefix's first program sets the prefix up; with four sessions
    # starting at once beside a compiler that took more than 15 s here.
    for i in $(seq 1 600); do
      DISPLAY=$DISPLAY xdotool search --name '^Default - Wine desktop$' >/dev/null 2>&1 && break
      sleep 0.1
    done
    DISPLAY=$DISPLAY xdotool search --name '^Default - Wine desktop$' >/dev/null 2>&1 ||
      { vix_session_failed "starting the Wine desktop with $(basename "$keepalive")" "$dir/keepalive.log"; return 1; }
  fi
  export VIX_WINE_SESSION=1
}

vix_session_stop() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 || true
  [ -n "${VIX_XVFB_PID:-}" ] && kill "$VIX_XVFB_PID" >/dev/null 2>&1 || true
  wait "${VIX_XVFB_PID:-}" 2>/dev/null || true
  unset VIX_WINE_SESSION VIX_XVFB_PID VIX_KEEPALIVE_PID
}
