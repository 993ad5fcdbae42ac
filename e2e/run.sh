#!/usr/bin/env bash
# Runs the end-to-end suite: the real Folvaric.exe (x86_64 build) under wine64 on a private Xvfb,
# driven by folvaric_e2e.exe from inside the same Wine prefix.
#
#   e2e/run.sh [--build-dir DIR] [--screen WxHxD] [test name filters...]
#
# The build folder must already be built (scripts/test and scripts/run do that). Screenshots the
# tests ask for land in build/screenshots/. Exit status: the driver's (0 = all passed).
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../scripts/lib/common.sh"
source "$FOLVARIC_ROOT/scripts/lib/xvfb.sh"
source "$FOLVARIC_ROOT/scripts/lib/wine.sh"

build_dir=$FOLVARIC_BUILD_ROOT/win64
screen=1024x768x24
filters=()
while (($#)); do
  case $1 in
    --build-dir) build_dir=$2; shift 2 ;;
    --screen) screen=$2; shift 2 ;;
    *) filters+=("$1"); shift ;;
  esac
done

for file in "$build_dir/Folvaric.exe" "$build_dir/e2e/folvaric_e2e.exe" "$build_dir/e2e/Explorer.exe"; do
  [[ -f $file ]] || die "missing $file (build $build_dir first)"
done

# A scratch program folder, laid out as an installed copy, with the test tools beside the
# program. Tests may write into it freely; it is rebuilt on every run and kept for inspection.
work=$FOLVARIC_BUILD_ROOT/e2e-work
program_dir=$work/program
rm -rf "$work"
mkdir -p "$program_dir"
if [[ -d $FOLVARIC_ROOT/dist ]]; then
  cp -R "$FOLVARIC_ROOT/dist/." "$program_dir/"
fi
cp "$build_dir/Folvaric.exe" "$build_dir/e2e/folvaric_e2e.exe" "$build_dir/e2e/Explorer.exe" "$program_dir/"
# A Chinese file name written from Linux, for the check that Wine maps names as Windows would.
printf 'ok\n' >"$program_dir/e2e-名称检查.txt"

screenshots=$FOLVARIC_BUILD_ROOT/screenshots
mkdir -p "$screenshots"

start_private_xvfb "$screen"
prepare_wine_prefix
add_cleanup stop_wine_prefix

# Serves the driver's screenshot requests: "screenshot-NAME.request" holds "left top width
# height"; the area is saved as NAME.png and the request removed, which releases the driver.
serve_screenshots() {
  shopt -s nullglob
  while :; do
    local request name left top width height
    for request in "$program_dir"/screenshot-*.request; do
      name=${request##*/screenshot-}
      name=${name%.request}
      read -r left top width height <"$request" || true
      if import -display "$DISPLAY" -window root -crop "${width}x${height}+${left}+${top}" +repage \
        "$screenshots/$name.png" 2>>"$work/screenshots.log"; then
        printf '%s\n' "$screenshots/$name.png" >>"$work/screenshots.log"
      fi
      rm -f "$request"
    done
    sleep 0.1
  done
}
serve_screenshots &
server_pid=$!
add_cleanup "kill $server_pid 2>/dev/null; wait $server_pid 2>/dev/null"

log "running the e2e driver in $program_dir"
set +e
(
  cd "$program_dir"
  FOLVARIC_E2E_SCREENSHOTS=1 timeout 600 env LC_ALL="$FOLVARIC_WINE_LOCALE" "$FOLVARIC_WINE" "$program_dir/folvaric_e2e.exe" "${filters[@]}"
) 2>"$work/wine-stderr.log" | tee "$work/driver.log"
status=${PIPESTATUS[0]}
set -e

if [[ -s $work/screenshots.log ]]; then
  log "screenshots:"
  grep -v '^import' "$work/screenshots.log" | sed 's/^/  /' >&2 || true
fi
summary=$(grep -E '^[0-9]+ passed, [0-9]+ failed$' "$work/driver.log" | tail -1 || true)
if [[ -z $summary ]]; then
  log "the driver printed no summary (status $status); Wine's messages:"
  tail -n 30 "$work/wine-stderr.log" >&2 || true
  ((status != 0)) || status=1
fi
log "e2e driver exit status $status${summary:+; $summary}"
exit "$status"
