#!/usr/bin/env bash
# A working day, compressed: the real huex.exe under Wine driven for a long while and checked for
# what it leaves behind. Not part of `make test`; bounded, it stops by itself.
#
#   tools/soak.sh [BUILD]        (default: build; huex.exe and huexctl.exe from BUILD/win)
#
# Rounds (SOAK_ROUNDS, default 100), each with SOAK_MOVES pointer moves (1000) in pipette drags
# over a known image, SOAK_MENUS menu openings (100) over the zoom view and the colour swatch,
# SOAK_DIALOGS openings (10) of the settings dialog and of the contrast window, as many DPI changes
# (an even number: the last one back to 96) and palette exports each followed by an import.
# SOAK_SECONDS (default 5400) stops it early, after the round under way; the counts reached are
# printed. Checks at the end: the program's own handle counters are where they started, the
# resident memory grew by less than 2 MB after the first round (over a thousand steps), and the
# last pick's caption and colour are exact.
set -euo pipefail
SOURCE_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=$(cd "${1:-$SOURCE_DIR/build}" && pwd)
ROUNDS=${SOAK_ROUNDS:-100} MOVES=${SOAK_MOVES:-1000} MENUS=${SOAK_MENUS:-100} DIALOGS=${SOAK_DIALOGS:-10}
LIMIT=${SOAK_SECONDS:-5400}
readonly LIVE_HANDLES=$((0x8000 + 0x149)) ID_SETTINGS=492 ID_CONTRAST=1300
readonly PIPETTE_X=20 PIPETTE_Y=100 ZOOM_X=44 ZOOM_Y=44 SWATCH_X=127 SWATCH_Y=100 SIDE=256

export HUEX_EXE=$BUILD/win/huex.exe HUEX_WIN_BIN=$BUILD/win HUEX_SOURCE_DIR=$SOURCE_DIR
export HUEX_WINE_ENV_DIR=$BUILD/soak-env
"$SOURCE_DIR/tools/wine-env.sh" start "$HUEX_WINE_ENV_DIR"
trap '"$SOURCE_DIR/tools/wine-env.sh" stop "$HUEX_WINE_ENV_DIR"' EXIT
# shellcheck source=../tests/e2e/lib.sh
source "$SOURCE_DIR/tests/e2e/lib.sh"
trap 'e2e_cleanup; "$SOURCE_DIR/tools/wine-env.sh" stop "$HUEX_WINE_ENV_DIR"' EXIT

# The known image: pixel (x, y) is red x, green y, blue 128.
awk -v n=$SIDE 'BEGIN { printf "P3\n%d %d\n255\n", n, n; for (y = 0; y < n; y++) for (x = 0; x < n; x++) printf "%d %d 128\n", x, y }' \
    >"$E2E_DIR/known.ppm"
printf '[Common]\r\nFirstRun=no\r\nVersion=150\r\n[Window]\r\nposX=20\r\nposY=20\r\n' >"$HUEX_APP_DIR/huex.ini"
huex_start_and_wait 60
sleep 2 # the rest of start-up (tray icon, cursors, menu bitmaps) is done
read -r CLIENT_LEFT CLIENT_TOP _ _ <<<"$(huex_client_rect)"
IMG_LEFT=600 IMG_TOP=100
check "the known image is on the screen" show_image "$E2E_DIR/known.ppm" $IMG_LEFT $IMG_TOP
palette_path='C:\soak-palette.gpl'

live() { huexctl send $LIVE_HANDLES "$1" 0; }
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$HUEX_PID/status"; }
heap_kb() { echo "$(live 2) $(live 3)"; } # the C library's heaps, where ours go; the system's
START_GDI=$(live 0) START_USER=$(live 1)
e2e_log "start: $START_GDI GDI and $START_USER USER handles of our own, $(rss_kb) kB resident"

# One pipette drag of COUNT moves through the image, released at image (X, Y).
drag() {
    local count=$1 x=$2 y=$3 seed=$4 i args=()
    for ((i = 0; i < count; i++)); do
        args+=(mousemove $((IMG_LEFT + (i * 37 + seed * 11) % SIDE)) $((IMG_TOP + (i * 53 + seed * 7) % SIDE)))
    done
    xdotool mousemove --sync $((CLIENT_LEFT + PIPETTE_X)) $((CLIENT_TOP + PIPETTE_Y)) mousedown 1 \
        "${args[@]}" mousemove --sync $((IMG_LEFT + x)) $((IMG_TOP + y)) sleep 0.2 mouseup 1
    MOVED=$((MOVED + count + 1))
}
# cycle NAME huexctl-arguments...: adds the turns done to the count NAME; a short cycle ends the soak.
cycle() {
    local name=$1 done status=0
    shift
    done=$(huexctl "$@") || status=$?
    printf -v "$name" '%d' $((${!name} + ${done:-0}))
    [ "$status" -eq 0 ] || { fail "cycle $* stopped after ${done:-0}"; return 1; }
}

MOVED=0 MENUS_OPENED=0 SETTINGS_OPENED=0 CONTRAST_OPENED=0 DPI_CHANGES=0 FILE_TURNS=0 round=0 BASE_RSS=""
started=$SECONDS
while [ "$round" -lt "$ROUNDS" ] && [ $((SECONDS - started)) -lt "$LIMIT" ]; do
    round=$((round + 1))
    for part in 1 2 3 4; do drag $((MOVES / 4)) $((round % SIDE)) $((part * 50)) $((round * 4 + part)); done
    cycle MENUS_OPENED cycle-menu $ZOOM_X $ZOOM_Y $((MENUS / 2)) || break
    cycle MENUS_OPENED cycle-menu $SWATCH_X $SWATCH_Y $((MENUS / 2)) || break
    cycle SETTINGS_OPENED cycle-popup $ID_SETTINGS "$DIALOGS" || break
    cycle CONTRAST_OPENED cycle-popup $ID_CONTRAST "$DIALOGS" || break
    cycle DPI_CHANGES cycle-dpi $((DIALOGS / 2 * 2)) || break
    cycle FILE_TURNS cycle-palette-file "$palette_path" "$DIALOGS" || break
    [ -n "$BASE_RSS" ] || { BASE_RSS=$(rss_kb); read -r BASE_OURS BASE_SYSTEM <<<"$(heap_kb)"; }
    echo "$round $(rss_kb) $(heap_kb)" >>"$E2E_DIR/memory.txt"
    if [ $((round % 10)) -eq 0 ] || [ "$round" -eq 1 ]; then
        e2e_log "round $round, $((SECONDS - started)) s: $MOVED moves, $MENUS_OPENED menus, $SETTINGS_OPENED settings," \
            "$CONTRAST_OPENED contrast, $DPI_CHANGES DPI, $FILE_TURNS exports+imports; handles $(live 0)/$(live 1)," \
            "$(rss_kb) kB resident; heaps $(heap_kb | sed 's| | kB ours, |') kB the system's"
    fi
done
ELAPSED=$((SECONDS - started))

# The last pick, at a pixel whose colour the image gives exactly.
drag 100 77 201 1
expect_eq "the last pick's caption names the released pixel" \
    "HUEX | X:$((IMG_LEFT + 77)), Y:$((IMG_TOP + 201))   (x8)" "$(huexctl caption)"
expect_eq "and slot 1 shows its colour" "4DC980" "$(huexctl item-text 1000)"
sleep 1
END_GDI=$(live 0) END_USER=$(live 1) END_RSS=$(rss_kb)
read -r END_OURS END_SYSTEM <<<"$(heap_kb)"
expect_eq "GDI handles of our own end where they started" "$START_GDI" "$END_GDI"
expect_eq "USER handles of our own end where they started" "$START_USER" "$END_USER"
check "resident memory grew by less than 2 MB after the first round ($BASE_RSS -> $END_RSS kB)" \
    [ $((END_RSS - BASE_RSS)) -lt 2048 ]
# Resident memory also counts caches and freed pages kept for reuse; the heaps count what is held.
check "the C library's heaps, where all of ours lies, grew by less than 64 kB ($BASE_OURS -> $END_OURS kB)" \
    [ $((END_OURS - BASE_OURS)) -lt 64 ]
e2e_log "figures: $round rounds in $ELAPSED s; $MOVED pointer moves, $MENUS_OPENED menu openings," \
    "$SETTINGS_OPENED settings dialogs, $CONTRAST_OPENED contrast windows, $DPI_CHANGES DPI changes," \
    "$FILE_TURNS palette exports and as many imports; handles $START_GDI/$START_USER -> $END_GDI/$END_USER;" \
    "resident ${BASE_RSS} kB after round 1 -> ${END_RSS} kB ($((END_RSS - BASE_RSS)) kB); heaps: ours" \
    "$BASE_OURS -> $END_OURS kB, the system's $BASE_SYSTEM -> $END_SYSTEM kB (samples each round in $E2E_DIR/memory.txt)"
huex_stop
e2e_finish
