#!/usr/bin/env bash
# Colour names from outside: slot 1 on the pattern "{ruName} {cssName}" names a picked pixel of a
# known colour, the colour swatch's tip names it in the three lists, and "Vivid Pink" typed into
# slot 2 sets the colour, so slot 1 re-renders to that colour's names.
source "$(dirname "$0")/lib.sh"

# Client coordinates with a 7 x 7 view at x11 in a window 305 wide.
readonly PIPETTE_X=20 PIPETTE_Y=100 SWATCH_X=127 SWATCH_Y=100
readonly IDC_EDIT1=1000 IDC_EDIT2=1001 IDC_COPY2=1017

slot_reads() { [ "$(huexctl item-text "$1")" = "$2" ]; }
tips_show() { huexctl tooltips | grep -qxF "$1"; }

# Slot 1 on the user pattern "{ruName} {cssName}" (index 4, after the four built-in patterns),
# slot 2 on "RRGGBB".
printf '%s\r\n' '[Common]' 'FirstRun=no' 'Version=150' '[Window]' 'posX=300' 'posY=500' 'width=305' \
    'focus=zoom' 'focus2=color1' '[Color1]' 'R=0' 'G=0' 'B=0' '[Color2]' 'mode=0' '[Marquee]' 'animation=0' \
    '[Zoom]' 'Mode=2' 'zoomSize=7' 'zoomSkale=11' 'average=1' \
    '[Patterns]' 'uPatternsLength=1' 'name0=Names' 'patternString0={ruName} {cssName}' \
    'pattern1=4' 'pattern2=0' 'mode1=0' 'mode2=0' >"$HUEX_APP_DIR/huex.ini"
huex_start_and_wait
read -r win_left _ _ _ <<<"$(huex_window_rect)"
IMG_LEFT=$((win_left > 640 ? 100 : 800)) IMG_TOP=200
turquoise() { REPLY="72 209 204"; } # #48D1CC, CSS mediumturquoise
write_ppm "$E2E_DIR/turquoise.ppm" 40 turquoise
check "the target image is on the screen" show_image "$E2E_DIR/turquoise.ppm" $IMG_LEFT $IMG_TOP

e2e_log "a pixel of #48D1CC picked with the pipette"
pipette_drag $PIPETTE_X $PIPETTE_Y $((IMG_LEFT + 20)) $((IMG_TOP + 20))
check "slot 2 shows the picked colour" wait_until 5 slot_reads $IDC_EDIT2 48D1CC
check "slot 1 names it" wait_until 5 slot_reads $IDC_EDIT1 'бирюзовый mediumturquoise'

e2e_log "the colour swatch's tip"
read -r client_left client_top _ _ <<<"$(huex_client_rect)"
xdotool mousemove --sync $((client_left + SWATCH_X)) $((client_top + SWATCH_Y))
xdotool mousemove --sync $((client_left + SWATCH_X + 1)) $((client_top + SWATCH_Y))
check "the tip names the colour in the three lists" \
    wait_until 5 tips_show 'бирюзовый · mediumturquoise · Very Light Green'

e2e_log "a name typed into slot 2"
read -r left top width height <<<"$(huexctl item-rect $IDC_COPY2)"
# Moved there as a hand moves, in more than one step: the window lets the hover go on a second move
# outside its regions.
xdotool mousemove --sync $((left + width / 2 - 1)) $((top + height / 2))
xdotool mousemove --sync $((left + width / 2)) $((top + height / 2)) click 1 # focuses slot 2, all selected
sleep 0.3
huex_focus
xdotool type --delay 60 'Vivid Pink'
check "slot 1 re-renders to the names of #FFB5BA" wait_until 5 slot_reads $IDC_EDIT1 'бежевый ~lightpink'
check "slot 2 keeps the typed name while it is typed into" slot_reads $IDC_EDIT2 'Vivid Pink'
huex_key Tab
check "leaving slot 2 writes the colour in its own pattern" wait_until 5 slot_reads $IDC_EDIT2 FFB5BA
check "slot 1 still names it" slot_reads $IDC_EDIT1 'бежевый ~lightpink'
huex_screenshot "$E2E_DIR/names.png" # for a look: the names as the window shows them

huex_stop
end_helpers
e2e_finish
