#!/usr/bin/env bash
# The mouse from outside, with real input: a pipette drag across a known image picks the pixel
# under the release point, a right click cancels a drag, a click in the zoom view picks its block,
# the context menus carry named colours, modifiers and gradients, a colour dragged from the swatch
# lands in a cell, the clipboard gets the captured square, typed text re-renders the other slot,
# double click stores into the palette, Ctrl+wheel zooms and the hover tip shows.
source "$(dirname "$0")/lib.sh"

# Client coordinates of the regions with a 7 x 7 view at x11 and seven cells.
readonly PIPETTE_X=20 PIPETTE_Y=100 ZOOM_X=44 ZOOM_Y=44 SWATCH_X=127 SWATCH_Y=100
readonly MODIFIED_X=207 MODIFIED_Y=100 CELL_X=274 EDIT1_X=150 EDIT1_Y=34 CHECK2_X=100 CHECK2_Y=57
cell_y() { echo $((9 + 16 * $1)); }
readonly IDC_EDIT1=1000 IDC_EDIT2=1001 IDC_CHECK2=1011

write_settings() {
    local i
    {
        printf '[Common]\r\nFirstRun=no\r\nVersion=150\r\n'
        printf '[Window]\r\nposX=300\r\nposY=500\r\nwidth=305\r\nfocus=zoom\r\nfocus2=color1\r\n'
        printf '[Marquee]\r\nanimation=0\r\n[Color2]\r\nmode=0\r\n'
        printf '[CustomColors]\r\ncustomColorsLength=7\r\n'
        for i in $(seq 0 9); do
            printf 'Color%dR=%s\r\nColor%dG=%s\r\nColor%dB=%s\r\nColor%dFocus=%d\r\n' "$i" "$((i == 4))" "$i" \
                "$((i == 4))" "$i" "$((i == 4))" "$i" $((i == 0 ? 1 : 0))
        done
        printf '[Zoom]\r\nMode=2\r\nzoomSize=7\r\nzoomSkale=11\r\naverage=1\r\n'
        printf '[Patterns]\r\nuPatternsLength=0\r\npattern1=0\r\npattern2=1\r\nmode1=0\r\nmode2=0\r\n'
    } >"$HUEX_APP_DIR/huex.ini"
}

# A 40 x 40 image whose every pixel has its own colour: red 50 + 4x, green 50 + 4y, blue 77.
write_image() {
    local x y line
    {
        printf 'P3\n40 40\n255\n'
        for ((y = 0; y < 40; y++)); do
            line=""
            for ((x = 0; x < 40; x++)); do line+="$((50 + 4 * x)) $((50 + 4 * y)) 77 "; done
            echo "$line"
        done
    } >"$1"
}
image_hex() { printf '%02X%02X4D' $((50 + 4 * $1)) $((50 + 4 * $2)); }

client_origin() { read -r CLIENT_LEFT CLIENT_TOP _ _ <<<"$(huex_client_rect)"; }
move_to() { xdotool mousemove --sync $((CLIENT_LEFT + $1)) $((CLIENT_TOP + $2)); }
slot() { huexctl item-text "$1"; }
caption() { huexctl caption; }

# The colour of a client pixel on the screen as RRGGBB.
screen_hex() {
    convert "x:root[1x1+$((CLIENT_LEFT + $1))+$((CLIENT_TOP + $2))]" -depth 8 txt:- 2>/dev/null |
        sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p' | head -n 1
}

# Opens a popup menu with a right click at client (X, Y) and walks it with keys.
menu_keys() {
    local x=$1 y=$2
    shift 2
    move_to "$x" "$y"
    xdotool click 3
    sleep 0.5
    huex_focus
    local key
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.15
    done
    sleep 0.3
}

write_settings
huex_start_and_wait
client_origin
read -r win_left _ _ _ <<<"$(huex_window_rect)"
IMG_LEFT=$((win_left > 640 ? 100 : 800)) IMG_TOP=200
write_image "$E2E_DIR/target.ppm"
check "the target image is on the screen" show_image "$E2E_DIR/target.ppm" $IMG_LEFT $IMG_TOP

e2e_log "pipette drag to image pixel (20, 20)"
pipette_drag $PIPETTE_X $PIPETTE_Y $((IMG_LEFT + 20)) $((IMG_TOP + 20))
expect_eq "the released pixel is the colour of slot 1" "$(image_hex 20 20)" "$(slot $IDC_EDIT1)"
expect_eq "the caption names the picked pixel" "HUEX | X:$((IMG_LEFT + 20)), Y:$((IMG_TOP + 20))   (x11)" "$(caption)"

e2e_log "a right click cancels a pipette drag"
move_to $PIPETTE_X $PIPETTE_Y
xdotool mousedown 1
sleep 0.2
xdotool mousemove --sync $((IMG_LEFT + 30)) $((IMG_TOP + 10))
sleep 0.2
xdotool click 3
xdotool mouseup 1
sleep 0.3
expect_eq "cancelled: slot 1 is back" "$(image_hex 20 20)" "$(slot $IDC_EDIT1)"
expect_eq "cancelled: the caption is back" "HUEX | X:$((IMG_LEFT + 20)), Y:$((IMG_TOP + 20))   (x11)" "$(caption)"

e2e_log "the clipboard gets the captured square"
menu_keys $ZOOM_X $ZOOM_Y Down Down Return
huexctl clipboard-ppm >"$E2E_DIR/clipboard.ppm" || true
import -window root -crop "33x33+$((IMG_LEFT + 4))+$((IMG_TOP + 4))" +repage -depth 8 -compress none \
    ppm:"$E2E_DIR/screen.ppm"
expect_eq "the clipboard bitmap is the screen square round the pick" \
    "$(tr -s ' \n' '\n\n' <"$E2E_DIR/screen.ppm" | grep -v '^$' | md5sum)" \
    "$(tr -s ' \n' '\n\n' <"$E2E_DIR/clipboard.ppm" | grep -v '^$' | md5sum)"

e2e_log "a click in the zoom view picks the block under it"
move_to $((6 + 11 * 4 + 5)) $((6 + 11 * 2 + 5)) # one block right, one up of the centre
xdotool click 1
sleep 0.3
expect_eq "slot 1 shows the clicked block's pixel" "$(image_hex 21 19)" "$(slot $IDC_EDIT1)"

e2e_log "named colour, check box and modifier"
menu_keys $SWATCH_X $SWATCH_Y Down Down Right Down Down Return
expect_eq "silver from the colour menu" "C0C0C0" "$(slot $IDC_EDIT1)"
move_to $CHECK2_X $CHECK2_Y
move_to $((CHECK2_X + 1)) $CHECK2_Y
xdotool click 1
sleep 0.3
expect_eq "checked slot 2 names the modifier" "HSB(360, 100, 100)  [web]" "$(slot $IDC_CHECK2)"
menu_keys $MODIFIED_X $MODIFIED_Y Down Down Return
expect_eq "gray modifier in slot 2's caption" "HSB(360, 100, 100)  [gray]" "$(slot $IDC_CHECK2)"
expect_eq "slot 2 shows the gray of silver" "HSB(0, 0, 75)" "$(slot $IDC_EDIT2)"

e2e_log "a colour dragged from the swatch lands in cell 0"
move_to $SWATCH_X $SWATCH_Y
xdotool mousedown 1
sleep 0.4
move_to $CELL_X $(($(cell_y 0) + 1))
move_to $CELL_X "$(cell_y 0)"
xdotool mouseup 1
sleep 0.3
expect_eq "cell 0 holds silver" "C0C0C0" "$(screen_hex $CELL_X "$(cell_y 0)")"

e2e_log "palette selection and an RGB gradient from cell 0 to cell 4"
end_gray=$((16#$(screen_hex $CELL_X "$(cell_y 4)" | cut -c1-2)))
middle=$(printf '%02X' $(((192 + end_gray + 1) / 2)))
move_to $CELL_X "$(cell_y 0)"
xdotool click 1
huex_focus
xdotool keydown shift
move_to $CELL_X "$(cell_y 4)"
xdotool click 1
xdotool keyup shift
sleep 0.2
menu_keys $CELL_X "$(cell_y 2)" Down Down Down Return
expect_eq "cell 2 is half way between cells 0 and 4" "$middle$middle$middle" "$(screen_hex $CELL_X "$(cell_y 2)")"

e2e_log "typed text re-renders slot 2"
move_to $EDIT1_X $EDIT1_Y
move_to $((EDIT1_X + 1)) $EDIT1_Y
xdotool click 1
huex_focus
xdotool key --clearmodifiers End BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
xdotool type --delay 50 "00FF00"
sleep 0.3
expect_eq "slot 1 keeps the typed text" "00FF00" "$(slot $IDC_EDIT1)"
expect_eq "slot 2 shows the gray of the typed colour" "HSB(0, 0, 33)" "$(slot $IDC_EDIT2)"

e2e_log "double click in the zoom view stores into cell 5"
move_to $CELL_X "$(cell_y 5)"
xdotool click 1
move_to $ZOOM_X $ZOOM_Y
xdotool click --repeat 2 --delay 80 1
sleep 0.3
picked=$(slot $IDC_EDIT1)
expect_eq "cell 5 holds the picked colour" "$picked" "$(screen_hex $CELL_X "$(cell_y 5)")"

e2e_log "Ctrl+wheel zooms"
huex_focus
xdotool keydown ctrl
move_to $ZOOM_X $ZOOM_Y
xdotool click 5
xdotool keyup ctrl
sleep 0.3
check "wheel towards the user: 5 x 5 at x15" eval '[[ "$(caption)" == *"(x15)" ]]'

e2e_log "the hover tip over the pipette bar"
move_to $PIPETTE_X $PIPETTE_Y
move_to $((PIPETTE_X + 1)) $PIPETTE_Y
tip_shown() { [ "$(xdotool search --all --onlyvisible --pid "$HUEX_PID" 2>/dev/null | wc -l)" -ge 2 ]; }
check "a tip window shows" wait_until 5 tip_shown

huex_stop
e2e_finish
