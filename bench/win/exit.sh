#!/usr/bin/env bash
# Time from the Exit command to the process gone, measured from outside: huex.exe runs under Wine
# on a virtual display with the settings files of a full session beside it; once its window has
# been up for a second it gets Alt+F4 as real X input (the program's Exit), and the process is
# watched until it has ended. Also reported: when the settings file was written, counted from the
# same moment. Medians over the runs.
#
#   bench/win/exit.sh [BUILDDIR] [REPETITIONS]      (defaults: build, 10)
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
reps=${2:-10}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
envdir=$build/bench-wine-env # shared with the other Windows benchmarks
work=$envdir/apps/exit

huex=$build/win/huex.exe
writer=$build/win/huex_settings_bench.exe
for exe in "$huex" "$writer"; do
    [ -f "$exe" ] || {
        echo "exit: $exe has not been built" >&2
        exit 1
    }
done

"$source_dir/tools/wine-env.sh" start "$envdir" >/dev/null
trap '"$source_dir/tools/wine-env.sh" stop "$envdir" >/dev/null' EXIT
# shellcheck disable=SC1091
source "$envdir/env"
rm -rf "$work"
mkdir -p "$work"
cp "$huex" "$work/huex.exe"
settings=$work/huex.ini

# run_once: prints "milliseconds_to_gone milliseconds_to_settings_written", or fails.
run_once() {
    local pid xid="" start gone written
    wine "$writer" --write "$(winepath -w "$work")" </dev/null >>"$envdir/bench.log" 2>&1
    wine "$work/huex.exe" </dev/null >>"$envdir/bench.log" 2>&1 &
    pid=$!
    local deadline=$((SECONDS + 30))
    while [ -z "$xid" ] && [ "$SECONDS" -lt "$deadline" ]; do
        sleep 0.1
        xid=$(xdotool search --all --onlyvisible --pid "$pid" --name '^HUEX' 2>/dev/null | head -n 1) || true
    done
    [ -n "$xid" ] || {
        kill -9 "$pid" 2>/dev/null || true
        echo "exit: no window within 30 s" >&2
        return 1
    }
    sleep 1
    xdotool windowfocus --sync "$xid"
    touch -d '2000-01-01' "$settings"
    start=$EPOCHREALTIME
    xdotool key --clearmodifiers alt+F4
    deadline=$((SECONDS + 20))
    while kill -0 "$pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do sleep 0.002; done
    gone=$EPOCHREALTIME
    if kill -0 "$pid" 2>/dev/null; then
        kill -9 "$pid" 2>/dev/null || true
        echo "exit: the process did not end within 20 s" >&2
        return 1
    fi
    wait "$pid" 2>/dev/null || true
    written=$(stat -c %.6Y "$settings")
    awk -v a="$start" -v b="$gone" -v w="$written" \
        'BEGIN { s = (w > a) ? sprintf("%.1f", (w - a) * 1000) : "never"; printf "%.1f %s\n", (b - a) * 1000, s }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

results=$envdir/exit.txt
run_once >/dev/null # warm-up, not counted
: >"$results"
for _ in $(seq "$reps"); do run_once >>"$results"; done
echo "Exit (Alt+F4) to the process gone under Wine, $reps runs (raw runs in $results), load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "  to the process gone, ms: median $(awk '{ print $1 }' "$results" | median), slowest $(awk '{ print $1 }' "$results" | sort -n | tail -n 1)"
echo "  to the settings file written, ms: median $(awk '$2 != "never" { print $2 }' "$results" | median)" \
    "($(awk '$2 == "never"' "$results" | wc -l) runs wrote none)"
