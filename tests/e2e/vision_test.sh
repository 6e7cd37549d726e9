#!/usr/bin/env bash
# The zoom view in the five visions, seen from outside: a known image under the capture square,
# each mode's command posted, and a screenshot of every magnified block against the published
# matrices (Machado, Oliveira and Fernandes 2009, severity 1.0; luminance for achromatopsia)
# applied to the image here, in awk, within 1 per channel. The caption names the mode; the
# picked colour, a pipette drag's colour, the settings file and the image file stay true.
source "$(dirname "$0")/lib.sh"

readonly ID_VISION_NORMAL=1340
readonly CENTER_X=600 CENTER_Y=500 SIDE=33
readonly SQUARE_LEFT=$((CENTER_X - 16)) SQUARE_TOP=$((CENTER_Y - 16))
readonly NAMES=("Обычное зрение" "Протанопия" "Дейтеранопия" "Тританопия" "Ахроматопсия")

# View 7 x 7 at x11 centred on the capture, no averaging, a still marquee.
write_settings() {
    {
        printf '[Common]\r\nFirstRun=no\r\nVersion=150\r\n'
        printf '[Window]\r\nposX=40\r\nposY=40\r\nfocus=zoom\r\nfocus2=color1\r\n'
        printf '[Marquee]\r\nanimation=0\r\n'
        printf '[Zoom]\r\nMode=2\r\nshiftX=0\r\nshiftY=0\r\nshiftViewPortX=0\r\nshiftViewPortY=0\r\n'
        printf 'captured.x=%d\r\ncaptured.y=%d\r\nzoomSize=7\r\nzoomSkale=11\r\naverage=1\r\n' $CENTER_X $CENTER_Y
    } >"$HUEX_APP_DIR/huex.ini"
}

# Every pixel its own saturated-ish colour, so that the dichromacies move each one.
image_pixel() { REPLY="$(((8 * $1 + 3) & 255)) $(((255 - 7 * $2) & 255)) $(((29 * $1 + 47 * $2) & 255))"; }

ppm_of() { timeout 30 convert "$1" -crop "$2" +repage -depth 8 -compress none ppm:"$3"; }

# check_view MODE CLIENT_PPM IMAGE_PPM: "PASS<tab>what" or "FAIL<tab>what: why" for the 7 x 7
# blocks (centre pixels) against the mode's matrix applied to the image pixels they show.
check_view() {
    awk -v mode="$1" '
    FNR == 1 { f++; n[f] = 0 }
    { for (k = 1; k <= NF; k++) tok[f, n[f]++] = $k }
    function chan(g, x, y, c) { return tok[g, 4 + 3 * (y * tok[g, 1] + x) + c] }
    function lin(v) { v /= 255; return v <= 0.04045 ? v / 12.92 : ((v + 0.055) / 1.055) ^ 2.4 }
    function enc(l) {
        l = l < 0 ? 0 : l > 1 ? 1 : l
        return int(255 * (l <= 0.0031308 ? 12.92 * l : 1.055 * l ^ (1 / 2.4) - 0.055) + 0.5)
    }
    function matrix(m, numbers,    k, t) { split(numbers, t); for (k = 1; k <= 9; k++) M[m, k] = t[k] }
    BEGIN {
        matrix(0, "1 0 0 0 1 0 0 0 1")
        matrix(1, "0.152286 1.052583 -0.204868 0.114503 0.786281 0.099216 -0.003882 -0.048116 1.051998")
        matrix(2, "0.367322 0.860646 -0.227968 0.280085 0.672501 0.047413 -0.011820 0.042940 0.968881")
        matrix(3, "1.255528 -0.076749 -0.178779 -0.078411 0.930809 0.147602 0.004733 0.691367 0.303900")
        matrix(4, "0.2126 0.7152 0.0722 0.2126 0.7152 0.0722 0.2126 0.7152 0.0722")
    }
    END {
        C = 1; I = 2; k = 11; o = 6; worst = 0; bad = 0; first = ""
        for (j = 0; j < 7; j++) for (i = 0; i < 7; i++) {
            x = 13 + i; y = 13 + j
            for (c = 0; c < 3; c++) L[c] = lin(chan(I, x, y, c))
            for (c = 0; c < 3; c++) {
                want = mode == 0 ? chan(I, x, y, c) : enc(M[mode, 3 * c + 1] * L[0] + M[mode, 3 * c + 2] * L[1] + M[mode, 3 * c + 3] * L[2])
                got = chan(C, o + k * i + 5, o + k * j + 5, c)
                d = got - want; d = d < 0 ? -d : d
                if (d > worst) worst = d
                if (d > 1) { bad++; if (first == "") first = "block " i "," j " channel " c " is " got " instead of " want }
            }
        }
        print (bad == 0 ? "PASS" : "FAIL") "\tmode " mode ": all 49 blocks within 1 of the published matrix (largest difference " worst ")" (bad ? ": " bad " channels off, first " first : "")
    }' "$2" "$3"
}

# The colour swatch's pixel (client 120, 100) as "r,g,b".
swatch_of() { timeout 30 convert "$1" -crop "1x1+$((client_x + 120))+$((client_y + 100))" -depth 8 \
    -format '%[fx:round(255*r)],%[fx:round(255*g)],%[fx:round(255*b)]' info:; }
# The target pixel at screen (x, y) as "r,g,b".
target_pixel() {
    awk -v x=$(($1 - SQUARE_LEFT)) -v y=$(($2 - SQUARE_TOP)) '
        { for (k = 1; k <= NF; k++) t[n++] = $k }
        END { at = 4 + 3 * (y * t[1] + x); print t[at] "," t[at + 1] "," t[at + 2] }' "$target_ppm"
}

write_settings
huex_start_and_wait 30 || {
    fail "the picker window appears"
    e2e_finish
}
target_ppm=$E2E_DIR/target.ppm
write_ppm "$target_ppm" $SIDE image_pixel
timeout 30 convert "$target_ppm" "$E2E_DIR/target.png"
check "the target image is on the screen" show_image "$E2E_DIR/target.png" $SQUARE_LEFT $SQUARE_TOP
read -r client_x client_y client_w client_h <<<"$(huex_client_rect)"
check "the window lies clear of the capture square" \
    eval "[ $((client_x + client_w)) -lt $SQUARE_LEFT ] || [ $((client_y + client_h)) -lt $SQUARE_TOP ]"

huex_key alt+F5
sleep 1.5
true_color=$(target_pixel $CENTER_X $CENTER_Y)
base_caption="HUEX | X:$CENTER_X, Y:$CENTER_Y   (x11)"
shot=$E2E_DIR/screen.png
for mode in 1 2 3 4 0; do
    huexctl post-command $((ID_VISION_NORMAL + mode)) >/dev/null
    want_caption=$base_caption
    [ "$mode" -eq 0 ] || want_caption="$base_caption — ${NAMES[$mode]}"
    caption_is() { [ "$(huexctl caption)" = "$want_caption" ]; }
    check "mode $mode: the caption reads '$want_caption'" wait_until 5 caption_is
    sleep 0.5
    timeout 30 import -window root "$shot"
    ppm_of "$shot" "${client_w}x${client_h}+${client_x}+${client_y}" "$E2E_DIR/client$mode.ppm"
    verdicts=0
    while IFS=$'\t' read -r verdict what; do
        verdicts=$((verdicts + 1))
        if [ "$verdict" = PASS ]; then pass "$what"; else fail "$what"; fi
    done < <(check_view "$mode" "$E2E_DIR/client$mode.ppm" "$target_ppm")
    expect_eq "mode $mode: the block check ran" 1 "$verdicts"
    expect_eq "mode $mode: the colour swatch shows the true picked pixel" "$true_color" "$(swatch_of "$shot")"
done

e2e_log "a pipette drag with protanopia on: the view is simulated, the colour true"
huexctl post-command $((ID_VISION_NORMAL + 1)) >/dev/null
pipette_drag 20 100 $((CENTER_X + 3)) $((CENTER_Y - 2))
sleep 0.5
check "the caption names the released pixel and the mode" \
    wait_until 5 eval '[ "$(huexctl caption)" = "HUEX | X:$((CENTER_X + 3)), Y:$((CENTER_Y - 2))   (x11) — Протанопия" ]'
timeout 30 import -window root "$shot"
expect_eq "the dragged colour is the true screen pixel" "$(target_pixel $((CENTER_X + 3)) $((CENTER_Y - 2)))" \
    "$(swatch_of "$shot")"

huex_stop
expect_eq "the mode is saved" 1 "$(ini_value Vision mode)"
IFS=, read -r r g b <<<"$(target_pixel $((CENTER_X + 3)) $((CENTER_Y - 2)))"
expect_eq "the saved colour is the true one" \
    "$(awk -v r="$r" -v g="$g" -v b="$b" 'BEGIN { printf "%.6f %.6f %.6f", r / 255, g / 255, b / 255 }')" \
    "$(ini_value Color1 R) $(ini_value Color1 G) $(ini_value Color1 B)"
# Image file pixel (16, 16), the centre, at 15 + 4 * (33 * 16 + 16): red, green, blue.
expect_eq "the image file holds the true pixels" "$(target_pixel $((CENTER_X + 3)) $((CENTER_Y - 2)) | tr , ' ')" \
    "$(od -An -tu1 -j $((15 + 4 * (33 * 16 + 16))) -N3 "$HUEX_APP_DIR/huex.img" | awk '{ print $1, $2, $3 }')"
end_helpers
e2e_finish
