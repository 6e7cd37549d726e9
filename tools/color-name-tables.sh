#!/usr/bin/env bash
# Regenerates src/color/ColorNameTables.cpp from the pinned npm package color-name-lists. Needed
# only to change the lists: the generated file is committed, and the build never runs npm.
#
#   tools/color-name-tables.sh [CACHE_DIR]     (default: build/color-name-lists)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
package=color-name-lists@3.33.2
cache=${1:-$root/build/color-name-lists}
mkdir -p "$cache"
(cd "$cache" && npm install --no-save --no-audit --no-fund --silent "$package")
node "$root/tools/color-name-tables.mjs" "$cache/node_modules/color-name-lists" >"$root/src/color/ColorNameTables.cpp.new"
mv "$root/src/color/ColorNameTables.cpp.new" "$root/src/color/ColorNameTables.cpp"
echo "wrote src/color/ColorNameTables.cpp"
