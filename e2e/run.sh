#!/usr/bin/env bash
# Runs the end-to-end suite: the real Folvaric.exe (x86_64 build) under wine64 on a private Xvfb,
# driven by folvaric_e2e.exe from inside the same Wine prefix.
#
#   e2e/run.sh [--build-dir DIR] [--screen WxHxD]... [--neutral-folder] [test name filters...]
#
# The first screen (default 1024x768x24) runs every selected test; each further screen (default
# 1920x1080x24) runs again only the selected tests whose names hold "on_screen_" (layout checks
# for a given screen size; the others skip themselves there). Giving --screen replaces the
# defaults. The build folder must already be built (scripts/test and scripts/run do that).
# Screenshots land in build/screenshots/. Exit status: 0 only when every pass passed.
# --neutral-folder runs the program folder as C:\Folvaric (a link in the prefix's drive C), so
# that paths in screenshots (the status line, tool tips) show no build machine's folders.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../scripts/lib/common.sh"
source "$FOLVARIC_ROOT/scripts/lib/xvfb.sh"
source "$FOLVARIC_ROOT/scripts/lib/wine.sh"

build_dir=$FOLVARIC_BUILD_ROOT/win64
screens=()
filters=()
neutral_folder=0
while (($#)); do
  case $1 in
    --build-dir) build_dir=$2; shift 2 ;;
    --screen) screens+=("$2"); shift 2 ;;
    --neutral-folder) neutral_folder=1; shift ;;
    *) filters+=("$1"); shift ;;
  esac
done
((${#screens[@]})) || screens=(1024x768x24 1920x1080x24)

for file in "$build_dir/Folvaric.exe" "$build_dir/e2e/folvaric_e2e.exe" "$build_dir/e2e/Explorer.exe"; do
  [[ -f $file ]] || die "missing $file (build $build_dir first)"
done

# One run at a time per build root: runs share the scratch folder and the Wine prefix.
mkdir -p "$FOLVARIC_BUILD_ROOT"
exec 9>"$FOLVARIC_BUILD_ROOT/e2e.lock"
if ! flock -n 9; then
  log "another e2e run is using $FOLVARIC_BUILD_ROOT; waiting for it"
  flock -w 900 9 || die "the other e2e run did not finish"
fi

# A scratch program folder, laid out as an installed copy, with the test tools beside the
# program. Tests may write into it freely; it is rebuilt on every run and kept for inspection.
work=$FOLVARIC_BUILD_ROOT/e2e-work
program_dir=$work/program
# A test that failed half-way may have left a file of the last run unchangeable.
[[ -d $work ]] && chattr -R -i "$work" 2>/dev/null || true
rm -rf "$work"
mkdir -p "$program_dir"
if [[ -d $FOLVARIC_ROOT/dist ]]; then
  cp -R "$FOLVARIC_ROOT/dist/." "$program_dir/"
fi
# The program folder must hold a valid settings file and the default folder set (the exit save
# only rewrites it). Until dist/ delivers them, the runner writes the defaults: GBK, CR LF.
if [[ ! -f $program_dir/set ]]; then
  log "dist/ has no set file; writing the default one"
  printf '16\r\n宋体\r\n-16777208\r\n1\r\n默认.ico\r\n1\r\n0\r\n1\r\n' | iconv -f UTF-8 -t GBK >"$program_dir/set"
fi
mkdir -p "$program_dir/文件夹集合保存目录"
[[ -f $program_dir/文件夹集合保存目录/默认.txt ]] || : >"$program_dir/文件夹集合保存目录/默认.txt"
cp "$build_dir/Folvaric.exe" "$build_dir/e2e/folvaric_e2e.exe" "$build_dir/e2e/Explorer.exe" "$program_dir/"
# A Chinese file name written from Linux, for the check that Wine maps names as Windows would.
printf 'ok\n' >"$program_dir/e2e-名称检查.txt"

screenshots=$FOLVARIC_BUILD_ROOT/screenshots
mkdir -p "$screenshots"

# Serves the driver's requests, one-line files "<kind>-<sequence>.request" beside it; removing
# the file releases the driver.
#   screenshot-NAME: "left top width height"; that area of the screen is saved as NAME.png.
#   input: arguments for xdotool (pointer moves, clicks, keys), so that Wine gets real X input.
#   unchangeable: "on|off FILE", FILE relative to the program folder: the file cannot be
#     replaced, renamed or deleted while on (chattr +i holds even for root, which Wine runs as).
serve_requests() {
  shopt -s nullglob
  while :; do
    local request name kind line left top width height
    local -a arguments
    for request in "$program_dir"/*.request; do
      name=${request##*/}
      name=${name%.request}
      kind=${name%-*}
      line=$(<"$request") || line=
      case $kind in
        screenshot-*)
          read -r left top width height <<<"$line" || true
          if import -display "$DISPLAY" -window root -crop "${width}x${height}+${left}+${top}" +repage \
            "$screenshots/${kind#screenshot-}.png" 2>>"$work/screenshots.log"; then
            printf '%s\n' "$screenshots/${kind#screenshot-}.png" >>"$work/screenshots.log"
          fi
          ;;
        input)
          read -ra arguments <<<"$line" || true
          xdotool "${arguments[@]}" 2>>"$work/input.log" || printf 'failed: xdotool %s\n' "$line" >>"$work/input.log"
          ;;
        unchangeable)
          local switch=${line%% *} file=${line#* }
          if [[ $file != *..* && -e $program_dir/$file ]]; then
            [[ $switch == on ]] && chattr +i "$program_dir/$file" || chattr -i "$program_dir/$file"
          fi
          ;;
      esac
      rm -f "$request"
    done
    sleep 0.03
  done
}

run_driver() {
  local log_file=$1
  shift
  local run_dir=$program_dir driver=$program_dir/folvaric_e2e.exe
  if ((neutral_folder)); then
    run_dir=$WINEPREFIX/drive_c/Folvaric
    ln -sfn "$program_dir" "$run_dir"
    driver='C:\Folvaric\folvaric_e2e.exe'
  fi
  set +e
  (
    cd "$run_dir"
    FOLVARIC_E2E_RUNNER=1 timeout 600 env LC_ALL="$FOLVARIC_WINE_LOCALE" "$FOLVARIC_WINE" \
      "$driver" "$@"
  ) 2>>"$work/wine-stderr.log" | tee "$log_file"
  local status=${PIPESTATUS[0]}
  set -e
  return "$status"
}

# run_pass SCREEN DRIVER-ARGS...: one X server of that size, the suite's selected tests on it.
total_passed=0
total_failed=0
overall=0
screens_run=()
run_pass() {
  local screen=$1
  shift
  screens_run+=("$screen")
  local log_file=$work/driver-$screen.log status=0 summary server_pid xvfb_pid
  start_private_xvfb "$screen"
  xvfb_pid=$FOLVARIC_XVFB_PID
  prepare_wine_prefix
  serve_requests &
  server_pid=$!
  log "running the e2e driver on a $screen screen in $program_dir"
  run_driver "$log_file" "$@" || status=$?
  kill "$server_pid" 2>/dev/null || true
  wait "$server_pid" 2>/dev/null || true
  # The next screen needs a fresh Wine session: Wine keeps the display it started with.
  stop_wine_prefix
  stop_private_xvfb "$xvfb_pid"
  summary=$(grep -E '^[0-9]+ passed, [0-9]+ failed$' "$log_file" | tail -1 || true)
  if [[ -z $summary ]]; then
    log "the driver printed no summary (status $status); Wine's messages:"
    tail -n 30 "$work/wine-stderr.log" >&2 || true
    ((status != 0)) || status=1
  else
    total_passed=$((total_passed + ${summary%% passed*}))
    summary=${summary#*, }
    total_failed=$((total_failed + ${summary%% failed}))
  fi
  log "e2e driver on $screen: exit status $status"
  ((status == 0)) || overall=1
}

add_cleanup stop_wine_prefix
started=$SECONDS
run_pass "${screens[0]}" "${filters[@]}"
if ((${#screens[@]} > 1)); then
  # The further screens run only the screen-size tests among the selected ones, if there are any.
  folvaric_wine_env
  selected=$(cd "$program_dir" && env LC_ALL="$FOLVARIC_WINE_LOCALE" "$FOLVARIC_WINE" \
    "$program_dir/folvaric_e2e.exe" --list --screen-tests "${filters[@]}" 2>/dev/null | tr -d '\r' || true)
  stop_wine_prefix
  if [[ -n $selected ]]; then
    for screen in "${screens[@]:1}"; do
      run_pass "$screen" --screen-tests "${filters[@]}"
    done
  fi
fi

if [[ -s $work/screenshots.log ]]; then
  log "screenshots:"
  grep -v '^import' "$work/screenshots.log" | sort -u | sed 's/^/  /' >&2 || true
fi
log "e2e: $((SECONDS - started))s on ${screens_run[*]}"
printf '%d passed, %d failed\n' "$total_passed" "$total_failed"
exit "$overall"
