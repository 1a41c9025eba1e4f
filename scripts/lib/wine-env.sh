# Sourced by the scripts: which Wine loader this machine can use.
#
# Some machines refuse every 32-bit Linux program ("Exec format error"), and
# with it Wine's 32-bit loader, which the wrapper scripts (wine, wineboot,
# winepath) call whenever it is installed. There only the 64-bit loader runs,
# so only the 64-bit build can be run. scripts/bootstrap finds this out and
# records it in .deps/machine; everything later reads the record.
#
#   vix_detect_32bit           runs the 32-bit loader; sets VIX_RUNS_32BIT (1/0),
#                              VIX_32BIT_CASE (runs, cannot-execute or, set by
#                              bootstrap, not-installable) and VIX_32BIT_WHY
#                              (why not, one line)
#   vix_load_machine           reads .deps/machine (detects if it is missing)
#   vix_wine ARGS...           runs a Windows program with the usable loader
#   vix_default_build          win32 where 32-bit programs run, else win64
#
# VIX_WINE32_LOADER points the check at another 32-bit loader; a missing one
# makes the scripts take the 64-bit path on any machine.

vix_root=${vix_root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
vix_wine64_loader=/usr/lib/wine/wine64

vix_detect_32bit() {
  local loader=${VIX_WINE32_LOADER:-/usr/lib/wine/wine} out
  VIX_RUNS_32BIT=0
  VIX_32BIT_CASE=cannot-execute
  if [ ! -e "$loader" ]; then
    VIX_32BIT_WHY="the 32-bit Wine loader $loader is missing"
    return
  fi
  if out=$("$loader" --version 2>&1); then
    VIX_RUNS_32BIT=1
    VIX_32BIT_CASE=runs
    VIX_32BIT_WHY=""
    return
  fi
  # "Exec format error" is what a kernel without 32-bit support answers.
  VIX_32BIT_WHY="the 32-bit Wine loader does not run here: $(printf '%s' "$out" | tail -n 1)"
}

vix_load_machine() {
  local record=$vix_root/.deps/machine
  if [ -f "$record" ]; then
    # shellcheck disable=SC1090
    . "$record"
  else
    vix_detect_32bit
  fi
}

vix_save_machine() {
  mkdir -p "$vix_root/.deps"
  {
    printf 'VIX_RUNS_32BIT=%s\n' "$VIX_RUNS_32BIT"
    printf 'VIX_32BIT_CASE=%s\n' "$VIX_32BIT_CASE"
    printf 'VIX_32BIT_WHY=%q\n' "$VIX_32BIT_WHY"
  } >"$vix_root/.deps/machine"
}

vix_wine() {
  if [ "${VIX_RUNS_32BIT:-1}" = 1 ]; then
    wine "$@"
  else
    # The wrapper scripts would pick the 32-bit loader: call the 64-bit one.
    WINELOADER=$vix_wine64_loader "$vix_wine64_loader" "$@"
  fi
}

vix_default_build() {
  if [ "${VIX_RUNS_32BIT:-1}" = 1 ]; then echo win32; else echo win64; fi
}

# The build a benchmark measures: "32" or "64" as its first argument, else
# what the machine can run. Sets VIX_BENCH_PRESET; says why if 32 cannot run.
vix_bench_preset() {
  case "${1:-}" in
    32)
      if [ "${VIX_RUNS_32BIT:-1}" != 1 ]; then
        echo "the 32-bit build cannot run here: $VIX_32BIT_WHY" >&2
        return 1
      fi
      VIX_BENCH_PRESET=win32 ;;
    64) VIX_BENCH_PRESET=win64 ;;
    *) VIX_BENCH_PRESET=$(vix_default_build) ;;
  esac
  [ -x "$vix_root/build/$VIX_BENCH_PRESET/bin/vix.exe" ] || {
    echo "no $VIX_BENCH_PRESET build: run cmake --preset $VIX_BENCH_PRESET && cmake --build --preset $VIX_BENCH_PRESET" >&2
    return 1
  }
  echo "measuring the $VIX_BENCH_PRESET build"
}
