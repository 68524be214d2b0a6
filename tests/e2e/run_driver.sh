#!/usr/bin/env bash
# Runs the end-to-end driver under Wine against the exe of the Windows build tree: run_driver.sh FILTER
set -euo pipefail
: "${ORVANE_WINDOWS_BUILD_DIR:?}"
source "$(dirname "$0")/wine_env.sh"
ORVANE_EXE=$("$WINE" winepath -w "$ORVANE_WINDOWS_BUILD_DIR/orvane.exe" 2>/dev/null | tr -d "\r")
export ORVANE_EXE
cd "$ORVANE_WINDOWS_BUILD_DIR"
exec "$WINE" "$ORVANE_WINDOWS_BUILD_DIR/orvane_e2e.exe" --gtest_filter="$1" --gtest_color=no
