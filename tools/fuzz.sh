#!/usr/bin/env bash
# Runs every *_fuzz binary of a build directory on its corpus (tests/fuzz/corpus/<name>) for the given
# number of seconds each, all at once, and prints how many inputs each one executed.
# usage: tools/fuzz.sh BUILD_DIR SECONDS
set -euo pipefail
build=${1:?usage: fuzz.sh BUILD_DIR SECONDS}
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
logs=$(mktemp -d)
pids=()
names=()
for bin in "$build"/*_fuzz; do
  [ -f "$bin" ] && [ -x "$bin" ] || continue
  name=$(basename "$bin")
  corpus="$root/tests/fuzz/corpus/$name"
  work="$build/fuzz-corpus/$name"   # new finds go here; the checked-in corpus stays small
  mkdir -p "$work" "$build/fuzz-artifacts"
  "$bin" "$work" "$corpus" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/fuzz-artifacts/$name-" >"$logs/$name.log" 2>&1 &
  pids+=($!)
  names+=("$name")
done
[ ${#pids[@]} -gt 0 ] || { echo "no *_fuzz binaries in $build" >&2; exit 1; }
status=0
for i in "${!pids[@]}"; do
  if ! wait "${pids[$i]}"; then
    status=1
    echo "${names[$i]}: FAILED, log follows" >&2
    tail -n 40 "$logs/${names[$i]}.log" >&2
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$logs/${names[$i]}.log" | grep -o '[0-9]*$' || echo "?")
  echo "${names[$i]}: ${runs} executions in ${seconds} s"
done
rm -rf "$logs"
exit $status
