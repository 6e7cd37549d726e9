#!/usr/bin/env bash
# The Wine environment the Windows-side and end-to-end tests run in, and `make run` without a
# display: a virtual X display, a Wine prefix inside the build tree and a wineserver that lives
# for the whole run.
#
#   wine-env.sh start DIR    start the environment, or reuse the one in DIR while it is alive;
#                            writes DIR/env for `source` (DISPLAY, WINEPREFIX, WINEDEBUG,
#                            WINEDLLOVERRIDES and the process ids)
#   wine-env.sh stop DIR     end the environment in DIR and everything still running in it
#   wine-env.sh status DIR   exit 0 when the environment in DIR is alive
#   wine-env.sh prefix DIR   only create DIR/prefix, for running on a real desktop
#
# How it behaves:
# - Xvfb picks a free display itself (-displayfd), so parallel builds never collide.
# - The prefix is created once (wineboot -i, 10-30 s) and reused; a prefix whose creation did not
#   finish is thrown away and made again. Mono and Gecko are never fetched (no internet): the
#   DLL overrides switch mscoree and mshtml off; winemenubuilder is off so that no menu entries
#   land in the user's home.
# - The wineserver is persistent (-p): clipboard data outlives the program that wrote it only
#   while the server lives. A hidden keeper process (cmd.exe waiting on a pipe) keeps the desktop
#   process (explorer: desktop window, tray, X clipboard) alive between tests. Both are started
#   here with their output in log files, so no test inherits them and no test runner waits on
#   their pipes.
# - No window manager runs on the virtual display. The prefix sets Wine's X11 driver to unmanaged
#   windows (Managed=N): Wine then draws every frame itself, as Windows does, places windows
#   exactly where the program puts them, and moves the X keyboard focus to the window Windows
#   activates (SetForegroundWindow works, xdotool keys reach the foreground window). Limitation:
#   X stacking follows activation, not WS_EX_TOPMOST, across processes: a window of another
#   process opened later lies above a topmost window until that one is activated again.
# - Program crashes print a backtrace instead of opening Wine's crash dialog.
# - Every wait has a timeout; nothing reads standard input.
set -euo pipefail

readonly SCREEN=${HUEX_SCREEN:-1280x1024x24}
readonly BOOT_TIMEOUT=${HUEX_WINEBOOT_TIMEOUT:-240}
readonly WINE_DLL_OVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

die() {
    echo "wine-env: $*" >&2
    # A CI log is all there is of a failed start on another machine: show Wine's own words.
    if [ -n "${LOG_DIR:-}" ] && [ -s "$LOG_DIR/wine.log" ]; then
        echo "wine-env: the end of $LOG_DIR/wine.log:" >&2
        tail -n 25 "$LOG_DIR/wine.log" >&2
    fi
    exit 1
}

usage() {
    echo "usage: wine-env.sh start|stop|status|prefix DIR" >&2
    exit 2
}

source "$(dirname "${BASH_SOURCE[0]}")/wait.sh"

alive() { [ -n "${1:-}" ] && kill -0 "$1" 2>/dev/null; }

close_inherited_fds() {
    local fd
    for fd in /proc/$BASHPID/fd/*; do
        fd=${fd##*/}
        [ "$fd" -gt 2 ] 2>/dev/null && eval "exec $fd>&-" 2>/dev/null
    done
    return 0
}

# Runs a command detached from this script: own session, no inherited descriptors besides the
# log, so that test runners waiting for their output pipes to close are not held up and the lock
# of this folder is not kept. Usage: detach LOG COMMAND...   (the command's pid is in $!)
detach() {
    local log=$1
    shift
    (
        close_inherited_fds
        exec setsid "$@" </dev/null >>"$log" 2>&1
    ) &
}

# Runs a command to its end with the same hygiene (Wine starts its services from here, and they
# inherit our descriptors). Usage: quietly SECONDS COMMAND...
quietly() {
    local limit=$1
    shift
    (
        close_inherited_fds
        exec timeout -k 5 "$limit" "$@" </dev/null >>"$LOG_DIR/wine.log" 2>&1
    )
}

wine_quiet() { quietly "$1" wine "${@:2}"; }

setup_paths() {
    DIR=$(mkdir -p "$1" && cd "$1" && pwd)
    PREFIX=$DIR/prefix
    LOG_DIR=$DIR/logs
    mkdir -p "$LOG_DIR"
    export WINEPREFIX=$PREFIX WINEDEBUG=-all WINEDLLOVERRIDES=$WINE_DLL_OVERRIDES WINEARCH=win64
}

# Registry settings that differ from a fresh prefix. $1: "N" for unmanaged windows (virtual
# display), "Y" for a real desktop whose window manager should manage them.
# HUEX_LOGPIXELS (default 96) is the DPI the prefix gives the screen, for tests of scaled screens.
configure_prefix() {
    local managed=$1 reg=$LOG_DIR/settings.reg dpi=${HUEX_LOGPIXELS:-96}
    [ "$(cat "$PREFIX/.huex-managed" 2>/dev/null)" = "$managed $dpi" ] && return 0
    local managed_value='"Managed"="N"'
    [ "$managed" = N ] || managed_value='"Managed"=-'
    cat >"$reg" <<EOF
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
$managed_value

[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"LogPixels"=dword:$(printf '%08x' "$dpi")
EOF
    wine_quiet 60 regedit /S "$(winepath_of "$reg")" || die "could not write the prefix settings (see $LOG_DIR/wine.log)"
    echo "$managed $dpi" >"$PREFIX/.huex-managed"
}

winepath_of() { echo "Z:${1//\//\\}"; }

# Wine's own fonts (Tahoma for dialogs, Marlett for caption buttons) are not found in its data
# folder by this Wine build; copied into the prefix they are.
install_fonts() {
    local source=/usr/share/wine/fonts target=$PREFIX/drive_c/windows/Fonts
    [ -f "$target/marlett.ttf" ] && return 0
    if [ -f "$source/marlett.ttf" ]; then
        cp -n "$source"/* "$target/" 2>/dev/null || true
    else
        echo "wine-env: warning: $source is missing (package fonts-wine): caption buttons draw as letters" >&2
    fi
}

ensure_prefix() {
    local managed=$1
    if [ ! -f "$PREFIX/.huex-ready" ]; then
        echo "wine-env: creating the Wine prefix $PREFIX (once, about 10-30 s)"
        rm -rf "$PREFIX"
        local started=$SECONDS
        wine_quiet "$BOOT_TIMEOUT" wineboot -i || die "wineboot failed or timed out (see $LOG_DIR/wine.log)"
        rm -f "$PREFIX/.huex-managed"
        configure_prefix "$managed"
        quietly 60 wineserver -w || true
        touch "$PREFIX/.huex-ready"
        echo "wine-env: prefix ready in $((SECONDS - started)) s"
    else
        configure_prefix "$managed"
    fi
    install_fonts
}

# The wineserver of this prefix: the process whose working folder is the server folder the
# prefix names (Debian's Wine keeps that folder's name in $WINEPREFIX/wineserver).
wineserver_pid() {
    local name dir pid
    name=$(cat "$PREFIX/wineserver" 2>/dev/null) || return 1
    for dir in /tmp/"$name"/server-*; do
        [ -S "$dir/socket" ] || continue
        for pid in /proc/[0-9]*; do
            pid=${pid#/proc/}
            [ "$(readlink "/proc/$pid/cwd" 2>/dev/null)" = "$dir" ] || continue
            case $(readlink "/proc/$pid/exe" 2>/dev/null) in *wineserver*) echo "$pid"; return 0 ;; esac
        done
    done
    return 1
}

# This script and the processes that started it (they may have sourced DIR/env themselves).
ancestors() {
    local pid=$$
    while [ "${pid:-0}" -gt 1 ]; do
        echo "$pid"
        pid=$(awk '{print $4}' "/proc/$pid/stat" 2>/dev/null) || break
    done
}

# Processes started with this prefix (tests, programs, Wine's services): found by their
# environment, so that only our own processes are ever ended.
prefix_pids() {
    local skip file pid
    skip=" $BASHPID $(ancestors | tr '\n' ' ') "
    for file in $(grep -lsxzF "WINEPREFIX=$PREFIX" /proc/[0-9]*/environ); do
        pid=${file#/proc/}
        pid=${pid%/environ}
        # grep itself is gone by now
        [[ $skip == *" $pid "* ]] || [ ! -e "/proc/$pid" ] || echo "$pid"
    done
    return 0
}

env_alive() {
    [ -f "$DIR/env" ] || return 1
    local DISPLAY HUEX_XVFB_PID HUEX_WINESERVER_PID HUEX_KEEPER_PID
    # shellcheck disable=SC1091
    source "$DIR/env"
    alive "$HUEX_XVFB_PID" && alive "$HUEX_WINESERVER_PID" && alive "$HUEX_KEEPER_PID" &&
        timeout 5 xdpyinfo -display "$DISPLAY" >/dev/null 2>&1
}

stop_env() {
    local HUEX_XVFB_PID="" pids pid
    if [ -f "$DIR/env" ]; then
        # shellcheck disable=SC1091
        source "$DIR/env"
        export WINEPREFIX=$PREFIX
    fi
    rm -f "$DIR/env"
    if [ -d "$PREFIX" ]; then
        quietly 15 wineserver -k || true
        # Anything that did not go with the server (a hung program, a test helper).
        pids=$(prefix_pids)
        if [ -n "$pids" ]; then
            # shellcheck disable=SC2086,SC2046 # lists of process ids
            kill $pids 2>/dev/null || true
            # shellcheck disable=SC2016,SC2046
            wait_until 5 eval '[ -z "$(prefix_pids)" ]' || kill -9 $(prefix_pids) 2>/dev/null || true
        fi
    fi
    if alive "$HUEX_XVFB_PID"; then
        kill "$HUEX_XVFB_PID" 2>/dev/null || true
        wait_until 5 eval '! alive "$HUEX_XVFB_PID"' || kill -9 "$HUEX_XVFB_PID" 2>/dev/null || true
    fi
    return 0
}

start_xvfb() {
    rm -f "$DIR/display"
    (
        close_inherited_fds
        exec setsid Xvfb -displayfd 3 -screen 0 "$SCREEN" -nolisten tcp -noreset \
            3>"$DIR/display" </dev/null >"$LOG_DIR/xvfb.log" 2>&1
    ) &
    XVFB_PID=$!
    wait_until 15 eval '[ -s "$DIR/display" ] || ! alive $XVFB_PID' || true
    alive "$XVFB_PID" && [ -s "$DIR/display" ] || die "Xvfb did not start (see $LOG_DIR/xvfb.log)"
    DISPLAY=:$(tr -dc '0-9' <"$DIR/display")
    export DISPLAY
    wait_until 10 eval 'timeout 5 xdpyinfo >/dev/null 2>&1' || die "display $DISPLAY does not answer"
}

start_env() {
    if env_alive; then
        echo "wine-env: reusing the environment in $DIR"
        return 0
    fi
    stop_env
    local started=$SECONDS
    # A start that fails half-way leaves nothing running.
    trap 'stop_env' EXIT
    start_xvfb
    echo "HUEX_XVFB_PID=$XVFB_PID" >"$DIR/env"
    ensure_prefix N
    quietly 60 wineserver -w || true # a server left by the steps above would refuse -p
    quietly 30 wineserver -p || die "wineserver did not start (see $LOG_DIR/wine.log)"
    local server_pid
    # The server may answer before its socket directory is found on a busy machine.
    wait_until 10 wineserver_pid >/dev/null || die "cannot find the wineserver of $PREFIX"
    server_pid=$(wineserver_pid)
    mkfifo "$DIR/keeper.fifo" 2>/dev/null || true
    # cmd.exe reads a pipe that this same process holds open for writing: it waits for ever.
    detach "$LOG_DIR/keeper.log" sh -c 'exec wine cmd.exe <>"$0"' "$DIR/keeper.fifo"
    local keeper_pid=$!
    # Start the desktop process now, detached, rather than from within the first test.
    # Right after a new prefix, the first program can fail while the server still settles: one
    # more try before giving up.
    wine_quiet 60 rundll32.exe user32.dll,GetDesktopWindow ||
        { sleep 2 && wine_quiet 60 rundll32.exe user32.dll,GetDesktopWindow; } ||
        die "the desktop process did not start"
    alive "$keeper_pid" || die "the keeper process ended (see $LOG_DIR/keeper.log)"
    cat >"$DIR/env.new" <<EOF
export DISPLAY=$DISPLAY
export WINEPREFIX=$PREFIX
export WINEDEBUG=-all
export WINEDLLOVERRIDES="$WINE_DLL_OVERRIDES"
export WINEARCH=win64
HUEX_XVFB_PID=$XVFB_PID
HUEX_WINESERVER_PID=$server_pid
HUEX_KEEPER_PID=$keeper_pid
EOF
    mv "$DIR/env.new" "$DIR/env"
    trap - EXIT
    echo "wine-env: display $DISPLAY, prefix $PREFIX, ready in $((SECONDS - started)) s"
}

[ $# -eq 2 ] || usage
command -v wine >/dev/null || die "wine is not installed (run make deps)"
setup_paths "$2"
# One start or stop at a time per folder.
exec 9>"$DIR/lock"
flock -w 300 9 || die "timed out waiting for another wine-env.sh on $DIR"

case $1 in
start) start_env ;;
stop) stop_env ;;
status) env_alive ;;
prefix) ensure_prefix Y ;;
*) usage ;;
esac
