#!/usr/bin/env bash
# On-demand benchmark: the batch report's wall time under Wine beside the floor program's, the least
# program that does the report's required work (bench/startup_floor.cpp: one maximised window with 58
# row edits and a status bar, the three WMI queries through IWbemLocator on its one thread, the 500 ms
# sleep, the values written to a file), and beside the same work done through Orvane's own WMI probes
# and Win32 layer (bench/startup_floor_probes.cpp). The three run in turn in one session, N runs each;
# the script prints their medians, both ratios to the floor, and the load average.
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
    cmake --build "$here/build/win64" --target startup_floor startup_floor_probes >/dev/null
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
probes=("$WINE" "$ORVANE_WINDOWS_BUILD_DIR/startup_floor_probes.exe")

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
fastest() { printf '%s\n' "$@" | sort -n | head -n 1; }

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
# The first runs start Wine's own services and fill the file cache; they are not counted.
time_one warm-orvane.txt "${orvane[@]}" >/dev/null
time_one warm-floor.txt "${floor[@]}" >/dev/null
time_one warm-probes.txt "${probes[@]}" >/dev/null
orvane_times=()
floor_times=()
probes_times=()
for i in $(seq "$runs"); do
    orvane_times+=("$(time_one "orvane$i.txt" "${orvane[@]}")")
    floor_times+=("$(time_one "floor$i.txt" "${floor[@]}")")
    probes_times+=("$(time_one "probes$i.txt" "${probes[@]}")")
done
o=$(median "${orvane_times[@]}")
f=$(median "${floor_times[@]}")
p=$(median "${probes_times[@]}")
echo "batch report:          median $o ms over $runs runs (${orvane_times[*]})"
echo "floor:                 median $f ms over $runs runs (${floor_times[*]})"
echo "floor through probes:  median $p ms over $runs runs (${probes_times[*]})"
awk -v o="$o" -v p="$p" -v f="$f" 'BEGIN {
    printf "ratio: batch report / floor %.2f (target 1.15 or below), floor through probes / floor %.2f\n", o / f, p / f }'
# Other programs on a shared machine stretch every time; the fastest runs show the costs with the least
# of that, and the load says how busy the machine was.
awk -v o="$(fastest "${orvane_times[@]}")" -v p="$(fastest "${probes_times[@]}")" -v f="$(fastest "${floor_times[@]}")" \
    'BEGIN {printf "fastest runs: %d, %d and %d ms; ratios %.2f and %.2f\n", o, f, p, o / f, p / f}'
echo "load average: $load_before at the start, $(cut -d' ' -f1-3 /proc/loadavg) at the end"

if [ -n "$want_trace" ]; then
    ORVANE_STARTUP_TRACE="$win_out\\trace.txt" time_one trace-orvane.txt "${orvane[@]}" >/dev/null
    echo "start-up phases of one batch run (ms from the program's entry):"
    tr -d '\r' <"$out/trace.txt"
fi
