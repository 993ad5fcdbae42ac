#!/usr/bin/env bash
# Builds the fuzzers with clang (build/fuzz) and runs each for a while.
#
#   fuzz/run.sh [--seconds N] [--build-only] [fuzzer names...]
#
# Each fuzzer starts from its seeds in fuzz/corpus/<name>/ plus what earlier runs kept in
# build/fuzz/corpus/<name>/. A finding (crash, sanitizer report, failed property, time-out)
# is saved in build/fuzz/findings/<name>/ and makes the script fail; turn it into a unit test.
# Prints one line per fuzzer: executions, corpus size, outcome.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../scripts/lib/common.sh"

seconds=15
build_only=0
selected=()
while (($#)); do
  case $1 in
    --seconds) seconds=$2; shift 2 ;;
    --build-only) build_only=1; shift ;;
    *) selected+=("$1"); shift ;;
  esac
done

build_dir=$FOLVARIC_BUILD_ROOT/fuzz
if [[ ! -f $build_dir/CMakeCache.txt ]]; then
  CC=clang CXX=clang++ cmake -S "$FOLVARIC_ROOT" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFOLVARIC_FUZZ=ON
fi
cmake --build "$build_dir" --target folvaric_fuzzers -j2
((build_only)) && exit 0

if ((${#selected[@]} == 0)); then
  for source in "$FOLVARIC_ROOT"/fuzz/*_fuzzer.cpp; do
    name=${source##*/}
    selected+=("${name%_fuzzer.cpp}")
  done
fi

failed=0
report=()
for name in "${selected[@]}"; do
  fuzzer=$build_dir/${name}_fuzzer
  [[ -x $fuzzer ]] || die "no fuzzer $fuzzer"
  corpus=$build_dir/corpus/$name
  findings=$build_dir/findings/$name
  mkdir -p "$corpus" "$findings"
  log_file=$build_dir/$name.log
  log "fuzzing $name for ${seconds}s"
  status=0
  # -timeout: one input that takes this long is a finding (a hang), not a slow machine.
  "$fuzzer" "$corpus" "$FOLVARIC_ROOT/fuzz/corpus/$name" \
    -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/" >"$log_file" 2>&1 || status=$?
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log_file" | tail -1)
  corpus_size=$(find "$corpus" -type f | wc -l)
  if ((status == 0)); then
    outcome="no finding"
  else
    outcome="FINDING (exit $status), see $log_file and $findings/"
    failed=1
    grep -E 'property failed|ERROR: |SUMMARY: ' "$log_file" | head -5 >&2 || true
  fi
  report+=("$(printf '%-20s %10s executions in %ss, corpus %5s inputs: %s' \
    "$name" "${executions:-?}" "$seconds" "$corpus_size" "$outcome")")
done

printf '%s\n' "${report[@]}"
exit "$failed"
