#!/usr/bin/env bash
# Starts Orvane under a fresh Xvfb, types the given xdotool key groups (one argument each, with a pause
# after each), and saves a screenshot: tools/screenshot.sh out.png [keys...]
# Example: tools/screenshot.sh preview.png F5 ctrl+p
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
out=$(realpath -m "${1:?usage: tools/screenshot.sh out.png [keys...]}")
shift
export ORVANE_WINDOWS_BUILD_DIR="$here/build/win64"
if [ -z "${ORVANE_SCREENSHOT_INNER:-}" ]; then
    # Builds if needed and makes the suite's Wine prefix, as ./orvane does.
    "$here/tools/install_deps.sh" >&2
    "$here/tools/build.sh" win64 >/dev/null
    "$here/tests/e2e/setup_prefix.sh" >/dev/null
    mkdir -p "$(dirname "$out")"
    export ORVANE_SCREENSHOT_INNER=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$out" "$@"
fi
source "$here/tests/e2e/wine_env.sh"
"$WINE" "$ORVANE_WINDOWS_BUILD_DIR/orvane.exe" &
pid=$!
shown=
for _ in $(seq 300); do xdotool search --name '^Orvane$' >/dev/null 2>&1 && { shown=1; break; }; sleep 0.1; done
if [ -z "$shown" ]; then
    echo "Orvane's window did not appear within 30 s: no screenshot" >&2
    kill $pid 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    exit 1
fi
sleep 1
for keys in "$@"; do
    xdotool key $keys
    sleep 2
done
import -window root "$out"
kill $pid 2>/dev/null || true
wineserver -k 2>/dev/null || true
