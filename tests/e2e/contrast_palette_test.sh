#!/usr/bin/env bash
# The contrast window and palette files with real input: the colour menu's item opens the window;
# a pipette drag over a two-colour image shows the live ratio and leaves the released colour;
# Escape closes it. The palette goes out through the system save dialog and comes back through
# the open dialog: a CSS file of 12 colours loads 10 with a message, the exported file loads
# silently, a broken swatch file gives its message and leaves the palette alone.
source "$(dirname "$0")/lib.sh"

readonly PIPETTE_X=20 PIPETTE_Y=100 SWATCH_X=127 SWATCH_Y=100
readonly RATIO=1314 TEXT_VALUE=1311 AA_NORMAL=1315

# Three palette cells: red, 0 128 255 and 51 102 153; the contrast window away from the picker.
write_settings() {
    {
        printf '[Common]\r\nFirstRun=no\r\nVersion=150\r\n'
        printf '[Window]\r\nposX=300\r\nposY=500\r\nfocus=zoom\r\n[Marquee]\r\nanimation=0\r\n'
        printf '[CustomColors]\r\ncustomColorsLength=3\r\n'
        printf 'Color0R=1\r\nColor0G=0\r\nColor0B=0\r\nColor1R=0\r\nColor1G=0.5\r\nColor1B=1\r\n'
        printf 'Color2R=0.2\r\nColor2G=0.4\r\nColor2B=0.6\r\n'
        printf '[Zoom]\r\nMode=2\r\nzoomSize=7\r\nzoomSkale=11\r\naverage=1\r\n'
        printf '[Patterns]\r\nuPatternsLength=0\r\npattern1=0\r\npattern2=1\r\nmode1=0\r\nmode2=0\r\n'
        printf '[Contrast]\r\nposX=700\r\nposY=60\r\n'
    } >"$HUEX_APP_DIR/huex.ini"
}


# A 40 x 40 image: the left half #348800 (4.49:1 on white), the right half #767676 (4.54:1).
write_image() { convert -size 20x40 'xc:#348800' 'xc:#767676' +append "$1"; }

popup_caption() { huexctl popup-caption 2>/dev/null; }
contrast_open() { [ "$(popup_caption)" = "Контраст" ]; }
no_popup() { ! huexctl popup-caption >/dev/null 2>&1; }
popup_shown() { [ -n "$(popup_caption)" ]; }
message_shown() { [ "$(popup_caption)" = HUEX ]; }
# The message box's text (Wine gives its static id 100, Windows 0xFFFF).
message_text() {
    local text
    text=$(huexctl popup-item-text 100 2>/dev/null || true)
    [ -n "$text" ] || text=$(huexctl popup-item-text 65535 2>/dev/null || true)
    printf '%s\n' "$text"
}
# Gives the window over the picker the X keyboard focus.
focus_popup() {
    local xid
    xid=$(xdotool search --onlyvisible --name "^$(popup_caption)\$" 2>/dev/null | head -n 1)
    [ -n "$xid" ] && xdotool windowfocus --sync "$xid"
    sleep 0.5 # Wine activates the window a moment after the X focus moves
}
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
# Runs a file command (1301 export, 1302 import) and types PATH into its dialog.
file_dialog() {
    huexctl post-command "$1" >/dev/null
    wait_until 15 popup_shown || return 1
    sleep 1
    focus_popup
    xdotool type --delay 15 -- "$(windows_path "$2")"
    xdotool key --clearmodifiers Return
    sleep 1
}
close_message() {
    focus_popup
    xdotool key --clearmodifiers Return
    wait_until 10 no_popup
}

write_settings
huex_start_and_wait
read -r CLIENT_LEFT CLIENT_TOP _ _ <<<"$(huex_client_rect)"
write_image "$E2E_DIR/pair.ppm"
check "the target image is on the screen" show_image "$E2E_DIR/pair.ppm" 100 200

e2e_log "the colour menu opens the contrast window"
xdotool mousemove --sync $((CLIENT_LEFT + SWATCH_X)) $((CLIENT_TOP + SWATCH_Y)) click 3
sleep 0.5
huex_focus
for key in Up Up Up Up Return; do # from the end: import, export, history, contrast
    xdotool key "$key"
    sleep 0.15
done
check "the window is captioned Контраст" wait_until 10 contrast_open
expect_eq "it stands where it was kept" "700 60" "$(huexctl popup-rect | cut -d' ' -f1,2)"

e2e_log "a pipette drag shows the live ratio"
xdotool mousemove --sync $((CLIENT_LEFT + PIPETTE_X)) $((CLIENT_TOP + PIPETTE_Y))
xdotool mousedown 1
sleep 0.3
xdotool mousemove 110 210
sleep 0.2
xdotool mousemove --sync 110 220
sleep 0.4
expect_eq "over the green half, while dragging" "4.49:1" "$(huexctl popup-item-text $RATIO)"
expect_eq "AA for normal text fails" "AA, обычный текст: не пройден" "$(huexctl popup-item-text $AA_NORMAL)"
xdotool mousemove --sync 130 220
sleep 0.4
expect_eq "over the gray half, while dragging" "4.54:1" "$(huexctl popup-item-text $RATIO)"
xdotool mouseup 1
sleep 0.3
expect_eq "the released colour is the text colour" "#767676" "$(huexctl popup-item-text $TEXT_VALUE)"
expect_eq "AA for normal text passes" "AA, обычный текст: пройден" "$(huexctl popup-item-text $AA_NORMAL)"
read -r left top _ _ <<<"$(huexctl popup-item-rect $RATIO)"
xdotool mousemove --sync $((left + 5)) $((top + 5)) click 1 # a click on the window makes it active
sleep 0.5
xdotool key --clearmodifiers Escape
check "Escape closes it" wait_until 10 no_popup

e2e_log "export through the save dialog"
check "the save dialog takes a name" file_dialog 1301 "$E2E_DIR/palette"
expect_eq "the GIMP palette is written with its extension" \
    "$(printf 'GIMP Palette\nName: HUEX\nColumns: 1\n#\n255   0   0\t#FF0000\n  0 128 255\t#0080FF\n 51 102 153\t#336699\n' | md5sum)" \
    "$(md5sum <"$E2E_DIR/palette.gpl" 2>/dev/null)"
check "no temporary file is left beside it" eval '[ "$(ls "$E2E_DIR" | grep -c -i tmp)" = 0 ]'

e2e_log "import through the open dialog"
{
    printf ':root {\n'
    for i in $(seq 1 12); do printf '  --c%d: rgb(%d, %d, %d);\n' "$i" "$i" $((2 * i)) $((3 * i)); done
    printf '}\n'
} >"$E2E_DIR/twelve.css"
check "the open dialog takes a CSS file" file_dialog 1302 "$E2E_DIR/twelve.css"
check "a message follows" wait_until 10 message_shown
expect_eq "ten of twelve are loaded" "Загружено 10 из 12 цветов" "$(message_text)"
close_message
check "the exported palette loads" file_dialog 1302 "$E2E_DIR/palette.gpl"
check "without a message" no_popup
printf 'ASEF\0\1\0\0\0\0\0\2\0\1\0\0\0\44\0\10' >"$E2E_DIR/broken.ase"
check "a broken swatch file is opened" file_dialog 1302 "$E2E_DIR/broken.ase"
check "a message follows" wait_until 10 message_shown
expect_eq "it says why" "Не удалось прочитать палитру: запись выходит за конец файла" "$(message_text)"
close_message

huex_stop
expect_eq "the palette is the exported one: three cells" 3 "$(ini_value CustomColors customColorsLength)"
expect_eq "its second cell" "0.000000 0.501961 1.000000" \
    "$(ini_value CustomColors Color1R) $(ini_value CustomColors Color1G) $(ini_value CustomColors Color1B)"
end_helpers
e2e_finish
