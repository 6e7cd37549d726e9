#!/usr/bin/env bash
# Start-up time and memory of huex.exe against the bare dialog program huex_baseline.exe, both
# started the same way under Wine on a virtual display.
#
#   bench/win/startup.sh [BUILDDIR] [REPETITIONS]      (defaults: build, 15)
#
# Start-up time: from just before `wine program.exe` is started to the moment the X server maps
# its top-level window (the MapNotify event as xev reports it on the root window; nothing polls
# while a program starts). Memory: VmRSS (and its anonymous part) of the program's process one
# second after its window appeared. The two programs alternate, each run
# starts after the previous process has gone, and medians are reported. A warm-up run of each
# comes first and is not counted (huex.exe then starts with the settings file it wrote).
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
reps=${2:-15}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
envdir=$build/bench-wine-env # shared with the other Windows benchmarks
work=$envdir/apps

huex=$build/win/huex.exe
baseline=$build/win/huex_baseline.exe
for exe in "$huex" "$baseline"; do
    [ -f "$exe" ] || {
        echo "startup: $exe has not been built" >&2
        exit 1
    }
done

"$source_dir/tools/wine-env.sh" start "$envdir" >/dev/null
trap '"$source_dir/tools/wine-env.sh" stop "$envdir" >/dev/null' EXIT
command -v xev >/dev/null || {
    echo "startup: xev (x11-utils) is needed" >&2
    exit 1
}
# shellcheck disable=SC1091
source "$envdir/env"
rm -rf "$work"
mkdir -p "$work/huex" "$work/baseline"
cp "$huex" "$work/huex/huex.exe"
cp "$baseline" "$work/baseline/huex_baseline.exe"

# Every window mapped on the display, as "seconds-since-epoch window-id", from one xev.
maps=$envdir/maps.txt
: >"$maps"
rm -f "$envdir/xev.fifo"
mkfifo "$envdir/xev.fifo"
stdbuf -oL xev -root -event substructure >"$envdir/xev.fifo" 2>/dev/null &
xev_pid=$!
(
    mapped=""
    while IFS= read -r line; do
        case $line in
        MapNotify*) mapped=$EPOCHREALTIME ;;
        *"window 0x"*)
            if [ -n "$mapped" ]; then
                id=${line#*window }
                echo "$mapped ${id%%,*}" >>"$maps"
                mapped=""
            fi
            ;;
        esac
    done <"$envdir/xev.fifo"
) &
reader_pid=$!
trap 'kill $xev_pid $reader_pid 2>/dev/null; "$source_dir/tools/wine-env.sh" stop "$envdir" >/dev/null' EXIT

# run_once EXE TITLE_REGEX: prints "milliseconds rss_kB anon_kB", or fails.
run_once() {
    local exe=$1 title=$2 start pid xid="" shown rss anon
    start=$EPOCHREALTIME
    wine "$exe" </dev/null >>"$envdir/bench.log" 2>&1 &
    pid=$!
    local deadline=$((SECONDS + 30))
    while [ -z "$xid" ] && [ "$SECONDS" -lt "$deadline" ]; do
        sleep 0.1
        xid=$(xdotool search --all --onlyvisible --pid "$pid" --name "$title" 2>/dev/null | head -n 1) || true
    done
    if [ -z "$xid" ]; then
        kill -9 "$pid" 2>/dev/null || true
        echo "startup: no window from $exe within 30 s" >&2
        return 1
    fi
    sleep 1
    shown=$(awk -v id="$(printf '0x%x' "$xid")" -v t="$start" '$2 == id && $1 >= t { print $1; exit }' "$maps")
    rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
    anon=$(awk '/^RssAnon:/ {print $2}' "/proc/$pid/status")
    kill "$pid" 2>/dev/null || true
    local gone=$((SECONDS + 10))
    while kill -0 "$pid" 2>/dev/null && [ "$SECONDS" -lt "$gone" ]; do sleep 0.05; done
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    [ -n "$shown" ] || {
        echo "startup: xev saw no map of window $xid" >&2
        return 1
    }
    awk -v a="$start" -v b="$shown" -v r="$rss" -v n="$anon" 'BEGIN { printf "%.1f %d %d\n", (b - a) * 1000, r, n }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

run_once "$work/huex/huex.exe" '^HUEX' >/dev/null
run_once "$work/baseline/huex_baseline.exe" '^Baseline dialog$' >/dev/null

: >"$envdir/huex.txt"
: >"$envdir/baseline.txt"
for i in $(seq "$reps"); do
    if [ $((i % 2)) -eq 1 ]; then
        run_once "$work/huex/huex.exe" '^HUEX' >>"$envdir/huex.txt"
        run_once "$work/baseline/huex_baseline.exe" '^Baseline dialog$' >>"$envdir/baseline.txt"
    else
        run_once "$work/baseline/huex_baseline.exe" '^Baseline dialog$' >>"$envdir/baseline.txt"
        run_once "$work/huex/huex.exe" '^HUEX' >>"$envdir/huex.txt"
    fi
done

column_median() { awk -v c="$2" '{ print $c }' "$1" | median; }
column_min() { awk -v c="$2" 'NR == 1 || $c < m { m = $c } END { print m }' "$1"; }
ht=$(column_median "$envdir/huex.txt" 1)
bt=$(column_median "$envdir/baseline.txt" 1)
hm=$(column_min "$envdir/huex.txt" 1)
bm=$(column_min "$envdir/baseline.txt" 1)
hr=$(column_median "$envdir/huex.txt" 2)
br=$(column_median "$envdir/baseline.txt" 2)
ha=$(column_median "$envdir/huex.txt" 3)
ba=$(column_median "$envdir/baseline.txt" 3)
hs=$(stat -c %s "$huex")
bs=$(stat -c %s "$baseline")

echo "Start-up under Wine, $reps runs each (raw runs in $envdir/*.txt), load $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-18s %16s %14s %11s %13s %11s\n' program "to window, ms" "(fastest, ms)" "VmRSS, kB" "RssAnon, kB" "exe, bytes"
printf '%-18s %16s %14s %11s %13s %11s\n' huex.exe "$ht" "$hm" "$hr" "$ha" "$hs"
printf '%-18s %16s %14s %11s %13s %11s\n' huex_baseline.exe "$bt" "$bm" "$br" "$ba" "$bs"
awk -v ht="$ht" -v bt="$bt" -v hm="$hm" -v bm="$bm" -v hr="$hr" -v br="$br" -v ha="$ha" -v ba="$ba" 'BEGIN {
    printf "huex/baseline (medians): time %.2f (fastest runs %.2f), VmRSS %.2f, RssAnon %.2f\n",
        ht / bt, hm / bm, hr / br, ha / ba }'
