# A private X server, so that tests and screenshots never touch the user's display.
# shellcheck shell=bash

# start_private_xvfb [WIDTHxHEIGHTxDEPTH]: starts Xvfb on the first free display from :97 on,
# exports DISPLAY and stops the server when the calling script exits.
start_private_xvfb() {
  local geometry=${1:-1024x768x24} n pid i
  mkdir -p "$FOLVARIC_BUILD_ROOT"
  for ((n = 97; n < 200; n++)); do
    [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
    Xvfb ":$n" -screen 0 "$geometry" -nolisten tcp -noreset >"$FOLVARIC_BUILD_ROOT/xvfb-$n.log" 2>&1 &
    pid=$!
    for ((i = 0; i < 200; i++)); do
      if xdpyinfo -display ":$n" >/dev/null 2>&1; then
        export DISPLAY=":$n"
        FOLVARIC_XVFB_PID=$pid
        add_cleanup "stop_private_xvfb $pid"
        log "Xvfb $geometry on $DISPLAY (pid $pid)"
        return 0
      fi
      kill -0 "$pid" 2>/dev/null || break   # lost a race for this display: try the next one
      sleep 0.05
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  die "could not start Xvfb"
}

stop_private_xvfb() {
  local pid=$1
  kill "$pid" 2>/dev/null || return 0
  wait "$pid" 2>/dev/null || true
}
