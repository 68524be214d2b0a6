#!/usr/bin/env bash
# On-demand benchmark (not part of ./test): the batch report's wall time under Wine beside the floor
# program's (one maximised window with 58 row edits and a status bar, the three WMI queries, the
# 500 ms sleep), run alternately in one session, median of N runs each, and their ratio.
#   bench/startup_cost.sh [runs]   (default 9)
# With ORVANE_STARTUP_TRACE=1 one more batch run writes its start-up phases (QueryPerformanceCounter,
# milliseconds from the program's entry) to a file and the script prints them.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
runs=${1:-9}
# The timed runs write no trace; only the extra run at the end is given a file.
want_trace=${ORVANE_STARTUP_TRACE:-}
unset ORVANE_STARTUP_TRACE
if [ -z "${ORVANE_BENCH_READY:-}" ]; then
    "$here/tools/install_deps.sh" >&2
    "$here/tools/build.sh" win64 >/dev/null
    cmake --build "$here/build/win64" --target startup_floor >/dev/null
    export ORVANE_WINDOWS_BUILD_DIR="$here/build/win64"
    "$here/tests/e2e/setup_prefix.sh" >/dev/null
    export ORVANE_BENCH_READY=1
fi
export ORVANE_WINDOWS_BUILD_DIR="$here/build/win64"
source "$here/tests/e2e/wine_env.sh"
if [ -z "${DISPLAY:-}" ]; then
    ORVANE_STARTUP_TRACE=$want_trace exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$runs"
fi

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
win_out=$("$WINE" winepath -w "$out" 2>/dev/null | tr -d '\r')
orvane=("$WINE" "$ORVANE_WINDOWS_BUILD_DIR/orvane.exe" /AUTO)
floor=("$WINE" "$ORVANE_WINDOWS_BUILD_DIR/startup_floor.exe")

# Milliseconds one command takes, its output file checked afterwards.
time_one() {
    local file=$1
    shift
    local start end
    start=$(date +%s%N)
    "$@" "$win_out\\$file" >/dev/null 2>&1
    end=$(date +%s%N)
    [ -s "$out/$file" ] || { echo "no output from: $*" >&2; exit 1; }
    echo $(( (end - start) / 1000000 ))
}

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# The first runs start Wine's own services and fill the file cache; they are not counted.
time_one warm-orvane.txt "${orvane[@]}" >/dev/null
time_one warm-floor.txt "${floor[@]}" >/dev/null
orvane_times=()
floor_times=()
for i in $(seq "$runs"); do
    orvane_times+=("$(time_one "orvane$i.txt" "${orvane[@]}")")
    floor_times+=("$(time_one "floor$i.txt" "${floor[@]}")")
done
o=$(median "${orvane_times[@]}")
f=$(median "${floor_times[@]}")
echo "batch report: median $o ms over $runs runs (${orvane_times[*]})"
echo "floor:        median $f ms over $runs runs (${floor_times[*]})"
awk -v o="$o" -v f="$f" 'BEGIN {printf "ratio: %.2f (target 1.15 or below)\n", o / f}'
# Other programs on a shared machine stretch both times; the fastest runs show the costs with the least
# of that, and the load says how busy the machine was.
omin=$(printf '%s\n' "${orvane_times[@]}" | sort -n | head -1)
fmin=$(printf '%s\n' "${floor_times[@]}" | sort -n | head -1)
awk -v o="$omin" -v f="$fmin" 'BEGIN {printf "fastest runs: %d ms and %d ms, ratio %.2f\n", o, f, o / f}'
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"

if [ -n "$want_trace" ]; then
    ORVANE_STARTUP_TRACE="$win_out\\trace.txt" time_one trace-orvane.txt "${orvane[@]}" >/dev/null
    echo "start-up phases of one batch run (ms from the program's entry):"
    tr -d '\r' <"$out/trace.txt"
fi
