#!/usr/bin/env bash
# Runs one outside check: a node script that compares our core with a library no one here wrote.
#
#   outside-check.sh SCRIPT DUMP_EXE CACHE_DIR
#
# The script runs as `node SCRIPT DUMP_EXE SOURCE_FOLDER`, SOURCE_FOLDER being the script's own, where
# any data files it reads lie.
#
# The script names the npm packages it needs, pinned, on lines "// npm: NAME@VERSION". They are
# installed once into a folder of CACHE_DIR. Without node or the registry the check is skipped (exit 77),
# never passed.
set -euo pipefail
script=$1
exe=$2
# A folder of its own for each script: npm prunes what another install put beside it.
cache=$3/$(basename "$script" .mjs)
command -v node >/dev/null && command -v npm >/dev/null || { echo "node or npm missing: skipped"; exit 77; }
mapfile -t packages < <(sed -n 's|^// npm: *||p' "$script")
mkdir -p "$cache"
need=()
for p in "${packages[@]}"; do
  name=${p%@*}
  version=${p##*@}
  have=$(node -e "try{console.log(require('$cache/node_modules/$name/package.json').version)}catch(e){}" 2>/dev/null || true)
  [ "$have" = "$version" ] || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
  if ! (cd "$cache" && npm install --no-save --no-audit --no-fund --silent "${packages[@]}" >npm.log 2>&1); then
    echo "npm could not install ${need[*]}: skipped"; tail -5 "$cache/npm.log"; exit 77
  fi
fi
# Run from a copy beside the packages: node looks for an import beside the importing file.
cp "$script" "$cache/check.mjs"
exec node "$cache/check.mjs" "$exe" "$(cd "$(dirname "$script")" && pwd)"
