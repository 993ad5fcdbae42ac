# Shared helpers for the build, run and test scripts. Source it; it defines functions only.
# shellcheck shell=bash

FOLVARIC_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
FOLVARIC_BUILD_ROOT=${FOLVARIC_BUILD_ROOT:-$FOLVARIC_ROOT/build}
FOLVARIC_WINE=/usr/lib/wine/wine64
FOLVARIC_WINESERVER=/usr/lib/wine/wineserver64
# The program speaks GBK: Wine takes its ANSI code page (936) from this locale.
FOLVARIC_WINE_LOCALE=zh_CN.UTF-8

log() { printf '[folvaric] %s\n' "$*" >&2; }
die() { log "error: $*"; exit 1; }

# --- Clean-up on exit: functions register commands; they run once, newest first. -----------
FOLVARIC_CLEANUPS=()
_folvaric_run_cleanups() {
  local i
  for ((i = ${#FOLVARIC_CLEANUPS[@]} - 1; i >= 0; i--)); do
    eval "${FOLVARIC_CLEANUPS[i]}" || true
  done
  FOLVARIC_CLEANUPS=()
}
add_cleanup() {
  FOLVARIC_CLEANUPS+=("$1")
  trap _folvaric_run_cleanups EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
}
