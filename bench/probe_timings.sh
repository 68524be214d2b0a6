#!/usr/bin/env bash
# On-demand benchmark (not part of ./test): each summary row's probe timed on its own under Wine, median
# and maximum of N runs, and the refresh's total outside the clock measurement's 500 ms sleep.
#   bench/probe_timings.sh [runs] [/nocom]   (default 5 runs)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/tools/install_deps.sh" >&2
"$here/tools/build.sh" win64 >/dev/null
cmake --build "$here/build/win64" --target probe_timings >/dev/null
export ORVANE_WINDOWS_BUILD_DIR="$here/build/win64"
"$here/tests/e2e/setup_prefix.sh" >/dev/null
source "$here/tests/e2e/wine_env.sh"
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
"$WINE" "$ORVANE_WINDOWS_BUILD_DIR/probe_timings.exe" "$@" 2>/dev/null | tr -d '\r'
