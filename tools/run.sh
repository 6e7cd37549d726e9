#!/usr/bin/env bash
# `make run`: starts BUILDDIR/win/huex.exe under Wine.
#
#   run.sh BUILDDIR
#
# With a usable $DISPLAY the program runs there in the foreground until it is closed (its own
# Wine prefix, BUILDDIR/wine-desktop, lets the desktop's window manager manage its windows).
# Without one, it runs on a virtual display (tools/wine-env.sh, in BUILDDIR/wine-run): the
# script waits for the window, saves a screenshot of it to BUILDDIR/huex-screenshot.png, ends
# the program with its Exit command and stops the virtual display. Both prefixes are kept apart
# from the tests' one, so `make run` and `make test` never meet in one Wine session.
set -euo pipefail

[ $# -eq 1 ] || {
    echo "usage: run.sh BUILDDIR" >&2
    exit 2
}
tools=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
exe=$build/win/huex.exe
ctl=$build/win/huexctl.exe
for needed in "$exe" "$ctl"; do
    [ -f "$needed" ] || {
        echo "run: $needed has not been built (make build)" >&2
        exit 1
    }
done

if [ -n "${DISPLAY:-}" ] && timeout 5 xdpyinfo >/dev/null 2>&1; then
    "$tools/wine-env.sh" prefix "$build/wine-desktop"
    export WINEPREFIX=$build/wine-desktop/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    echo "run: starting $exe on $DISPLAY"
    exec wine "$exe" </dev/null
fi

envdir=$build/wine-run
shot=$build/huex-screenshot.png
log=$envdir/huex.log
"$tools/wine-env.sh" start "$envdir"
trap '"$tools/wine-env.sh" stop "$envdir"' EXIT
# shellcheck disable=SC1091
source "$envdir/env"

ctl() { timeout -k 5 60 wine "$ctl" "$@" </dev/null 2>>"$log" | tr -d '\r'; }

echo "run: no display; starting huex.exe on the virtual display $DISPLAY"
wine "$exe" </dev/null >"$log" 2>&1 &
pid=$!
if ! ctl wait-find 30000 >/dev/null; then
    echo "run: no window appeared within 30 s (see $log)" >&2
    exit 1
fi
sleep 1 # let it finish painting
read -r left top width height <<<"$(ctl window-rect)"
import -window root -crop "${width}x${height}+${left}+${top}" +repage "$shot"
echo "run: window \"$(ctl caption)\", ${width}x${height} at $left,$top; screenshot in $shot"

ctl post-command 491 >/dev/null # Exit, as from the tray menu
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "run: huex.exe did not exit within 10 s of its Exit command" >&2
    kill -9 "$pid" 2>/dev/null || true
    exit 1
fi
status=0
wait "$pid" || status=$?
echo "run: huex.exe exited with code $status"
