# shellcheck shell=bash
# Shared helpers of the end-to-end tests: the real huex.exe under Wine on the virtual display,
# driven and observed from outside (huexctl.exe, xdotool, ImageMagick).
#
# A test script sources this file and then uses the functions below. CTest passes HUEX_EXE,
# HUEX_WINE_ENV_DIR (started by tools/wine-env.sh), HUEX_SOURCE_DIR and HUEX_WIN_BIN.
#
# Each test gets a fresh folder with its own copy of huex.exe ($HUEX_APP), so the settings and
# image files written beside the program never leak from one test into another. Write a
# huex.ini into $HUEX_APP_DIR before huex_start to start from known settings.
#
# Checks do not stop the script: each prints PASS or FAIL; e2e_finish prints the totals and
# sets the exit code. Every wait is bounded. On exit, every copy this script started is ended.
set -euo pipefail

: "${HUEX_EXE:?HUEX_EXE is not set (run through ctest)}"
: "${HUEX_WINE_ENV_DIR:?HUEX_WINE_ENV_DIR is not set (run through ctest)}"
: "${HUEX_WIN_BIN:=$(dirname "$HUEX_EXE")}"
: "${HUEX_SOURCE_DIR:=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"

if ! "$HUEX_SOURCE_DIR/tools/wine-env.sh" status "$HUEX_WINE_ENV_DIR"; then
    echo "e2e: the Wine environment in $HUEX_WINE_ENV_DIR is not running" >&2
    exit 1
fi
# shellcheck disable=SC1091
source "$HUEX_WINE_ENV_DIR/env"
HUEXCTL_EXE=$HUEX_WIN_BIN/huexctl.exe
for needed in "$HUEX_EXE" "$HUEXCTL_EXE"; do
    [ -f "$needed" ] || {
        echo "e2e: $needed has not been built" >&2
        exit 1
    }
done

E2E_NAME=$(basename "$0" .sh)
E2E_NAME=${E2E_NAME%_test}
E2E_DIR=$HUEX_WINE_ENV_DIR/e2e/$E2E_NAME
rm -rf "$E2E_DIR"
mkdir -p "$E2E_DIR/app"
HUEX_APP_DIR=$E2E_DIR/app
HUEX_APP=$HUEX_APP_DIR/huex.exe
cp "$HUEX_EXE" "$HUEX_APP"
E2E_LOG=$E2E_DIR/wine.log

E2E_PASSED=0
E2E_FAILED=0
HUEX_PID=""   # the copy started last
HUEX_PIDS=()  # every copy of the program started in the background
HELPER_PIDS=() # helper processes (fake windows), ended on exit

e2e_log() { echo "[$E2E_NAME] $*"; }

# --- waiting and checking -------------------------------------------------------------------

source "$HUEX_SOURCE_DIR/tools/wait.sh"

pass() {
    E2E_PASSED=$((E2E_PASSED + 1))
    echo "PASS: $1"
}

fail() {
    E2E_FAILED=$((E2E_FAILED + 1))
    echo "FAIL: $1" >&2
}

# not COMMAND...: succeeds when the command fails (for check).
not() { ! "$@"; }

# check DESCRIPTION COMMAND...: passes when the command succeeds.
check() {
    local description=$1
    shift
    if "$@"; then pass "$description"; else fail "$description"; fi
}

# expect_eq DESCRIPTION EXPECTED ACTUAL
expect_eq() {
    if [ "$2" = "$3" ]; then pass "$1"; else fail "$1: expected '$2', got '$3'"; fi
}

# Prints the totals and leaves with 0 only when no check failed (and at least one ran).
e2e_finish() {
    echo "[$E2E_NAME] checks: $E2E_PASSED passed, $E2E_FAILED failed"
    if [ "$E2E_FAILED" -ne 0 ] || [ "$E2E_PASSED" -eq 0 ]; then
        echo "--- Wine output ($E2E_LOG) ---" >&2
        tail -n 40 "$E2E_LOG" >&2 2>/dev/null || true
        exit 1
    fi
    exit 0
}

# --- huexctl ----------------------------------------------------------------------------------

# huexctl COMMAND [ARGS]: runs tools/huexctl (see its usage); prints its answer without the
# console's carriage returns and returns its exit code (0 yes, 1 no, 3 no running copy).
huexctl() {
    local status=0 out
    out=$(timeout -k 5 60 wine "$HUEXCTL_EXE" "$@" </dev/null 2>>"$E2E_LOG") || status=$?
    printf '%s' "${out//$'\r'/}${out:+$'\n'}"
    return "$status"
}

huex_count() { huexctl count; }
huex_is_visible() { huexctl is-visible >/dev/null; }
huex_is_hidden() { # a window that exists and is not visible
    local status=0
    huexctl is-visible >/dev/null 2>&1 || status=$?
    [ "$status" -eq 1 ]
}
huex_is_opaque() { [ "$(huexctl opacity)" = 255 ]; }
huex_is_foreground() { huexctl is-foreground >/dev/null; }
huex_is_running() { [ -n "$HUEX_PID" ] && kill -0 "$HUEX_PID" 2>/dev/null; }

# --- starting and ending the program ------------------------------------------------------------

# huex_start: starts $HUEX_APP in the background; $HUEX_PID is the program's own process.
huex_start() {
    wine "$HUEX_APP" </dev/null >>"$E2E_LOG" 2>&1 &
    HUEX_PID=$!
    disown "$HUEX_PID" # ended by id below; no job reports from bash
    HUEX_PIDS+=("$HUEX_PID")
}

# huex_start_and_wait [SECONDS]: starts the program and waits until its window is on the
# screen (default 30 s).
huex_start_and_wait() {
    huex_start
    huex_wait_window "${1:-30}" && wait_until 10 huex_on_screen
}

# huex_wait_window [SECONDS]: waits for a top-level window with the marker child.
huex_wait_window() {
    huexctl wait-find $((${1:-30} * 1000)) >/dev/null
}

# huex_run [SECONDS]: runs one more copy in the foreground until it ends (default limit 30 s);
# returns its exit code, 124 when it did not end in time.
huex_run() {
    local status=0
    timeout -k 5 "${1:-30}" wine "$HUEX_APP" </dev/null >>"$E2E_LOG" 2>&1 || status=$?
    return "$status"
}

# huex_wait_exit PID [SECONDS]: waits for a process of ours to end.
huex_wait_exit() {
    wait_until "${2:-10}" eval "! kill -0 $1 2>/dev/null"
}

# huex_stop: ends the running copy the way a user does (Exit, command 491) and waits for the
# process to end; anything of ours still running after that is killed.
huex_stop() {
    if huexctl find >/dev/null 2>&1; then
        huexctl post-command 491 >/dev/null || true
        huexctl wait-gone 10000 >/dev/null || true
    fi
    local pid
    for pid in "${HUEX_PIDS[@]}"; do
        huex_wait_exit "$pid" 10 || kill -9 "$pid" 2>/dev/null || true
    done
    HUEX_PIDS=()
}

# running_copies: how many of the copies started by huex_start still run.
running_copies() {
    local pid alive=0
    for pid in "${HUEX_PIDS[@]}"; do kill -0 "$pid" 2>/dev/null && alive=$((alive + 1)); done
    echo "$alive"
}

# Copies of the program that some earlier run left in this Wine environment: found by their
# environment and process name, so nothing outside the environment is touched.
huex_end_strays() {
    local file pid
    for file in $(grep -lsxzF "WINEPREFIX=$WINEPREFIX" /proc/[0-9]*/environ); do
        pid=${file#/proc/}
        pid=${pid%/environ}
        [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = huex.exe ] || continue
        kill -9 "$pid" 2>/dev/null || true
    done
    # A copy killed just before (here, or by the last test's clean-up) keeps its window and its
    # single-instance mutex until the wineserver has seen it end; a start before that would take
    # it for a running copy and leave at once.
    wait_until 10 eval '! huexctl find >/dev/null 2>&1' || true
}

# --- the settings file ------------------------------------------------------------------------

# ini_value SECTION KEY: a key of the settings file ($HUEX_INI, by default the one beside the
# program), as the profile functions read it (the file is UTF-16 once the program has created it).
ini_value() {
    local text file=${HUEX_INI:-$HUEX_APP_DIR/huex.ini}
    if [ "$(head -c 2 "$file" | od -An -tx1 | tr -d ' ')" = fffe ]; then
        text=$(iconv -f UTF-16LE -t UTF-8 "$file" | sed '1s/^\xef\xbb\xbf//')
    else
        text=$(cat "$file")
    fi
    printf '%s\n' "${text//$'\r'/}" | awk -v s="$1" -v k="$2" '
        /^\[/ { inside = (tolower($0) == "[" tolower(s) "]"); next }
        inside { i = index($0, "="); if (i && tolower(substr($0, 1, i - 1)) == tolower(k)) { print substr($0, i + 1); exit } }'
}

# --- looking at the window ---------------------------------------------------------------------

# huex_xid: the X window of the copy started last, once it is mapped (Wine puts the process id
# on its X windows); empty while there is none.
huex_xid() {
    { xdotool search --all --onlyvisible --pid "$HUEX_PID" --name '^HUEX' 2>/dev/null || true; } | head -n 1
}
huex_on_screen() { [ -n "$(huex_xid)" ]; }

# huex_window_rect / huex_client_rect: "left top width height" in screen pixels.
huex_window_rect() { huexctl window-rect; }
huex_client_rect() { huexctl client-rect; }

# huex_screenshot FILE: the picker window as it is on the screen, frame included.
huex_screenshot() {
    local left top width height
    read -r left top width height <<<"$(huex_window_rect)" || return 1
    import -window root -crop "${width}x${height}+${left}+${top}" +repage "$1"
}

# huex_focus: gives the picker window the X keyboard focus (there is no window manager).
huex_focus() {
    local xid
    xid=$(huex_xid)
    [ -n "$xid" ] && xdotool windowfocus --sync "$xid"
}

# huex_key KEY...: keys as xdotool names them (ctrl+c, alt+F4, Down), to the picker window.
huex_key() {
    huex_focus
    xdotool key --clearmodifiers "$@"
}

# huex_click X Y [BUTTON]: clicks at client coordinates of the picker window.
huex_click() {
    local left top width height
    read -r left top width height <<<"$(huex_client_rect)" || return 1
    xdotool mousemove --sync $((left + $1)) $((top + $2)) click "${3:-1}"
}

# pipette_drag X Y SCREEN_X SCREEN_Y: presses at client (X, Y) of the picker window (on the
# pipette bar), drags in steps to the screen point and releases the button there.
pipette_drag() {
    local left top step
    read -r left top _ _ <<<"$(huex_client_rect)" || return 1
    xdotool mousemove --sync $((left + $1)) $((top + $2))
    sleep 0.3
    xdotool mousedown 1
    sleep 0.3
    for step in 1 2 3; do
        xdotool mousemove $((left + $1 + ($3 - left - $1) * step / 4)) $((top + $2 + ($4 - top - $2) * step / 4))
        sleep 0.15
    done
    xdotool mousemove --sync "$3" "$4"
    sleep 0.2
    xdotool mouseup 1
    sleep 0.3
}

# visible_windows_named REGEX: how many mapped top-level X windows have a matching name.
visible_windows_named() {
    xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l
}

# --- helpers in other processes -------------------------------------------------------------

# fake_window SECONDS: shows a top-level window captioned "HUEX" without the marker child;
# returns once it is on the screen (its process id in $FAKE_PID).
fake_window() {
    wine "$HUEXCTL_EXE" fake-window "$1" </dev/null >>"$E2E_LOG" 2>&1 &
    FAKE_PID=$!
    disown "$FAKE_PID"
    HELPER_PIDS+=("$FAKE_PID")
    wait_until 20 eval '[ -n "$(xdotool search --all --onlyvisible --pid $FAKE_PID --name "^HUEX\$" 2>/dev/null)" ]'
}

# write_ppm FILE SIDE PIXEL: a SIDE x SIDE plain PPM image whose pixel (x, y) is what the function
# PIXEL, called as "PIXEL x y", leaves in REPLY as "r g b" (no subshell per pixel).
write_ppm() {
    local file=$1 side=$2 pixel=$3 x y line
    {
        printf 'P3\n%d %d\n255\n' "$side" "$side"
        for ((y = 0; y < side; y++)); do
            line=""
            for ((x = 0; x < side; x++)); do
                "$pixel" $x $y
                line+="$REPLY "
            done
            echo "$line"
        done
    } >"$file"
}

# show_image FILE LEFT TOP: shows an image with ImageMagick's display, borderless, its top-left
# pixel at screen (LEFT, TOP); returns once it is on the screen (its X window in $IMAGE_XID).
show_image() {
    display -borderwidth 0 -geometry +"$2"+"$3" "$1" </dev/null >>"$E2E_LOG" 2>&1 &
    local pid=$!
    disown "$pid"
    HELPER_PIDS+=("$pid")
    IMAGE_NAME="ImageMagick: $(basename "$1")"
    wait_until 20 image_window_found
}
image_window_found() {
    IMAGE_XID=$(xdotool search --onlyvisible --name "$IMAGE_NAME" 2>/dev/null | head -n 1)
    [ -n "$IMAGE_XID" ]
}

# end_helpers: ends the helper processes (fake windows, images).
end_helpers() {
    local pid
    for pid in "${HELPER_PIDS[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    HELPER_PIDS=()
}

e2e_cleanup() {
    huex_stop >/dev/null 2>&1 || true
    end_helpers
}
trap e2e_cleanup EXIT
trap 'echo "[$E2E_NAME] stopped: command failed at line $LINENO: $BASH_COMMAND" >&2' ERR

huex_end_strays
