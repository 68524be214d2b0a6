#!/usr/bin/env bash
# On-demand benchmark (not part of ./test): the long run in one process under Wine. The program's own
# entry and windows run beside a driver thread (bench/soak.cpp) that refreshes the summary each round
# and shows and closes every window every fifth round, with the status bar's and the CPU window's
# timers ticking; it prints the process's handles, GDI and USER objects and private bytes at the start,
# after the first round, every N rounds and at the end, and fails when a figure grew by 1 % or more
# since the first round.
#   bench/soak.sh [rounds (default 1000)] [every (default 100)]    e.g. bench/soak.sh 50 10 for a short run
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
rounds=${1:-1000}
every=${2:-100}
if [ -z "${ORVANE_BENCH_READY:-}" ]; then
    "$here/tools/install_deps.sh" >&2
    "$here/tools/build.sh" win64 >/dev/null
    cmake --build "$here/build/win64" --target orvane_soak >/dev/null
    export ORVANE_WINDOWS_BUILD_DIR="$here/build/win64"
    "$here/tests/e2e/setup_prefix.sh" >/dev/null
    export ORVANE_BENCH_READY=1
fi
export ORVANE_WINDOWS_BUILD_DIR="$here/build/win64"
source "$here/tests/e2e/wine_env.sh"
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$rounds" "$every"
fi
cd "$ORVANE_WINDOWS_BUILD_DIR"
status=0
"$WINE" "$ORVANE_WINDOWS_BUILD_DIR/orvane_soak.exe" "$rounds" "$every" 2>/dev/null | tr -d '\r' || status=$?
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
exit "$status"
