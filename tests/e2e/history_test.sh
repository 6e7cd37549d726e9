#!/usr/bin/env bash
# The colour history with real input: pipette picks of known pixels and a paste land in the
# window's rows (opened by Ctrl+H) and in [History], newest first, a repeat moving up and the
# oldest falling off at size 3; a click on a row sets the slots; a pinned entry survives a kill
# 3 s after a pick, a restart and clearing; the history goes out as a palette file.
source "$(dirname "$0")/lib.sh"

readonly PIPETTE_X=20 PIPETTE_Y=100 IDC_EDIT1=1000 LIST=1401 IMG_LEFT=100 IMG_TOP=200

{
    printf '[Common]\r\nFirstRun=no\r\nVersion=150\r\n'
    printf '[Window]\r\nposX=300\r\nposY=500\r\nfocus=zoom\r\n[Marquee]\r\nanimation=0\r\n'
    printf '[Zoom]\r\nMode=2\r\nzoomSize=7\r\nzoomSkale=11\r\naverage=1\r\n'
    printf '[Patterns]\r\nuPatternsLength=0\r\npattern1=0\r\npattern2=1\r\nmode1=0\r\nmode2=0\r\n'
    printf '[History]\r\nsize=3\r\n'
} >"$HUEX_APP_DIR/huex.ini"

# A 40 x 40 image: pixel (x, y) is red 10x, green 200, blue 6y.
pixel() { REPLY="$((10 * $1)) 200 $((6 * $2))"; }
hex_at() { printf '%02XC8%02X' $((10 * $1)) $((6 * $2)); }
pick() { pipette_drag $PIPETTE_X $PIPETTE_Y $((IMG_LEFT + $1)) $((IMG_TOP + $2)); }
# The rows, the selection mark dropped and a pin mark shown as "|закреплён".
rows() { huexctl popup-list $LIST | sed 's/^> //' | tr '\t' '|' | paste -sd ' '; }
history_open() { [ "$(huexctl popup-caption 2>/dev/null)" = "История цветов" ]; }
rows_are() { [ "$(rows)" = "$1" ]; }

write_ppm "$E2E_DIR/target.ppm" 40 pixel
huex_start_and_wait
check "the target image is on the screen" show_image "$E2E_DIR/target.ppm" $IMG_LEFT $IMG_TOP
A=$(hex_at 0 0) B=$(hex_at 20 0) D=$(hex_at 0 20) E=$(hex_at 20 20)

e2e_log "two picks, a paste and a repeat"
pick 0 0
pick 20 0
huexctl clipboard-set '#00FF00' >/dev/null
huex_key ctrl+v
sleep 0.3
pick 0 0
huex_key ctrl+h
check "Ctrl+H opens the history" wait_until 10 history_open
expect_eq "newest first, the repeat moved up" "$A 00FF00 $B" "$(rows)"

e2e_log "a pick with the window open; the oldest falls off at size 3"
pick 0 20
check "the row is there" wait_until 5 rows_are "$D $A 00FF00"

e2e_log "a click on a row chooses it"
read -r left top _ _ <<<"$(huexctl popup-item-rect $LIST)"
xdotool mousemove --sync $((left + 60)) $((top + 2 + 20 * 2 + 10)) click 1
slot1_is() { [ "$(huexctl item-text $IDC_EDIT1)" = "$1" ]; }
check "slot 1 shows the row's colour" wait_until 5 slot1_is 00FF00
expect_eq "choosing adds nothing" "$D $A 00FF00" "$(rows)"
huexctl post-command 1403 >/dev/null # pin the chosen row
check "the pinned row goes first" wait_until 5 rows_are "00FF00|закреплён $D $A"

e2e_log "a kill 3 s after a pick loses nothing"
pick 20 20
sleep 3
kill -9 "$HUEX_PID"
huex_wait_exit "$HUEX_PID" 10
huex_end_strays
expect_eq "the pinned entry is in the file" "#00FF00 pinned" "$(ini_value History 0)"
expect_eq "then the last pick" "#$E" "$(ini_value History 1)"
expect_eq "three unpinned at size 3" 4 "$(ini_value History count)"

e2e_log "a restart reopens the window with the same rows"
huex_start_and_wait
check "the window is open again" wait_until 15 history_open
check "with its rows" wait_until 5 rows_are "00FF00|закреплён $E $D $A"

e2e_log "the history saved as a palette"
huexctl post-command 1407 >/dev/null
check "the save dialog opens" wait_until 15 eval '! history_open && [ -n "$(huexctl popup-caption 2>/dev/null)" ]'
sleep 1
xid=$(xdotool search --onlyvisible --name "^$(huexctl popup-caption)\$" 2>/dev/null | head -n 1)
[ -n "$xid" ] && xdotool windowfocus --sync "$xid"
sleep 0.5
xdotool type --delay 15 -- "Z:${E2E_DIR//\//\\}\\history"
xdotool key --clearmodifiers Return
check "the palette file is written" wait_until 10 eval '[ -f "$E2E_DIR/history.gpl" ]'
expect_eq "with the history's colours in order" "#00FF00 #$E #$D #$A" \
    "$(grep -o '#[0-9A-F]\{6\}' "$E2E_DIR/history.gpl" 2>/dev/null | paste -sd ' ')"

e2e_log "clearing keeps the pinned entry, and so does the next start"
huexctl post-command 1406 >/dev/null
check "only the pinned row is left" wait_until 5 rows_are "00FF00|закреплён"
huex_stop
expect_eq "one entry in the file" 1 "$(ini_value History count)"
expect_eq "the pinned one" "#00FF00 pinned" "$(ini_value History 0)"
expect_eq "no key beyond it" "" "$(ini_value History 1)"

end_helpers
e2e_finish
