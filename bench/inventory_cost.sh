#!/usr/bin/env bash
# On-demand benchmark (not part of ./test): the inventory (/JSON, every section) beside the 29-row batch
# report (/AUTO) under Wine, run alternately in one session, median of N runs each, the difference, the
# HTML page's time and the documents' sizes.  Usage: bench/inventory_cost.sh [runs]   (default 9)
# The target: /JSON costs at most 150 ms more than /AUTO on the machine it runs on.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
runs=${1:-9}
if [ -z "${ORVANE_BENCH_READY:-}" ]; then
    "$here/tools/install_deps.sh" >&2
    "$here/tools/build.sh" win64 >/dev/null
    export ORVANE_WINDOWS_BUILD_DIR="$here/build/win64"
    "$here/tests/e2e/setup_prefix.sh" >/dev/null
    export ORVANE_BENCH_READY=1
fi
export ORVANE_WINDOWS_BUILD_DIR="$here/build/win64"
source "$here/tests/e2e/wine_env.sh"
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$runs"
fi

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
win_out=$("$WINE" winepath -w "$out" 2>/dev/null | tr -d '\r')
exe="$ORVANE_WINDOWS_BUILD_DIR/orvane.exe"

# Milliseconds one run takes; the run must have written its file.
time_one() {
    local file=$1
    shift
    local start end
    rm -f "$out/$file"
    start=$(date +%s%N)
    "$WINE" "$exe" "$@" "$win_out\\$file" >/dev/null 2>&1
    end=$(date +%s%N)
    [ -s "$out/$file" ] || { echo "the run wrote no $file" >&2; exit 1; }
    echo $(( (end - start) / 1000000 ))
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# One warm-up of each (the WMI service's first start, the prefix's caches).
time_one warm.txt /AUTO >/dev/null
time_one warm.json /JSON >/dev/null
auto=() json=() html=()
for i in $(seq "$runs"); do
    auto+=("$(time_one "r$i.txt" /AUTO)")
    json+=("$(time_one "r$i.json" /JSON)")
    html+=("$(time_one "r$i.htm" /HTML)")
done
a=$(printf '%s\n' "${auto[@]}" | median)
j=$(printf '%s\n' "${json[@]}" | median)
h=$(printf '%s\n' "${html[@]}" | median)
printf '/AUTO (29 rows):      median %d ms over %d runs\n' "$a" "$runs"
printf '/JSON (every section): median %d ms over %d runs, %+d ms against /AUTO (target: at most +150 ms)\n' \
    "$j" "$runs" "$((j - a))"
printf '/HTML (every section): median %d ms over %d runs, %+d ms against /AUTO\n' "$h" "$runs" "$((h - a))"
printf 'document sizes: %d bytes JSON, %d bytes HTML, %d bytes text report\n' \
    "$(stat -c %s "$out/r1.json")" "$(stat -c %s "$out/r1.htm")" "$(stat -c %s "$out/r1.txt")"
