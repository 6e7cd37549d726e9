#!/usr/bin/env bash
# Run by user_folder_test.sh as a user who cannot write the program's folder, in that user's own
# Wine environment: a change survives an exit and a start, by way of %APPDATA%\HUEX; a save
# killed again and again leaves whole files; when nothing can be written, one message tells so and
# the program still ends.
source "$(dirname "$0")/lib.sh"

# The folder the user cannot write, with the settings file written there beforehand.
HUEX_APP_DIR=$HUEX_APP_FOLDER
HUEX_APP=$HUEX_APP_DIR/huex.exe
BESIDE=$HUEX_APP_DIR/huex.ini
APPDATA_DIR=$(winepath -u "$(wine cmd /c 'echo %APPDATA%' </dev/null 2>>"$E2E_LOG" | tr -d '\r')" 2>>"$E2E_LOG")
USER_DIR=$APPDATA_DIR/HUEX
readonly WM_QUERYENDSESSION=17 ERROR_ACCESS_DENIED=5
chmod -R u+w "$USER_DIR" 2>/dev/null || true
rm -rf "$USER_DIR"
cp "$BESIDE" "$E2E_DIR/beside.ini"

stop_and_wait() {
    local pid=$HUEX_PID
    huex_stop
    huex_wait_exit "$pid" 10
}
user_value() { HUEX_INI=$USER_DIR/huex.ini ini_value "$@"; }
cell2() { echo "$(user_value CustomColors Color2R) $(user_value CustomColors Color2G) $(user_value CustomColors Color2B)"; }
copies_left() { ls "$USER_DIR"/*.new "$HUEX_APP_DIR"/*.new 2>/dev/null | wc -l; }
popup_caption() { huexctl popup-caption 2>/dev/null; }
message_shown() { [ "$(popup_caption)" = HUEX ]; }
no_copy_running() { ! huexctl find >/dev/null 2>&1; }

check "the program's folder cannot be written by $(id -un)" not touch "$HUEX_APP_DIR/probe"

e2e_log "a palette change survives an exit and a start"
huex_start_and_wait
huexctl post-command 503 >/dev/null # RGB gradient over cells 0 to 4: cell 2 half red, half blue
sleep 0.5
check "Exit ends the program without a message" stop_and_wait
check "the settings file is in %APPDATA%\\HUEX" test -f "$USER_DIR/huex.ini"
expect_eq "the gradient is saved there" "0.500000 0.000000 0.500000" "$(cell2)"
expect_eq "the keys the program does not write come along" this "$(user_value Mine keep)"
expect_eq "the image file is there, whole" 4371 "$(stat -c %s "$USER_DIR/huex.img" 2>/dev/null)"
check "the file beside the program is untouched" cmp -s "$BESIDE" "$E2E_DIR/beside.ini"
huex_start_and_wait
expect_eq "the next start reads it: no first run" "HUEX | X:100, Y:100   (x8)" "$(huexctl caption)"
stop_and_wait
expect_eq "and saves the palette it read back" "0.500000 0.000000 0.500000" "$(cell2)"
expect_eq "no copy is left behind" 0 "$(copies_left)"

e2e_log "a save killed at random moments"
cp "$USER_DIR/huex.ini" "$E2E_DIR/saved.ini"
cp "$USER_DIR/huex.img" "$E2E_DIR/saved.img"
whole=0 killed=0
for kill in 1 2 3; do
    huex_start_and_wait
    # Each question whether the session may end saves at once: thousands of saves back to back.
    huexctl post "$WM_QUERYENDSESSION" 0 0 3000 >/dev/null
    sleep "0.$((RANDOM % 9 + 1))"
    if huex_is_running; then
        kill -9 "$HUEX_PID"
        killed=$((killed + 1))
    fi
    wait_until 10 no_copy_running || true
    cmp -s "$USER_DIR/huex.ini" "$E2E_DIR/saved.ini" && cmp -s "$USER_DIR/huex.img" "$E2E_DIR/saved.img" &&
        whole=$((whole + 1))
done
expect_eq "every kill landed while the saves ran" 3 "$killed"
expect_eq "after every kill both files are whole" 3 "$whole"

e2e_log "nowhere to write"
chmod a-w "$USER_DIR"
check "%APPDATA%\\HUEX cannot be written either" not touch "$USER_DIR/probe"
huex_start_and_wait
huexctl post-command 491 >/dev/null # Exit
check "a message tells why" wait_until 15 message_shown
text=$(huexctl popup-item-text 100 2>/dev/null || true)
[ -n "$text" ] || text=$(huexctl popup-item-text 65535 2>/dev/null || true)
reason=$(huexctl error-text "$ERROR_ACCESS_DENIED" | sed 's/[[:space:]]*$//')
expect_eq "it names the system's reason" "Не удалось сохранить настройки: $reason" "$text"
xid=$(xdotool search --onlyvisible --name '^HUEX$' 2>/dev/null | head -n 1)
[ -n "$xid" ] && xdotool windowfocus --sync "$xid"
sleep 0.5
xdotool key --clearmodifiers Return
check "after it the program ends: no second message at the window's destruction" huex_wait_exit "$HUEX_PID" 10
check "the files are as the last save left them" cmp -s "$USER_DIR/huex.ini" "$E2E_DIR/saved.ini"
chmod u+w "$USER_DIR"
e2e_finish
