#!/usr/bin/env bash
# The magnifier seen from outside: another X program shows a known image under the capture
# square round screen (100, 100); Alt+F5 (global hot key) recaptures it, and a screenshot of the
# picker window must show every magnified block in the colour of its screen pixel, the zoom frame
# rings, the marquee round the picked pixel, the palette cells and the picked colour, with the
# picked pixel in the caption. Then the 9 x 9 zoom command makes the window 5 pixels lower.
source "$(dirname "$0")/lib.sh"

readonly ID_ZOOM_X8=247

# Capture square: 33 x 33 screen pixels round (100, 100), so screen x 84..116 is image column 0..32.
readonly SQUARE_LEFT=84 SQUARE_TOP=84 SQUARE_SIDE=33
# Where the picker window is moved to, well away from the capture square.
readonly AWAY_X=400 AWAY_Y=300

# Settings that pin the state under test (the values a window starts with before any settings
# are read): view 7 x 7 at x11 shifted by (1, 1), picked pixel in the middle, no averaging, a
# still marquee with dashes 2 long, seven black palette cells with the first selected.
write_settings() {
    local ini=$HUEX_APP_DIR/huex.ini i
    {
        printf '[Common]\r\nFirstRun=no\r\nVersion=150\r\n'
        printf '[Window]\r\nposX=%d\r\nposY=%d\r\nwidth=305\r\nfocus=zoom\r\nfocus2=color1\r\n' $AWAY_X $AWAY_Y
        printf '[Marquee]\r\nanimation=0\r\ninterval=350\r\nperiod=2\r\n'
        printf '[CustomColors]\r\ncustomColorsLength=7\r\n'
        for i in $(seq 0 9); do
            printf 'Color%dR=0.000000\r\nColor%dG=0.000000\r\nColor%dB=0.000000\r\nColor%dFocus=%d\r\n' \
                "$i" "$i" "$i" "$i" $((i == 0 ? 1 : 0))
        done
        printf '[Zoom]\r\nMode=2\r\nshiftX=0\r\nshiftY=0\r\nshiftViewPortX=1\r\nshiftViewPortY=1\r\n'
        printf 'captured.x=100\r\ncaptured.y=100\r\nzoomSize=7\r\nzoomSkale=11\r\naverage=1\r\n'
    } >"$ini"
}

# The target image: every pixel its own colour (red and green name the column and
# the row), none of them black, white or a frame colour.
target_pixel() { REPLY="$((8 + 7 * $1)) $((8 + 7 * $2)) $(((37 * $1 + 11 * $2 + 5) & 255))"; }

# show_target PNG: the image with its top-left pixel on the capture square's top-left pixel.
show_target() {
    show_image "$1" $SQUARE_LEFT $SQUARE_TOP && DISPLAY_XID=$IMAGE_XID
}

# x_geometry XID: "left top width height" of the window's inside (its border excluded).
x_geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
        /Border width:/ { b = $NF } /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF }
        END { print x + b, y + b, w, h }'
}

# The window lies clear of the capture square (with its frame).
window_clear_of_square() {
    local left top width height
    read -r left top width height <<<"$(huex_window_rect)" || return 1
    [ $((left + width)) -le $SQUARE_LEFT ] || [ "$left" -ge $((SQUARE_LEFT + SQUARE_SIDE)) ] ||
        [ $((top + height)) -le $SQUARE_TOP ] || [ "$top" -ge $((SQUARE_TOP + SQUARE_SIDE)) ]
}

# Drags the window by its caption to (AWAY_X, AWAY_Y), as a user would (there is no window
# manager: Wine moves the window itself and keeps its idea of the position in step with X).
move_window_away() {
    local attempt left top width height ctop grab_x grab_y
    for attempt in 1 2 3; do
        window_clear_of_square && return 0
        read -r left top width height <<<"$(huex_window_rect)" || return 1
        read -r _ ctop _ _ <<<"$(huex_client_rect)" || return 1
        grab_x=$((left + 60))
        grab_y=$(((top + ctop) / 2))
        xdotool mousemove --sync $grab_x $grab_y
        sleep 0.2
        xdotool mousedown 1
        sleep 0.2
        xdotool mousemove $((grab_x + (AWAY_X - left) / 2)) $((grab_y + (AWAY_Y - top) / 2))
        sleep 0.2
        xdotool mousemove $((grab_x + AWAY_X - left)) $((grab_y + AWAY_Y - top))
        sleep 0.2
        xdotool mouseup 1
        wait_until 3 window_clear_of_square && return 0
        e2e_log "move attempt $attempt left the window at $(huex_window_rect)"
    done
    return 1
}

# ppm_of PNG WIDTHxHEIGHT+X+Y OUT: a crop as plain 8-bit PPM text.
ppm_of() {
    timeout 30 convert "$1" -crop "$2" +repage -depth 8 -compress none ppm:"$3"
}

# check_pixels CLIENT_PPM SQUARE_PPM IMAGE_PPM: every pixel check of the picker window against
# the screen square and the target image; prints "PASS<tab>what" or "FAIL<tab>what: why" lines.
check_pixels() {
    awk -v sqLeft=$SQUARE_LEFT '
    FNR == 1 { f++; n[f] = 0 }
    { for (k = 1; k <= NF; k++) tok[f, n[f]++] = $k }
    function px(g, x, y,    at) {
        if (x < 0 || y < 0 || x >= tok[g, 1] || y >= tok[g, 2]) return "outside"
        at = 4 + 3 * (y * tok[g, 1] + x)
        return tok[g, at] "," tok[g, at + 1] "," tok[g, at + 2]
    }
    function report(ok, what, why) { print (ok ? "PASS" : "FAIL") "\t" what (ok ? "" : ": " why) }
    # Pixels of the one-pixel outline of [l, r) x [t, b) that differ from colour c, corners
    # skipped when skip is set; the first difference goes to `first`.
    function outline_bad(g, l, t, r, b, c, skip,    x, y, bad) {
        bad = 0; first = ""
        for (x = l; x < r; x++) for (y = t; y < b; y++) {
            if (x != l && x != r - 1 && y != t && y != b - 1) continue
            if (skip && (x == l || x == r - 1) && (y == t || y == b - 1)) continue
            if (px(g, x, y) != c) { bad++; if (first == "") first = "(" x "," y ") is " px(g, x, y) }
        }
        return bad
    }
    function fill_bad(g, l, t, r, b, c,    x, y, bad) {
        bad = 0; first = ""
        for (x = l; x < r; x++) for (y = t; y < b; y++)
            if (px(g, x, y) != c) { bad++; if (first == "") first = "(" x "," y ") is " px(g, x, y) }
        return bad
    }
    function on_marquee(x, y) {
        return x >= mqL && x < mqR && y >= mqT && y < mqB && (x == mqL || x == mqR - 1 || y == mqT || y == mqB - 1)
    }
    END {
        C = 1; S = 2; I = 3
        light = "230,230,230"; dark = "64,32,0"; black = "0,0,0"; white = "255,255,255"
        background = px(C, 0, 0)

        # The target really is on the screen where the capture reads.
        bad = 0; first = ""
        for (x = 0; x < 33; x++) for (y = 0; y < 33; y++)
            if (px(S, x, y) != px(I, x, y)) { bad++; if (first == "") first = "screen (" sqLeft + x "," sqLeft + y ") is " px(S, x, y) " instead of " px(I, x, y) }
        report(bad == 0, "the target image covers the capture square", bad " pixels differ, first " first)

        # Zoom view: 7 x 7 blocks of 11 x 11 at client (6, 6); block (i, j) shows image pixel
        # (12 + i, 12 + j): the view starts 3 + 1 pixels left of and above the centre (16, 16).
        # The marquee runs on the outermost pixels of the blocks round the picked block (3, 3).
        k = 11; o = 6
        mqL = o + 3 * k - 1; mqT = mqL; mqR = o + 4 * k + 1; mqB = mqR
        for (j = 0; j < 7; j++) {
            badBlocks = ""
            for (i = 0; i < 7; i++) {
                want = px(S, 12 + i, 12 + j); bad = 0; first = ""
                for (x = o + k * i; x < o + k * (i + 1); x++) for (y = o + k * j; y < o + k * (j + 1); y++) {
                    if (on_marquee(x, y)) continue
                    if (px(C, x, y) != want) { bad++; if (first == "") first = "(" x "," y ") is " px(C, x, y) }
                }
                if (bad) badBlocks = badBlocks " block " i " wants screen (" sqLeft + 12 + i "," sqLeft + 12 + j ") " want ", " bad " pixels differ, first " first ";"
            }
            report(badBlocks == "", "zoom view row " j ": blocks 0-6 show screen pixels (96-102, " 96 + j ")", badBlocks)
        }

        # Marquee: dashes 2 long at phase 0 on the 13 x 13 outline.
        bad = 0; first = ""
        for (x = mqL; x < mqR; x++) for (y = mqT; y < mqB; y++) {
            if (!on_marquee(x, y)) continue
            v = (x - mqL) + (y - mqT) + 13 + 2 - 0 - 2
            want = (v % 4 < 2) ? black : white
            if (px(C, x, y) != want) { bad++; if (first == "") first = "(" x "," y ") is " px(C, x, y) " instead of " want }
        }
        report(bad == 0, "marquee round the picked block: black and white dashes", bad " pixels differ, first " first)

        # Zoom frame round (6, 6)-(83, 83): light ring, two dark rings, background corners.
        # (awk may evaluate arguments in any order: each count is taken before `first` is read)
        bad = outline_bad(C, 5, 5, 84, 84, light, 0)
        report(bad == 0, "zoom frame ring 1 is light (230,230,230)", bad " pixels differ, first " first)
        bad = outline_bad(C, 4, 4, 85, 85, dark, 0)
        report(bad == 0, "zoom frame ring 2 is dark (64,32,0)", bad " pixels differ, first " first)
        bad = outline_bad(C, 3, 3, 86, 86, dark, 1)
        report(bad == 0, "zoom frame ring 3 is dark (64,32,0)", bad " pixels differ, first " first)
        cornersOk = px(C, 3, 3) == background && px(C, 85, 3) == background && px(C, 3, 85) == background && px(C, 85, 85) == background
        report(cornersOk && background != dark, "zoom frame ring 3 corners are background " background,
               "corners " px(C, 3, 3) " " px(C, 85, 3) " " px(C, 3, 85) " " px(C, 85, 85))

        # Colour swatch: the picked screen pixel (99, 99), image pixel (15, 15).
        bad = fill_bad(C, 92, 92, 163, 108, px(S, 15, 15))
        report(bad == 0, "colour swatch shows the picked pixel " px(S, 15, 15), bad " pixels differ, first " first)

        # Palette: 7 black cells in column x 256-291; rows from the column height 114 - 3.
        for (c = 0; c < 7; c++) {
            top = int(111 * c / 7) + 5; bottom = int(111 * (c + 1) / 7) - 2
            cellBad = fill_bad(C, 256, top, 292, bottom, black); why = first
            ringBad = outline_bad(C, 255, top - 1, 293, bottom + 1, light, 0); why = why " " first
            report(cellBad == 0 && ringBad == 0, "palette cell " c " (rows " top "-" bottom - 1 ") is black in a light ring", why)
        }
    }' "$1" "$2" "$3"
}

# --- the test -------------------------------------------------------------------------------

for tool in display convert import xwininfo xdotool; do
    command -v $tool >/dev/null || {
        echo "magnifier: $tool is not installed (make deps)" >&2
        exit 1
    }
done
e2e_log "X11 Driver Managed = $(timeout 30 wine reg query 'HKCU\Software\Wine\X11 Driver' /v Managed 2>/dev/null |
    tr -d '\r' | awk '/Managed/ { print $NF }')"

write_settings
huex_start_and_wait 30 || {
    fail "the picker window appears"
    e2e_finish
}
read -r _ _ client_w client_h <<<"$(huex_client_rect)"
expect_eq "client area at 7 x 7, x11" "297 114" "$client_w $client_h"

check "the window is moved clear of the capture square" move_window_away
e2e_log "window at $(huex_window_rect), client at $(huex_client_rect)"

target_ppm=$E2E_DIR/target.ppm
write_ppm "$target_ppm" $SQUARE_SIDE target_pixel
timeout 30 convert "$target_ppm" "$E2E_DIR/target.png"
check "the target image is on the screen" show_target "$E2E_DIR/target.png"
expect_eq "the target image lies on the capture square" "$SQUARE_LEFT $SQUARE_TOP $SQUARE_SIDE $SQUARE_SIDE" \
    "$(x_geometry "$DISPLAY_XID")"

e2e_log "Alt+F5: recapture round (100, 100)"
huex_key alt+F5
# The refresh flash colours the frame for about 560 ms; on a busy machine its timer may lag, so
# the screenshot is taken again (a few times at most) until the frame has its own colour.
sleep 1.2
shot=$E2E_DIR/screen.png
read -r client_x client_y client_w client_h <<<"$(huex_client_rect)"
frame_settled() {
    timeout 30 import -window root "$shot" &&
        [ "$(timeout 30 convert "$shot" -crop "1x1+$((client_x + 4))+$((client_y + 40))" -depth 8 \
            -format '%[fx:round(255*r)],%[fx:round(255*g)],%[fx:round(255*b)]' info:)" = "64,32,0" ]
}
for _ in 1 2 3 4 5; do
    frame_settled && break
    sleep 0.5
done
ppm_of "$shot" "${client_w}x${client_h}+${client_x}+${client_y}" "$E2E_DIR/client.ppm"
ppm_of "$shot" "${SQUARE_SIDE}x${SQUARE_SIDE}+${SQUARE_LEFT}+${SQUARE_TOP}" "$E2E_DIR/square.ppm"
timeout 30 convert "$shot" -crop "${client_w}x${client_h}+${client_x}+${client_y}" +repage "$E2E_DIR/client.png"
verdicts=0
while IFS=$'\t' read -r verdict what; do
    verdicts=$((verdicts + 1))
    if [ "$verdict" = PASS ]; then pass "$what"; else fail "$what"; fi
done < <(check_pixels "$E2E_DIR/client.ppm" "$E2E_DIR/square.ppm" "$target_ppm")
expect_eq "every pixel check ran" 21 "$verdicts"
e2e_log "screenshot of the client area: $E2E_DIR/client.png"

expect_eq "caption (huexctl)" "HUEX | X:99, Y:99   (x11)" "$(huexctl caption)"
expect_eq "caption (X window name)" "HUEX | X:99, Y:99   (x11)" "$(xdotool getwindowname "$(huex_xid)")"

e2e_log "Alt released after Alt+F5 opened no menu: Down moves the capture, Up moves it back"
xdotool key Down
sleep 0.3
check "no menu is open after Down" eval '! huexctl menu-visible >/dev/null'
check "Down moved the capture" wait_until 5 eval '[ "$(huexctl caption)" = "HUEX | X:99, Y:100   (x11)" ]'
huexctl menu-visible >/dev/null && xdotool key Escape Escape
xdotool key Up
check "Up moved it back" wait_until 5 eval '[ "$(huexctl caption)" = "HUEX | X:99, Y:99   (x11)" ]'

e2e_log "zoom 9 x 9 at x8 (command $ID_ZOOM_X8)"
huexctl post-command $ID_ZOOM_X8 >/dev/null
client_is() { [ "$(huex_client_rect | cut -d' ' -f3-)" = "$1" ]; }
wait_until 5 client_is "297 109" || true
read -r _ _ client_w client_h <<<"$(huex_client_rect)"
expect_eq "client area at 9 x 9, x8: same width, 5 pixels lower" "297 109" "$client_w $client_h"
expect_eq "caption at x8" "HUEX | X:99, Y:99   (x8)" "$(huexctl caption)"

e2e_finish
