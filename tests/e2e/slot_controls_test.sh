#!/usr/bin/env bash
# The colour slots and the About box as a user meets them: the copy button in its edit's strip
# (also after a resize), blue and red text and the focus background, the copy button's clipboard
# text and tooltip, the check box's tooltip and pattern menu, a drop refused by a slot, selected
# text dragged out into another program, and the About box with its links.
source "$(dirname "$0")/lib.sh"

HELPER_EXE=$HUEX_WIN_BIN/huex_e2e_helper.exe
[ -f "$HELPER_EXE" ] || {
    echo "e2e: $HELPER_EXE has not been built" >&2
    exit 1
}

# count_colour FILE R G B: pixels of exactly that colour in an image.
count_colour() {
    convert "$1" -fill black +opaque "rgb($2,$3,$4)" -fill white -opaque "rgb($2,$3,$4)" \
        -format '%[fx:int(mean*w*h+0.5)]' info:
}

# grab_rect FILE LEFT TOP WIDTH HEIGHT: that part of the screen.
grab_rect() {
    import -window root -crop "${4}x${5}+${2}+${3}" +repage "$1"
}

# grab_control FILE ID: a control of the picker window as it is on the screen.
grab_control() {
    local left top width height
    read -r left top width height <<<"$(huexctl item-rect "$2")"
    grab_rect "$1" "$left" "$top" "$width" "$height"
}

# centre_of ID: the screen point in the middle of a control ("x y").
centre_of() {
    local left top width height
    read -r left top width height <<<"$(huexctl "${2:-item-rect}" "$1")"
    echo "$((left + width / 2)) $((top + height / 2))"
}

# copy_button_over_strip EDIT BUTTON: the button covers the last 23 pixels inside the edit's
# 2-pixel edge, over the edit's full inner height.
copy_button_over_strip() {
    local el et ew eh bl bt bw bh
    read -r el et ew eh <<<"$(huexctl item-rect "$1")"
    read -r bl bt bw bh <<<"$(huexctl item-rect "$2")"
    [ "$bw" -eq 23 ] && [ $((bl + bw)) -eq $((el + ew - 2)) ] && [ "$bt" -eq $((et + 2)) ] &&
        [ "$bh" -eq $((eh - 4)) ]
}

mouse_to() { xdotool mousemove --sync "$1" "$2"; }
menu_open() { huexctl menu-visible >/dev/null; }

# A known start: black, slot 1 on "RRGGBB", slot 2 on "HSB(360, 100, 100)", neither check box set.
printf '%s\r\n' '[Common]' 'FirstRun=no' 'Version=150' '[Window]' 'posX=20' 'posY=20' 'width=305' \
    'focus=zoom' 'focus2=color1' '[Color1]' 'R=0' 'G=0' 'B=0' '[Color2]' 'mode=0' '[Marquee]' 'animation=0' \
    '[Patterns]' 'uPatternsLength=0' 'pattern1=0' 'pattern2=1' 'mode1=0' 'mode2=0' >"$HUEX_APP_DIR/huex.ini"
huex_start_and_wait
shots=$E2E_DIR
# With the system tray window of an earlier program on the desktop, Wine spends the first click
# on a newly started window activating it: click its caption once, as a user would.
huex_focus
read -r left top _ _ <<<"$(huex_window_rect)"
mouse_to $((left + 60)) $((top + 6))
xdotool click 1
sleep 0.5

e2e_log "the copy buttons sit in their edits' strips, also after a resize"
check "slot 1: copy button over the strip" copy_button_over_strip 1000 1016
check "slot 2: copy button over the strip" copy_button_over_strip 1001 1017
read -r _ _ width height <<<"$(huex_window_rect)"
huexctl resize $((width + 120)) "$height" >/dev/null
check "the window has grown" wait_until 5 eval '[ "$(huex_window_rect | cut -d" " -f3)" -eq $((width + 120)) ]'
check "slot 1 after the resize: copy button over the strip" copy_button_over_strip 1000 1016
check "slot 2 after the resize: copy button over the strip" copy_button_over_strip 1001 1017
expect_eq "the glyph of the copy button" 2 "$(huexctl item-text 1016)"

e2e_log "text colours by parse state, background by focus"
sleep 0.5
grab_control "$shots/edit1-idle.png" 1000
check "slot 1 text is dark blue" [ "$(count_colour "$shots/edit1-idle.png" 0 0 150)" -gt 10 ]
expect_eq "slot 1 shows no red text" 0 "$(count_colour "$shots/edit1-idle.png" 204 0 0)"
expect_eq "slot 1 background is not the focus colour" 0 "$(count_colour "$shots/edit1-idle.png" 245 255 240)"

e2e_log "the copy button copies and has its tooltip"
read -r x y <<<"$(centre_of 1017)"
mouse_to "$x" "$y"
xdotool click 1
check "slot 2's text is on the clipboard" wait_until 5 eval '[ "$(huexctl clipboard-text)" = "HSB(0, 0, 0)" ]'
mouse_to $((x - 40)) "$y"
mouse_to "$x" "$y"
mouse_to $((x + 1)) "$y"
check "the copy button's tooltip shows" wait_until 5 eval 'huexctl tooltips | grep -qx "Скопировать"'
sleep 0.3
grab_control "$shots/edit2-focused.png" 1001
check "slot 2 has the focus background after the copy" [ "$(count_colour "$shots/edit2-focused.png" 245 255 240)" -gt 100 ]

e2e_log "typing: the text turns red the moment it stops being a colour"
# Modifiers that an earlier program saw go down but never come up would turn typing into
# shortcuts: release them first.
huex_focus
xdotool keyup Control_L Control_R Shift_L Shift_R Alt_L Alt_R
huex_key End
huex_focus
xdotool type --delay 50 'z'
check "the typed letter is in slot 2" wait_until 5 eval '[ "$(huexctl item-text 1001)" = "HSB(0, 0, 0)z" ]'
sleep 0.3
grab_control "$shots/edit2-red.png" 1001
check "slot 2 text turns red" [ "$(count_colour "$shots/edit2-red.png" 204 0 0)" -gt 10 ]
expect_eq "slot 2 shows no blue text" 0 "$(count_colour "$shots/edit2-red.png" 0 0 150)"
check "slot 2 keeps the pale green focus background" [ "$(count_colour "$shots/edit2-red.png" 245 255 240)" -gt 100 ]
huex_key BackSpace
check "slot 2 reads HSB(0, 0, 0) again" wait_until 5 eval '[ "$(huexctl item-text 1001)" = "HSB(0, 0, 0)" ]'
sleep 0.3
grab_control "$shots/edit2-blue.png" 1001
check "slot 2 text is blue again" [ "$(count_colour "$shots/edit2-blue.png" 0 0 150)" -gt 10 ]

e2e_log "the check box: tooltip and pattern menu"
read -r x y <<<"$(centre_of 1010)"
mouse_to $((x - 2)) "$y"
mouse_to "$x" "$y"
check "the check box's tooltip shows" wait_until 5 eval \
    'huexctl tooltips | grep -qx "Правый клик для вызова списка шаблонов."'
xdotool click 3
check "a right click opens the pattern menu" wait_until 5 menu_open
huex_screenshot "$shots/pattern-menu.png" || true
huex_focus
xdotool key --clearmodifiers Down Down Return
check "the menu has closed" wait_until 5 not menu_open
check "slot 1 takes the second pattern" wait_until 5 eval '[ "$(huexctl item-text 1010)" = "HSB(360, 100, 100)" ]'
expect_eq "slot 1 shows its colour through it" "HSB(0, 0, 0)" "$(huexctl item-text 1000)"

e2e_log "a drop onto a slot is refused"
read -r x1 y1 <<<"$(centre_of 1000)"
read -r left top _ _ <<<"$(huexctl item-rect 1001)"
read -r x y <<<"$(centre_of 1017)" # select slot 2's text with its copy button
mouse_to "$x" "$y"
xdotool click 1
mouse_to $((left + 12)) $((top + 9))
xdotool mousedown 1
mouse_to $((left + 30)) $((top + 9))
mouse_to "$x1" "$((y1 - 2))"
mouse_to "$x1" "$y1"
sleep 0.5
xdotool mouseup 1
sleep 0.5
expect_eq "slot 1 keeps its text" "HSB(0, 0, 0)" "$(huexctl item-text 1000)"
expect_eq "slot 2 keeps its text" "HSB(0, 0, 0)" "$(huexctl item-text 1001)"

e2e_log "selected text dragged out into another program"
wine "$HELPER_EXE" drop-target 120 >"$shots/drops.txt" 2>>"$E2E_LOG" </dev/null &
HELPER_PIDS+=($!)
# The helper's lines end in CR LF (the Wine console's); compare without the CR.
drops() { tr -d '\r' <"$shots/drops.txt"; }
check "the other program's drop target is up" wait_until 20 eval 'drops | grep -qx ready'
target=$(xdotool search --onlyvisible --name '^HUEX drop target$' | head -n 1)
read -r tx ty <<<"$(xdotool getwindowgeometry --shell "$target" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x+100, y+80}')"
read -r x y <<<"$(centre_of 1016)"
mouse_to "$x" "$y"
xdotool click 1 # selects slot 1's whole text
read -r left top _ _ <<<"$(huexctl item-rect 1000)"
mouse_to $((left + 12)) $((top + 9))
xdotool mousedown 1
mouse_to $((left + 30)) $((top + 9))
mouse_to $((tx - 5)) "$ty"
mouse_to "$tx" "$ty"
sleep 0.5
xdotool mouseup 1
check "the text arrives in the other program" wait_until 10 eval 'drops | grep -qxF "dropped:HSB(0, 0, 0)"'
expect_eq "the text stays in the slot" "HSB(0, 0, 0)" "$(huexctl item-text 1000)"

e2e_log "the About box"
handler_args=$E2E_DIR/link-opened.txt
helper_windows=$(winepath -w "$HELPER_EXE")
args_windows=$(winepath -w "$handler_args")
# The shell opens "mailto:" with the program registered for it: for this test, the helper, which
# writes down what it was given. The registration is put back however the script ends.
mailto_key='HKLM\Software\Classes\mailto\shell\open\command'
mailto_before=$(wine reg query "$mailto_key" /ve 2>/dev/null | tr -d '\r' | sed -n 's/^ *(Default) *REG_SZ *//p')
restore_mailto() {
    if [ -n "$mailto_before" ]; then
        wine reg add "$mailto_key" /ve /f /d "$mailto_before" >>"$E2E_LOG" 2>&1 || true
    else
        wine reg delete "$mailto_key" /f >>"$E2E_LOG" 2>&1 || true
    fi
}
trap 'restore_mailto; e2e_cleanup' EXIT
wine reg add "$mailto_key" /ve /f /d "\"$helper_windows\" record \"$args_windows\" \"%1\"" >>"$E2E_LOG" 2>&1
huex_key ctrl+i # the About command
check "the About box opens" wait_until 10 eval '[ "$(huexctl popup-caption)" = "О программе — HUEX v1.5.5" ]'
expect_eq "the e-mail link" huex@example.org "$(huexctl popup-item-text 390)"
expect_eq "the web link" http://example.org/ "$(huexctl popup-item-text 391)"
sleep 0.5
read -r left top width height <<<"$(huexctl popup-item-rect 390)"
grab_rect "$shots/link-idle.png" "$left" "$top" "$width" "$height"
check "the e-mail link is blue" [ "$(count_colour "$shots/link-idle.png" 0 0 255)" -gt 10 ]
read -r x y <<<"$(centre_of 390 popup-item-rect)"
mouse_to "$x" "$y"
xdotool click 1
opened_link() { tr -d '\r' <"$handler_args" 2>/dev/null; }
check "a click opens the e-mail link with the shell" wait_until 15 eval 'opened_link | grep -qxF mailto:huex@example.org'
read -r x y <<<"$(centre_of 391 popup-item-rect)"
mouse_to "$x" "$y"
sleep 0.3
read -r left top width height <<<"$(huexctl popup-item-rect 390)"
grab_rect "$shots/link-visited.png" "$left" "$top" "$width" "$height"
check "the e-mail link, opened and left, is purple" [ "$(count_colour "$shots/link-visited.png" 128 0 128)" -gt 10 ]
read -r x y <<<"$(centre_of 1 popup-item-rect)"
mouse_to "$x" "$y"
xdotool click 1
check "OK closes the About box" wait_until 5 not eval 'huexctl popup-caption >/dev/null 2>&1'
restore_mailto

huex_stop
e2e_finish
