#!/usr/bin/env bash
# A CSS colour pasted into a slot its pattern can't read: the oklch() text in the hex slot gives the
# colour, slot 2 follows, and leaving the slot writes the colour in hex. Ctrl+V outside the slots
# reads the clipboard's colour text into both.
source "$(dirname "$0")/lib.sh"

readonly IDC_EDIT1=1000 IDC_EDIT2=1001 IDC_COPY1=1016

centre_of() {
    local left top width height
    read -r left top width height <<<"$(huexctl item-rect "$1")"
    echo "$((left + width / 2)) $((top + height / 2))"
}
slot_reads() { [ "$(huexctl item-text "$1")" = "$2" ]; }

# Black; slot 1 on "RRGGBB", slot 2 on "HSB(360, 100, 100)".
printf '%s\r\n' '[Common]' 'FirstRun=no' 'Version=150' '[Window]' 'posX=20' 'posY=20' 'width=305' \
    'focus=zoom' 'focus2=color1' '[Color1]' 'R=0' 'G=0' 'B=0' '[Color2]' 'mode=0' '[Marquee]' 'animation=0' \
    '[Patterns]' 'uPatternsLength=0' 'pattern1=0' 'pattern2=1' 'mode1=0' 'mode2=0' >"$HUEX_APP_DIR/huex.ini"
huex_start_and_wait
# The first click on a new window may only activate it: click its caption once, as a user would.
huex_focus
read -r left top _ _ <<<"$(huex_window_rect)"
xdotool mousemove --sync $((left + 60)) $((top + 6)) click 1
sleep 0.5
xdotool keyup Control_L Control_R Shift_L Shift_R Alt_L Alt_R

e2e_log "an oklch() text pasted into the hex slot"
read -r x y <<<"$(centre_of $IDC_COPY1)"
xdotool mousemove --sync "$x" "$y" click 1 # focuses slot 1 with its whole text selected
check "slot 1's text is selected and copied" wait_until 5 eval '[ "$(huexctl clipboard-text)" = 000000 ]'
huexctl clipboard-set 'oklch(70% 0.15 150)'
huex_key ctrl+v
check "slot 1 holds the pasted text" wait_until 5 slot_reads $IDC_EDIT1 'oklch(70% 0.15 150)'
check "slot 2 shows its colour" wait_until 5 slot_reads $IDC_EDIT2 'HSB(137, 59, 72)'
huex_key Tab
check "leaving slot 1 writes the colour in hex" wait_until 5 slot_reads $IDC_EDIT1 4CB86A

e2e_log "Ctrl+V on the zoom view"
huex_click 40 40 # the view takes the focus (and picks a pixel)
huexctl clipboard-set 'lab(60% 40 30)'
huex_key ctrl+v
check "slot 1 shows the pasted colour" wait_until 5 slot_reads $IDC_EDIT1 D9725E
check "slot 2 too" wait_until 5 slot_reads $IDC_EDIT2 'HSB(10, 57, 85)'

huex_stop
e2e_finish
