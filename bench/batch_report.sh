#!/usr/bin/env bash
# On-demand benchmark (not part of ./test): the batch report's wall time under Wine, median of N runs,
# and the size of both exes.  Usage: bench/batch_report.sh [runs]   (default 7)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
runs=${1:-7}
"$here/tools/install_deps.sh" >&2
"$here/tools/build.sh" win64 >/dev/null
"$here/tools/build.sh" win32 -DORVANE_BUILD_E2E=OFF >/dev/null
export ORVANE_WINDOWS_BUILD_DIR="$here/build/win64"
"$here/tests/e2e/setup_prefix.sh" >/dev/null
source "$here/tests/e2e/wine_env.sh"

measure() {
    local out times=()
    out=$(mktemp -d)
    "$WINE" "$ORVANE_WINDOWS_BUILD_DIR/orvane.exe" /AUTO "$("$WINE" winepath -w "$out/warm.txt" | tr -d '\r')"
    for i in $(seq "$runs"); do
        local start end
        start=$(date +%s%N)
        "$WINE" "$ORVANE_WINDOWS_BUILD_DIR/orvane.exe" /AUTO "$("$WINE" winepath -w "$out/r$i.txt" | tr -d '\r')"
        end=$(date +%s%N)
        times+=($(( (end - start) / 1000000 )))
    done
    # Peak resident memory of one run: the program together with Wine's own share of its process.
    if [ -x /usr/bin/time ]; then
        /usr/bin/time -f 'peak resident memory: %M KB (the exe with Wine in its process)' \
            "$WINE" "$ORVANE_WINDOWS_BUILD_DIR/orvane.exe" /AUTO "$("$WINE" winepath -w "$out/peak.txt" | tr -d '\r')"
    fi
    printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "batch report: median %d ms over %d runs (min %d, max %d)\n", a[int((NR+1)/2)], NR, a[1], a[NR]}'
    rm -rf "$out"
}

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$runs"
fi
measure
printf 'orvane.exe size: %d bytes (32-bit), %d bytes (64-bit test build)\n' \
    "$(stat -c %s "$here/build/win32/orvane.exe")" "$(stat -c %s "$here/build/win64/orvane.exe")"
