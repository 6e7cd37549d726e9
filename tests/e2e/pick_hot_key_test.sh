#!/usr/bin/env bash
# The pick hot key, chosen by hand in the settings file: with the pointer on a known pixel of
# another program's image it puts slot 1's text of that pixel (or of the 3 x 3 mean) on the
# clipboard, with the window shown or hidden, and leaves the window and the focus as they were.
# Command 1410 does the same; the default key it replaced does nothing. Each pick joins the history.
source "$(dirname "$0")/lib.sh"

readonly IDC_EDIT1=1000 ID_SAMPLE_3X3=1022 ID_SAMPLE_1X1=1021 ID_TOGGLE_WINDOW=494 ID_PICK=1410
readonly IMG_LEFT=420 IMG_TOP=260

# Red in a checkerboard, green and blue ramps: a 3 x 3 mean differs from its centre pixel.
pixel() { REPLY="$((((($1 + $2) % 2)) * 255)) $(($1 * 2)) $(($2 * 2))"; }
write_ppm "$E2E_DIR/target.ppm" 100 pixel
show_image "$E2E_DIR/target.ppm" $IMG_LEFT $IMG_TOP

printf '%s\r\n' '[Common]' 'FirstRun=no' 'Version=150' '[Window]' 'posX=20' 'posY=20' 'width=305' \
    'focus=zoom' 'focus2=color1' '[Marquee]' 'animation=0' '[Zoom]' 'average=1' \
    '[Patterns]' 'uPatternsLength=0' 'pattern1=0' 'pattern2=1' 'mode1=0' 'mode2=0' \
    '[HotKeys]' 'pick=shift + ctrl +k' >"$HUEX_APP_DIR/huex.ini"
huex_start_and_wait

clipboard_is() { [ "$(huexctl clipboard-text)" = "$1" ]; }
point_at() { xdotool mousemove --sync $((IMG_LEFT + $1)) $((IMG_TOP + $2)); }

e2e_log "shown: the chosen key picks the pixel under the pointer"
rect_before=$(huex_window_rect)
huex_focus
point_at 50 20 # (0, 100, 40)
xdotool key --clearmodifiers ctrl+shift+k
check "the clipboard holds the pixel's text" wait_until 5 clipboard_is 006428
check "slot 1 shows it" wait_until 5 eval '[ "$(huexctl item-text $IDC_EDIT1)" = 006428 ]'
expect_eq "the window has not moved" "$rect_before" "$(huex_window_rect)"
check "the window keeps the focus" huex_is_foreground

e2e_log "posted command 1410 with the 3 x 3 mean"
huexctl post-command $ID_SAMPLE_3X3 >/dev/null
point_at 60 30 # red: 4 of 9 are 255 -> 113; green 120; blue 60
huexctl post-command $ID_PICK >/dev/null
check "the clipboard holds the mean's text" wait_until 5 clipboard_is 71783C
huexctl post-command $ID_SAMPLE_1X1 >/dev/null

e2e_log "hidden: another program keeps the focus"
huexctl post-command $ID_TOGGLE_WINDOW >/dev/null
check "the window is hidden" wait_until 5 huex_is_hidden
fake_window 120
fake=$(xdotool search --all --onlyvisible --pid "$FAKE_PID" --name '^HUEX$' | head -n 1)
xdotool windowfocus --sync "$fake"
huexctl clipboard-set untouched
point_at 11 7 # (0, 22, 14)
xdotool key --clearmodifiers ctrl+alt+p
sleep 1
check "the default key it replaced does not pick" clipboard_is untouched
xdotool key --clearmodifiers ctrl+shift+k
check "the chosen key picks while hidden" wait_until 5 clipboard_is 00160E
check "the window stays hidden" huex_is_hidden
expect_eq "the other program keeps the focus" "$fake" "$(xdotool getwindowfocus)"

huex_stop
expect_eq "the key is written back in its own form" "Ctrl+Shift+K" "$(ini_value HotKeys pick)"
expect_eq "the picks are in the history, newest first" "#00160E #71783C #006428" \
    "$(ini_value History 0) $(ini_value History 1) $(ini_value History 2)"
expect_eq "keys left at their defaults are not added" "" "$(ini_value HotKeys toggle)"
e2e_finish
