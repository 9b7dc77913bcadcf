# Shared by scripts/test and scripts/play: a private Xvfb display and clean-up of what Wine leaves running.
# Sourced, not run.

# start_xvfb WIDTHxHEIGHT: starts Xvfb on the first free display from :90, exports DISPLAY and XVFB_PID.
start_xvfb() {
  local size=${1:-1024x768} n=90
  while [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on $DISPLAY" >&2
  return 1
}

# stop_wine_and_xvfb PREFIX...: ends the wineservers of the given prefixes and our Xvfb.
stop_wine_and_xvfb() {
  local p
  for p in "$@"; do
    [ -d "$p" ] && WINEPREFIX=$p wineserver -k >/dev/null 2>&1 || true
  done
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
  fi
}
