#!/usr/bin/env bash
# Runs the *_fuzz binaries of a build directory on their corpora (tests/fuzz/corpus/<name>, with
# tests/fuzz/<name>.dict when there is one) for the given number of seconds each, one per core at
# a time so that each count means a core's worth of runs, and prints how many inputs each executed.
# usage: tools/fuzz.sh BUILD_DIR SECONDS [TARGET...]
set -euo pipefail
build=${1:?usage: fuzz.sh BUILD_DIR SECONDS [TARGET...]}
seconds=${2:-60}
shift $(($# < 2 ? $# : 2))
root=$(cd "$(dirname "$0")/.." && pwd)
cores=$(nproc)
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

names=()
for bin in "$build"/*_fuzz; do
  [ -f "$bin" ] && [ -x "$bin" ] || continue
  name=$(basename "$bin")
  if [ $# -gt 0 ] && [[ " $* " != *" $name "* ]]; then continue; fi
  names+=("$name")
done
[ ${#names[@]} -gt 0 ] || { echo "no matching *_fuzz binaries in $build" >&2; exit 1; }

start() {
  local name=$1 corpus="$root/tests/fuzz/corpus/$1" work="$build/fuzz-corpus/$1" dict=()
  mkdir -p "$work" "$build/fuzz-artifacts" # new finds go to work; the checked-in corpus stays small
  [ -f "$root/tests/fuzz/$name.dict" ] && dict=(-dict="$root/tests/fuzz/$name.dict")
  "$build/$name" "$work" "$corpus" "${dict[@]}" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/fuzz-artifacts/$name-" \
    >"$logs/$name.log" 2>&1
}

report() {
  local name=$1 status=$2 runs
  if [ "$status" -ne 0 ]; then
    echo "$name: FAILED, log follows" >&2
    tail -n 40 "$logs/$name.log" >&2
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$logs/$name.log" | grep -o '[0-9]*$' || echo "?")
  echo "$name: $runs executions in $seconds s"
}

status=0
for ((i = 0; i < ${#names[@]}; i += cores)); do
  pids=()
  batch=("${names[@]:i:cores}")
  for name in "${batch[@]}"; do
    start "$name" &
    pids+=($!)
  done
  for j in "${!pids[@]}"; do
    if wait "${pids[$j]}"; then report "${batch[$j]}" 0; else report "${batch[$j]}" 1; status=1; fi
  done
done
exit $status
