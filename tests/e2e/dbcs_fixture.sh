#!/usr/bin/env bash
# Runs the driver with Wine in a Japanese locale, so that the ANSI code page is 932 (double-byte):
#   dbcs_fixture.sh FILTER
# The locale is compiled into a folder of its own (LOCPATH) and removed afterwards; nothing of the
# machine's locale settings changes. Wine takes its code page from the Unix locale of each process it
# starts, and hands the environment on to the programs the driver starts.
set -euo pipefail
: "${ORVANE_WINDOWS_BUILD_DIR:?}"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/wine_env.sh"

work=$(mktemp -d)
cleanup() {
    set +e
    # A server started in this locale leaves with the suite.
    wineserver -k 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

if ! localedef -i ja_JP -f UTF-8 "$work/ja_JP.UTF-8" >/dev/null 2>&1 && [ ! -d "$work/ja_JP.UTF-8" ]; then
    echo "cannot compile the ja_JP.UTF-8 locale (the locales package holds its sources)" >&2
    exit 1
fi
wineserver -k 2>/dev/null || true
export LOCPATH="$work" LC_ALL=ja_JP.UTF-8
"$here/run_driver.sh" "$1"
