#!/usr/bin/env bash
# Runs a Windows program in the Wine environment that tools/wine-env.sh started in DIR and exits
# with the program's exit code (124 when it ran out of time).
#
#   wine-run.sh DIR EXE [ARGS...]
#
# HUEX_WINE_RUN_TIMEOUT (seconds, default 540) bounds the run. The program's output is collected
# in a file and printed when it ends: a helper the program leaves behind can then never hold the
# caller's output pipe open.
set -euo pipefail

if [ $# -lt 2 ]; then
    echo "usage: wine-run.sh DIR EXE [ARGS...]" >&2
    exit 2
fi
dir=$1
exe=$2
shift 2
limit=${HUEX_WINE_RUN_TIMEOUT:-540}

if ! "$(dirname "$0")/wine-env.sh" status "$dir"; then
    echo "wine-run: no live Wine environment in $dir (tools/wine-env.sh start $dir)" >&2
    exit 1
fi
# shellcheck disable=SC1091
source "$dir/env"
[ -f "$exe" ] || {
    echo "wine-run: $exe not found" >&2
    exit 1
}

output=$(mktemp "${TMPDIR:-/tmp}/wine-run.XXXXXX")
trap 'rm -f "$output"' EXIT
status=0
timeout -k 10 "$limit" wine "$exe" "$@" </dev/null >"$output" 2>&1 || status=$?
cat "$output"
if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
    echo "wine-run: $(basename "$exe") did not finish within $limit s" >&2
    status=124
fi
exit "$status"
