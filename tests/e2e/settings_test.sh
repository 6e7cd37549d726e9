#!/usr/bin/env bash
# Settings between runs, seen from outside: a first start writes the whole settings file and a
# 4,371-byte image file; what one run leaves is what the next shows; a file of non-default values
# is shown as written and written back with the lines written by hand kept; a hostile file starts
# and is saved in range; Escape does not close, Alt+F4 ends and saves; the close button hides to
# the tray and a second start shows the window again.
source "$(dirname "$0")/lib.sh"

INI=$HUEX_APP_DIR/huex.ini
IMG=$HUEX_APP_DIR/huex.img
readonly WM_SYSCOMMAND=274 SC_CLOSE=0xF060

# ini_text: the settings file as UTF-8, whatever its encoding (a file we create is UTF-16).
ini_text() {
    if [ "$(head -c 2 "$INI" | od -An -tx1 | tr -d ' ')" = fffe ]; then
        iconv -f UTF-16LE -t UTF-8 "$INI" | tr -d '\r' | sed '1s/^\xef\xbb\xbf//'
    else
        tr -d '\r' <"$INI"
    fi
}

# ini_value SECTION KEY: the key's value, as the profile functions read it (quotes aside).
ini_value() {
    ini_text | awk -v s="$1" -v k="$2" '
        /^\[/ { inside = (tolower($0) == "[" tolower(s) "]"); next }
        inside { i = index($0, "="); if (i && tolower(substr($0, 1, i - 1)) == tolower(k)) { print substr($0, i + 1); exit } }'
}

caption() { huexctl caption; }
stop_and_wait() {
    local pid=$HUEX_PID
    huex_stop
    huex_wait_exit "$pid" 10
}

e2e_log "first start"
rm -f "$INI" "$IMG"
huex_start_and_wait
expect_eq "first start: the caption says so" "HUEX - Первый запуск" "$(caption)"
stop_and_wait
check "first start: the settings file is written" test -f "$INI"
expect_eq "first start: the image file is 4371 bytes" 4371 "$(stat -c %s "$IMG" 2>/dev/null)"
expect_eq "first start: FirstRun is now no" no "$(ini_value Common FirstRun)"
expect_eq "first start: Version 150" 150 "$(ini_value Common Version)"
expect_eq "first start: the colour written is white" 1.000000 "$(ini_value Color1 G)"
# The nine CSS patterns of a first start: 11 keys each, and 3 for the newer model of six of them.
expect_eq "first start: every key is there (10 cells x 4 + 35 others + 9 x 11 + 6 x 3)" 192 "$(ini_text | grep -c '=')"
expect_eq "first start: the CSS patterns are saved" 9 "$(ini_value Patterns uPatternsLength)"
expect_eq "first start: with their newer formats" "{f|0:360|*.2}" "$(ini_value Patterns oklchH7)"
check "first start: the new file is UTF-16" [ "$(head -c 2 "$INI" | od -An -tx1 | tr -d ' ')" = fffe ]

e2e_log "what one run leaves, the next shows"
huex_start_and_wait
expect_eq "second start: the normal caption" "HUEX | X:100, Y:100   (x8)" "$(caption)"
huex_key ctrl+minus
check "Ctrl+minus zooms out to x5" wait_until 5 eval '[ "$(caption)" = "HUEX | X:100, Y:100   (x5)" ]'
huex_key Escape
sleep 0.5
check "Escape does not close the window" huex_is_running
huex_key alt+F4
check "Alt+F4 ends the program" huex_wait_exit "$HUEX_PID" 10
expect_eq "Alt+F4 saved the zoom" 15 "$(ini_value Zoom zoomSize)"
huex_start_and_wait
expect_eq "third start shows the zoom left by the second" "HUEX | X:100, Y:100   (x5)" "$(caption)"
stop_and_wait

e2e_log "a file of non-default values, in the old placeholder syntax"
{
    printf '; written by hand\r\n[Common]\r\nFirstRun=no\r\nVersion=120\r\n\r\n[Window]\r\nposX=200\r\nposY=150\r\nwidth=340\r\n'
    printf '[Marquee]\r\nanimation=0\r\ninterval=250\r\nperiod=5\r\n[Zoom]\r\nzoomSize=25\r\nzoomSkale=3\r\n'
    printf 'captured.x=300\r\ncaptured.y=200\r\nshiftX=2\r\nshiftY=-1\r\naverage=3\r\n[Patterns]\r\n'
    printf 'uPatternsLength=1\r\nname0=old\r\npatternString0=#&rgbR;&rgbG;&rgbB;\r\npattern1=4\r\n'
    printf '[Mine]\r\nkeep=yes\r\n[window]\r\nposX=999\r\n'
} >"$INI"
huex_start_and_wait
expect_eq "non-default: the caption names the picked pixel and x3" "HUEX | X:302, Y:199   (x3)" "$(caption)"
read -r left top width _ <<<"$(huex_window_rect)"
expect_eq "non-default: the window is where the file says" "200 150 340" "$left $top $width"
stop_and_wait
expect_eq "non-default: interval written back" 250 "$(ini_value Marquee interval)"
expect_eq "non-default: period written back" 5 "$(ini_value Marquee period)"
expect_eq "non-default: zoom written back" "25 3 5" \
    "$(ini_value Zoom zoomSize) $(ini_value Zoom zoomSkale) $(ini_value Zoom Mode)"
expect_eq "non-default: the old placeholders are converted" "#{rgbR}{rgbG}{rgbB}" "$(ini_value Patterns patternString0)"
expect_eq "non-default: written as the new version" 150 "$(ini_value Common Version)"
expect_eq "non-default: a section the program does not know survives" yes "$(ini_value Mine keep)"
for line in '; written by hand' '' '[window]' 'posX=999'; do
    check "non-default: the line '$line' is kept" grep -qxF "$line" <(ini_text)
done
check "non-default: an existing file keeps its encoding" [ "$(head -c 1 "$INI")" = ";" ]

e2e_log "a hostile file"
{
    printf '[Marquee]\ninterval=-5\nperiod=999999999999\nanimation=1\n[CustomColors]\ncustomColorsLength=0\n'
    printf 'Color0R=nan\nColor1G=1e999\n[Zoom]\nzoomSize=2147483647\nzoomSkale=0\nMode=77\nshiftX=-99999\n'
    printf 'shiftViewPortY=99999\naverage=4\ncaptured.x=-999999999\ncaptured.y=999999999\n'
    printf '[Patterns]\nuPatternsLength=100000\npattern1=-3\npattern2=77777\n[Color2]\nmode=9\n'
} >"$INI"
head -c 100 /dev/urandom >"$IMG"
started=$SECONDS
huex_start_and_wait
check "hostile: the window is up within 10 s" [ $((SECONDS - started)) -le 10 ]
stop_and_wait
expect_eq "hostile: interval saved in range" 100 "$(ini_value Marquee interval)"
expect_eq "hostile: period saved in range" 1000 "$(ini_value Marquee period)"
expect_eq "hostile: palette count saved in range" 1 "$(ini_value CustomColors customColorsLength)"
expect_eq "hostile: zoom saved as 9 x 8" "9 8 3" \
    "$(ini_value Zoom zoomSize) $(ini_value Zoom zoomSkale) $(ini_value Zoom Mode)"
expect_eq "hostile: offsets saved in range" "-4 12 1" \
    "$(ini_value Zoom shiftX) $(ini_value Zoom shiftViewPortY) $(ini_value Zoom average)"
expect_eq "hostile: 200 user patterns at most" 200 "$(ini_value Patterns uPatternsLength)"
expect_eq "hostile: slot patterns saved in range" "0 1 0" \
    "$(ini_value Patterns pattern1) $(ini_value Patterns pattern2) $(ini_value Color2 mode)"
expect_eq "hostile: the image file is whole again" 4371 "$(stat -c %s "$IMG")"

e2e_log "the close button hides to the tray; a second start shows the window"
huex_start_and_wait
huexctl post $WM_SYSCOMMAND $SC_CLOSE 0 >/dev/null
check "close button: the window fades out and hides" wait_until 5 huex_is_hidden
check "close button: the program keeps running" huex_is_running
second_status=0
huex_run 30 || second_status=$?
check "second start: it ends by itself" [ "$second_status" -ne 124 ]
check "second start: the window is visible again" wait_until 5 huex_is_visible
check "second start: fully opaque again" wait_until 5 huex_is_opaque
stop_and_wait

e2e_finish
