#!/usr/bin/env bash
# Runs the high-DPI suite on a 144-DPI screen (Wine's LogPixels), and puts 96 DPI back whatever happens.
set -euo pipefail
: "${ORVANE_WINDOWS_BUILD_DIR:?}"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/wine_env.sh"

cleanup() {
    "$WINE" reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1 || true
    wineserver -k 2>/dev/null || true
}
trap cleanup EXIT
"$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
# The screen's resolution is read when the server starts.
wineserver -k 2>/dev/null || true
export ORVANE_E2E_DPI=144
"$here/run_driver.sh" "HighDpi.*"
