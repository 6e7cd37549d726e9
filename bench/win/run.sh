#!/usr/bin/env bash
# Builds and runs the picker drawing benchmark (bench/win/picker_bench.cpp) under Wine.
#
#   bench/win/run.sh [BUILD_DIR] [REPETITIONS]
#
# BUILD_DIR is a built tree of this project (default: build): a host build, whose Windows side
# lives in BUILD_DIR/win, or a Windows build tree; only the benchmark target is rebuilt. It runs in the Wine environment named by
# HUEX_WINE_ENV_DIR when that is set and alive (left running), otherwise in a private one under
# BUILD_DIR/bench-wine-env that is started for this run and stopped afterwards, so that tests
# running at the same time keep their own display.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
build=${1:-build}
repetitions=${2:-2000}
[ -d "$build" ] || {
    echo "run.sh: no build tree at $build (configure one with cmake first)" >&2
    exit 1
}
build=$(cd "$build" && pwd)

# Only the benchmark is built: the Windows tree of a host build, or the Windows build tree itself.
windows_tree=$build
[ -f "$build/win/CMakeCache.txt" ] && windows_tree=$build/win
cmake --build "$windows_tree" --target huex_picker_bench >/dev/null || {
    echo "run.sh: building huex_picker_bench in $windows_tree failed (build the tree once first)" >&2
    exit 1
}
exe=""
for candidate in "$build/win/huex_picker_bench.exe" "$build/huex_picker_bench.exe"; do
    [ -f "$candidate" ] && exe=$candidate && break
done
[ -n "$exe" ] || {
    echo "run.sh: huex_picker_bench.exe not found in $build (is the Windows build enabled?)" >&2
    exit 1
}

env_tool=$source_dir/tools/wine-env.sh
env_dir=${HUEX_WINE_ENV_DIR:-}
own_env=""
if [ -z "$env_dir" ] || ! "$env_tool" status "$env_dir"; then
    env_dir=$build/bench-wine-env
    own_env=1
    "$env_tool" start "$env_dir" >&2
    trap '"$env_tool" stop "$env_dir" >&2' EXIT
fi

echo "# $(basename "$exe") $repetitions, $(wine --version 2>/dev/null || echo wine), $(nproc) CPUs," \
    "load $(cut -d' ' -f1-3 /proc/loadavg)"
HUEX_WINE_RUN_TIMEOUT=600 "$source_dir/tools/wine-run.sh" "$env_dir" "$exe" "$repetitions"
[ -z "$own_env" ] || echo "# private Wine environment $env_dir (stopped on exit)"
