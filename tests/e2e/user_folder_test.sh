#!/usr/bin/env bash
# HUEX copied where its user cannot write (a system folder, a read-only share), run as a user of
# its own: root writes anywhere, so this script makes an unprivileged user and gives it its own
# Wine prefix and virtual display (tools/wine-env.sh, run as that user); the checks themselves are
# in user_folder_steps.sh, run as that user. The prefix is kept for the next run.
set -euo pipefail
: "${HUEX_EXE:?HUEX_EXE is not set (run through ctest)}"
: "${HUEX_WINE_ENV_DIR:?HUEX_WINE_ENV_DIR is not set (run through ctest)}"
: "${HUEX_WIN_BIN:=$(dirname "$HUEX_EXE")}"
: "${HUEX_SOURCE_DIR:=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"
readonly USER_NAME=huex-e2e SKIP=77

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: making and becoming an unprivileged user needs root"
    exit "$SKIP"
fi
id -u "$USER_NAME" >/dev/null 2>&1 || useradd --create-home --shell /bin/bash "$USER_NAME"
USER_HOME=$(getent passwd "$USER_NAME" | cut -d: -f6)

# Everything the user needs, outside the source tree (which may sit in root's home): the scripts,
# the programs, the folder it cannot write, and its own environment, one per build tree.
STAGE=/tmp/huex-e2e-user-$(printf '%s' "$HUEX_WINE_ENV_DIR" | md5sum | cut -c1-12)
rm -rf "$STAGE/src" "$STAGE/bin" "$STAGE/app"
mkdir -p "$STAGE/src/tools" "$STAGE/src/tests/e2e" "$STAGE/bin" "$STAGE/app" "$STAGE/env"
chmod 755 "$STAGE"
cp "$HUEX_SOURCE_DIR/tools/wine-env.sh" "$HUEX_SOURCE_DIR/tools/wait.sh" "$STAGE/src/tools/"
cp "$HUEX_SOURCE_DIR/tests/e2e/lib.sh" "$HUEX_SOURCE_DIR/tests/e2e/user_folder_steps.sh" "$STAGE/src/tests/e2e/"
cp "$HUEX_EXE" "$HUEX_WIN_BIN/huexctl.exe" "$STAGE/bin/"
cp "$HUEX_EXE" "$STAGE/app/"
chmod -R a+rX "$STAGE/src" "$STAGE/bin" "$STAGE/app"
chown "$USER_NAME:" "$STAGE/env"

as_user() {
    runuser -u "$USER_NAME" -- env -i HOME="$USER_HOME" USER="$USER_NAME" PATH="$PATH" LANG="${LANG:-C.UTF-8}" \
        HUEX_EXE="$STAGE/bin/huex.exe" HUEX_WIN_BIN="$STAGE/bin" HUEX_WINE_ENV_DIR="$STAGE/env" \
        HUEX_SOURCE_DIR="$STAGE/src" HUEX_APP_FOLDER="$STAGE/app" "$@"
}
stop_env() { as_user timeout -k 5 60 bash "$STAGE/src/tools/wine-env.sh" stop "$STAGE/env" || true; }
trap stop_env EXIT

as_user timeout -k 5 400 bash "$STAGE/src/tools/wine-env.sh" start "$STAGE/env"
# The settings the program finds beside it, and cannot change there.
printf '[Common]\r\nFirstRun=no\r\nVersion=150\r\n[Mine]\r\nkeep=this\r\n[CustomColors]\r\ncustomColorsLength=7\r\n' \
    >"$STAGE/app/huex.ini"
printf 'Color0R=1\r\nColor0G=0\r\nColor0B=0\r\nColor4R=0\r\nColor4G=0\r\nColor4B=1\r\n' >>"$STAGE/app/huex.ini"
for cell in 0 1 2 3 4; do printf 'Color%dFocus=1\r\n' "$cell" >>"$STAGE/app/huex.ini"; done
chmod 644 "$STAGE/app/huex.ini"
as_user timeout -k 5 400 bash "$STAGE/src/tests/e2e/user_folder_steps.sh"
