#!/usr/bin/env bash
# Start-up time and memory of huex.exe, with the settings and image files of a full session
# beside it (ten palette cells, twenty user patterns), against the bare dialog program
# huex_baseline.exe and the same dialog with the program's manifest (huex_baseline_manifest.exe),
# all started the same way under Wine on a virtual display.
#
#   bench/win/startup.sh [BUILDDIR] [REPETITIONS]      (defaults: build, 15)
#
# HUEX_STARTUP_SETTINGS=none starts huex.exe without settings files instead (a first start each time).
#
# Start-up time: from just before `wine program.exe` is started to the moment the X server maps
# its top-level window (the MapNotify event as xev reports it on the root window; nothing polls
# while a program starts). Memory: VmRSS (and its anonymous part) of the program's process one
# second after its window appeared. The two programs alternate, each run
# starts after the previous process has gone, and medians are reported. A warm-up run of each
# comes first and is not counted. The programs are ended with a signal, so huex.exe never writes
# its files and every run reads the same ones.
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
reps=${2:-15}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
envdir=$build/bench-wine-env # shared with the other Windows benchmarks
work=$envdir/apps

huex=$build/win/huex.exe
baseline=$build/win/huex_baseline.exe
manifest=$build/win/huex_baseline_manifest.exe
writer=$build/win/huex_settings_bench.exe
for exe in "$huex" "$baseline" "$manifest" "$writer"; do
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
mkdir -p "$work/huex" "$work/baseline" "$work/manifest"
cp "$huex" "$work/huex/huex.exe"
cp "$baseline" "$work/baseline/huex_baseline.exe"
cp "$manifest" "$work/manifest/huex_baseline_manifest.exe"
[ "${HUEX_STARTUP_SETTINGS:-full}" = none ] ||
    wine "$writer" --write "$(winepath -w "$work/huex")" </dev/null >>"$envdir/bench.log" 2>&1 || {
    echo "startup: the settings files could not be written" >&2
    exit 1
}

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

# The three programs: name, executable, title of its window.
names=(huex.exe huex_baseline.exe huex_baseline_manifest.exe)
exes=("$work/huex/huex.exe" "$work/baseline/huex_baseline.exe" "$work/manifest/huex_baseline_manifest.exe")
titles=('^HUEX' '^Baseline dialog$' '^Baseline dialog$')
for p in 0 1 2; do
    run_once "${exes[$p]}" "${titles[$p]}" >/dev/null
    : >"$envdir/${names[$p]}.txt"
done
for i in $(seq "$reps"); do
    # Each round starts with another program, so none always runs first.
    for k in 0 1 2; do
        p=$(((i + k) % 3))
        run_once "${exes[$p]}" "${titles[$p]}" >>"$envdir/${names[$p]}.txt"
    done
done

column_median() { awk -v c="$2" '{ print $c }' "$1" | median; }
column_min() { awk -v c="$2" 'NR == 1 || $c < m { m = $c } END { print m }' "$1"; }

echo "Start-up under Wine, $reps runs each (raw runs in $envdir/*.txt), load $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-28s %16s %14s %11s %13s %11s\n' program "to window, ms" "(fastest, ms)" "VmRSS, kB" "RssAnon, kB" "exe, bytes"
declare -A t f r a
for p in 0 1 2; do
    file=$envdir/${names[$p]}.txt
    t[$p]=$(column_median "$file" 1)
    f[$p]=$(column_min "$file" 1)
    r[$p]=$(column_median "$file" 2)
    a[$p]=$(column_median "$file" 3)
    printf '%-28s %16s %14s %11s %13s %11s\n' "${names[$p]}" "${t[$p]}" "${f[$p]}" "${r[$p]}" "${a[$p]}" \
        "$(stat -c %s "${exes[$p]}")"
done
awk -v ht="${t[0]}" -v bt="${t[1]}" -v mt="${t[2]}" -v hm="${f[0]}" -v bm="${f[1]}" -v mm="${f[2]}" \
    -v hr="${r[0]}" -v br="${r[1]}" -v mr="${r[2]}" 'BEGIN {
    printf "huex/baseline (medians): time %.2f (fastest runs %.2f), VmRSS %.2f\n", ht / bt, hm / bm, hr / br
    printf "huex/baseline with manifest (medians): time %.2f (fastest runs %.2f), VmRSS %.2f\n", ht / mt, hm / mm, hr / mr }'
