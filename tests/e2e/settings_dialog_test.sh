#!/usr/bin/env bash
# The settings dialog with real input: Ctrl+P opens it over the picker; a pattern is added by
# typing, a duplicate name is refused with a message, one more is moved and deleted, the zoom is
# changed on the magnifier page; OK applies it (caption zoom); the new pattern is chosen from slot
# 1's pattern menu; after a restart the pattern, its use by slot 1 and the slot's text are still
# there. Then Cancel after changing everything changes nothing.
source "$(dirname "$0")/lib.sh"

INI=$HUEX_APP_DIR/huex.ini
shots=$E2E_DIR/shots
mkdir -p "$shots"
readonly DIALOG="Настройки — HUEX"
readonly SEPARATOR="-------------------------------------------------------------"

# Known state: zoom x8, slot 1 on RRGGBB unchecked, no user patterns.
write_settings() {
    {
        printf '[Common]\r\nFirstRun=no\r\nVersion=150\r\n'
        printf '[Window]\r\nposX=40\r\nposY=40\r\nwidth=305\r\nfocus=zoom\r\nfocus2=color1\r\n'
        printf '[Marquee]\r\nanimation=0\r\ninterval=350\r\nperiod=2\r\n'
        printf '[Zoom]\r\nMode=3\r\nzoomSize=9\r\nzoomSkale=8\r\naverage=1\r\n'
        printf '[Patterns]\r\npattern1=0\r\npattern2=0\r\nmode1=0\r\nmode2=1\r\nuPatternsLength=0\r\n'
    } >"$INI"
}

dialog_open() { [ "$(huexctl popup-caption 2>/dev/null)" = "$DIALOG" ]; }
dialog_closed() { ! huexctl popup-caption >/dev/null 2>&1; }
list_items() { huexctl popup-list 1013; }
message_box_count() { visible_windows_named '^HUEX$'; }
is_checked() { huexctl popup-is-checked "$1" >/dev/null; }
is_enabled() { huexctl popup-is-enabled "$1" >/dev/null; }

# centre_of ID: screen centre of a control of the dialog.
centre_of() {
    local left top width height
    read -r left top width height <<<"$(huexctl popup-item-rect "$1")"
    echo $((left + width / 2)) $((top + height / 2))
}
click_control() {
    local x y
    read -r x y <<<"$(centre_of "$1")"
    xdotool mousemove --sync "$x" "$y" click 1
    sleep 0.2
}
# Replaces an edit's text by typing, as a user does: click, select to the start, type over.
type_into() {
    click_control "$1"
    xdotool key --clearmodifiers End shift+Home
    xdotool type --delay 20 -- "$2"
    sleep 0.2
}
# Clicks the tab with index 0, 1 or 2 (the headers sit at the tab control's top left).
click_tab() {
    local left top _w _h
    read -r left top _w _h <<<"$(huexctl popup-item-rect 1012)"
    xdotool mousemove --sync $((left + 30 + 52 * $1)) $((top + 10)) click 1
    sleep 0.3
}
# Selects a list item with the keyboard: the first item by a click, then KEYS.
select_with_keys() {
    local left top _w _h
    read -r left top _w _h <<<"$(huexctl popup-item-rect 1013)"
    xdotool mousemove --sync $((left + 30)) $((top + 8)) click 1
    xdotool key --clearmodifiers "$@"
    sleep 0.2
}

e2e_log "Ctrl+P opens the dialog"
write_settings
huex_start_and_wait
expect_eq "the caption shows x8" "HUEX | X:100, Y:100   (x8)" "$(huexctl caption)"
huex_key ctrl+p
check "Ctrl+P shows the settings dialog" wait_until 10 dialog_open
sleep 0.5
import -window root "$shots/dialog-open.png" || true
expect_eq "the list: built-in patterns, separator, add entry" \
    "$(printf '%s\n' RRGGBB 'HSB(360, 100, 100)' 'HSL(360, 100, 100)' 'CMY(255, 255, 255)' "$SEPARATOR" 'Добавить...')" \
    "$(list_items)"
click_tab 1
check "x8 is marked" is_checked 1046
check "single point sampling is marked" is_checked 1100
click_tab 2
expect_eq "the palette size shows 7" 7 "$(huexctl popup-item-text 1071)"
check "the web modifier is marked" is_checked 1028
click_tab 0

e2e_log "selections"
select_with_keys Home
expect_eq "a built-in pattern shows its name" RRGGBB "$(huexctl popup-item-text 1043)"
expect_eq "and its format" "{X|0:255|2.*}" "$(huexctl popup-item-text 1000)"
check "delete is disabled for it" not is_enabled 1016
check "add is disabled for it" not is_enabled 1017
xdotool key --clearmodifiers Down Down Down Down
sleep 0.2
expect_eq "the separator clears the edits" "" "$(huexctl popup-item-text 1043)"
xdotool key --clearmodifiers End
sleep 0.2
expect_eq "the add entry offers a new pattern" "Новый шаблон" "$(huexctl popup-item-text 1043)"
check "add is enabled for it" is_enabled 1017

e2e_log "add by typing"
type_into 1043 "rgb()"
type_into 1014 "rgb({rgbR}, {rgbG}, {rgbB})"
for id in 1000 1001 1002; do type_into "$id" "{d|0:255|*.*}"; done
expect_eq "the typed pattern string" "rgb({rgbR}, {rgbG}, {rgbB})" "$(huexctl popup-item-text 1014)"
click_control 1017
expect_eq "the pattern is added before the add entry" \
    "$(printf '%s\n' RRGGBB 'HSB(360, 100, 100)' 'HSL(360, 100, 100)' 'CMY(255, 255, 255)' "$SEPARATOR" 'rgb()' \
        "$SEPARATOR" '> Добавить...')" "$(list_items)"
expect_eq "the edits offer the next new pattern" "Новый шаблон" "$(huexctl popup-item-text 1043)"

e2e_log "a duplicate name is refused"
type_into 1043 "rgb()"
click_control 1017
check "a message box says the name exists" wait_until 5 eval '[ "$(message_box_count)" -ge 1 ]'
import -window root "$shots/duplicate-message.png" || true
xdotool key --clearmodifiers Return
check "the message box closes" wait_until 5 eval '[ "$(message_box_count)" -eq 0 ]'
expect_eq "nothing was added" 8 "$(list_items | wc -l)"

e2e_log "move and delete"
type_into 1043 "tmp"
click_control 1017
expect_eq "a second pattern" "tmp" "$(list_items | sed -n 7p)"
select_with_keys End Up Up # the last user pattern
check "up is enabled for the last user pattern" is_enabled 1240
check "down is disabled for it" not is_enabled 1241
click_control 1240
expect_eq "it moved up" "> tmp" "$(list_items | sed -n 6p)"
click_control 1016
expect_eq "deleted: rgb() is the only user pattern again" "> rgb()" "$(list_items | sed -n 6p)"
expect_eq "eight items again" 8 "$(list_items | wc -l)"

e2e_log "the magnifier page and OK"
click_tab 1
import -window root "$shots/magnifier-page.png" || true
click_control 1048
check "x3 is marked" is_checked 1048
click_control 1
check "OK closes the dialog" wait_until 5 dialog_closed
check "the zoom is applied: caption shows x3" wait_until 5 eval \
    '[ "$(huexctl caption)" = "HUEX | X:100, Y:100   (x3)" ]'

e2e_log "the new pattern from slot 1's pattern menu"
read -r left top width height <<<"$(huexctl item-rect 1010)"
xdotool mousemove --sync $((left + width / 2)) $((top + height / 2)) click 3
check "the pattern menu opens" wait_until 5 eval 'huexctl menu-visible >/dev/null'
huex_focus
xdotool key --clearmodifiers Down Down Down Down Down Return
check "slot 1 takes rgb()" wait_until 5 eval '[ "$(huexctl item-text 1010)" = "rgb()" ]'
slot1_text=$(huexctl item-text 1000)
check "slot 1 shows the colour through it ($slot1_text)" eval '[[ "$slot1_text" =~ ^rgb\([0-9]{1,3},\ [0-9]{1,3},\ [0-9]{1,3}\)$ ]]'

e2e_log "after a restart"
huex_stop
expect_eq "the file holds one user pattern" 1 "$(ini_value Patterns uPatternsLength)"
expect_eq "its name" "rgb()" "$(ini_value Patterns name0)"
expect_eq "its pattern string" "rgb({rgbR}, {rgbG}, {rgbB})" "$(ini_value Patterns patternString0)"
expect_eq "slot 1 uses it" 4 "$(ini_value Patterns pattern1)"
expect_eq "the zoom is stored" 25 "$(ini_value Zoom zoomSize)"
huex_start_and_wait
expect_eq "slot 1's caption after the restart" "rgb()" "$(huexctl item-text 1010)"
expect_eq "slot 1's text after the restart" "$slot1_text" "$(huexctl item-text 1000)"

e2e_log "Cancel changes nothing"
huex_key ctrl+p
check "the dialog opens again" wait_until 10 dialog_open
select_with_keys End Up Up
click_control 1016
click_tab 1
click_control 1044
click_tab 2
click_control 1032
click_control 2
check "Cancel closes the dialog" wait_until 5 dialog_closed
expect_eq "the zoom stays" "HUEX | X:100, Y:100   (x3)" "$(huexctl caption)"
expect_eq "slot 1 keeps its pattern" "rgb()" "$(huexctl item-text 1010)"
huex_stop
expect_eq "the file still holds the pattern" "rgb()" "$(ini_value Patterns name0)"
expect_eq "and the web modifier" 0 "$(ini_value Color2 mode)"

e2e_finish
