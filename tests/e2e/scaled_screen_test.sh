#!/usr/bin/env bash
# The picker on a 144-DPI screen, in a Wine environment of its own whose screen is set to that
# DPI: the magnifier draws each captured pixel as a 12 x 12 block (the x8 zoom scaled by 1.5) in
# that pixel's exact colour, and a pipette drag picks the physical pixel under the cursor. The drag's
# release captures the square round that pixel, which the view then shows.
set -euo pipefail
readonly DPI=144
: "${HUEX_WINE_ENV_DIR:?HUEX_WINE_ENV_DIR is not set (run through ctest)}"
HUEX_SOURCE_DIR=${HUEX_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
DPI_ENV_DIR=${HUEX_WINE_ENV_DIR%/}-$DPI
HUEX_LOGPIXELS=$DPI "$HUEX_SOURCE_DIR/tools/wine-env.sh" start "$DPI_ENV_DIR" >/dev/null
HUEX_WINE_ENV_DIR=$DPI_ENV_DIR
source "$(dirname "$0")/lib.sh"
trap 'e2e_cleanup; "$HUEX_SOURCE_DIR/tools/wine-env.sh" stop "$DPI_ENV_DIR" >/dev/null 2>&1 || true' EXIT

# At 144 DPI: frame and margin 5, so the 9 x 9 view of 12-pixel blocks starts at client (10, 10);
# the pipette bar runs from y 128 to 161.
readonly BLOCK=12 VIEW_LEFT=10 VIEW_TOP=10 VIEW_SIDE=9 PIPETTE_X=30 PIPETTE_Y=144
readonly SQUARE_LEFT=84 SQUARE_TOP=84 SQUARE_SIDE=33 IDC_EDIT1=1000

write_settings() {
    {
        printf '[Common]\r\nFirstRun=no\r\nVersion=150\r\n'
        printf '[Window]\r\nposX=400\r\nposY=300\r\nwidth=305\r\nfocus=zoom\r\nfocus2=color1\r\n'
        printf '[Marquee]\r\nanimation=0\r\n[Color2]\r\nmode=0\r\n'
        printf '[Zoom]\r\nMode=3\r\nshiftX=0\r\nshiftY=0\r\nshiftViewPortX=0\r\nshiftViewPortY=0\r\n'
        printf 'captured.x=100\r\ncaptured.y=100\r\nzoomSize=9\r\nzoomSkale=8\r\naverage=1\r\n'
        printf '[Patterns]\r\nuPatternsLength=0\r\npattern1=0\r\npattern2=1\r\nmode1=0\r\nmode2=0\r\n'
    } >"$HUEX_APP_DIR/huex.ini"
}

target_pixel() { REPLY="$((8 + 7 * $1)) $((8 + 7 * $2)) $(((37 * $1 + 11 * $2 + 5) & 255))"; }

# Every block of the view round the picked target pixel (20, 20), one pixel in from each of its
# corners (the marquee runs on the edges round the picked block): the colour of its screen pixel.
check_blocks() {
    local ppm=$1 bx by x y bad=0 expected
    for ((by = 0; by < VIEW_SIDE; by++)); do
        for ((bx = 0; bx < VIEW_SIDE; bx++)); do
            target_pixel $((20 - 4 + bx)) $((20 - 4 + by))
            expected=$REPLY
            for corner in "1 1" "$((BLOCK - 2)) 1" "1 $((BLOCK - 2))" "$((BLOCK - 2)) $((BLOCK - 2))"; do
                read -r x y <<<"$corner"
                x=$((VIEW_LEFT + bx * BLOCK + x))
                y=$((VIEW_TOP + by * BLOCK + y))
                [ "$(awk -v x=$x -v y=$y 'NR == 2 { w = $1 } NR > 3 { for (k = 1; k <= NF; k++) v[n++] = $k }
                      END { at = 3 * (y * w + x); print v[at], v[at + 1], v[at + 2] }' "$ppm")" = "$expected" ] ||
                    bad=$((bad + 1))
            done
        done
    done
    [ "$bad" -eq 0 ] || e2e_log "$bad block corners differ"
    [ "$bad" -eq 0 ]
}

write_settings
write_ppm "$E2E_DIR/target.ppm" $SQUARE_SIDE target_pixel
check "the target image is on the screen" show_image "$E2E_DIR/target.ppm" $SQUARE_LEFT $SQUARE_TOP
check "the picker starts" huex_start_and_wait
read -r CLIENT_LEFT CLIENT_TOP CLIENT_WIDTH CLIENT_HEIGHT <<<"$(huex_client_rect)"
# A stored width of 305 is a 297-pixel client area at 96 DPI (the frame takes 8): 446 at 144 DPI.
expect_eq "the stored width keeps the client area's apparent size" 446 "$CLIENT_WIDTH"
e2e_log "pipette drag to target pixel (20, 20)"
pipette_drag $PIPETTE_X $PIPETTE_Y $((SQUARE_LEFT + 20)) $((SQUARE_TOP + 20))
target_pixel 20 20
read -r r g b <<<"$REPLY"
expect_eq "slot 1 shows the picked physical pixel" "$(printf '%02X%02X%02X' "$r" "$g" "$b")" \
    "$(huexctl item-text $IDC_EDIT1)"
expect_eq "the caption names it" "HUEX | X:$((SQUARE_LEFT + 20)), Y:$((SQUARE_TOP + 20))   (x8)" "$(huexctl caption)"
import -window root -crop "${CLIENT_WIDTH}x${CLIENT_HEIGHT}+${CLIENT_LEFT}+${CLIENT_TOP}" +repage -depth 8 \
    -compress none "$E2E_DIR/client.ppm"
check "every magnified block is 12 x 12 pixels of its screen pixel's colour" check_blocks "$E2E_DIR/client.ppm"

e2e_finish
