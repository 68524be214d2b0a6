#!/usr/bin/env bash
# Runs every fuzz target for a million executions (or RUNS), one at a time, from its seed corpus, and
# prints each target's executions, time, rate and result. Builds the fuzz tree first.
#   bench/fuzz.sh [target ...]        e.g. bench/fuzz.sh network wmi
#   RUNS=200000 bench/fuzz.sh         fewer executions
# A crash, leak, over-read or undefined behaviour leaves its input in build/fuzz/fuzz_runs/<target>/ and
# makes the script exit with 1 after the other targets have run.
set -uo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-1000000}
tools/build.sh fuzz >/dev/null || exit 1
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for source in fuzz/*_fuzz.cpp; do
        name=$(basename "$source" _fuzz.cpp)
        targets+=("$name")
    done
fi

# The logs lie beside each target's work folder, which run_target.sh makes afresh.
mkdir -p build/fuzz/fuzz_runs
failed=0
printf '%-20s %12s %9s %10s  %s\n' target executions seconds 'exec/s' result
for name in "${targets[@]}"; do
    work=build/fuzz/fuzz_runs/$name
    log=build/fuzz/fuzz_runs/$name.log
    start=$(date +%s.%N)
    fuzz/run_target.sh "build/fuzz/${name}_fuzz" "fuzz/corpus/$name" "$work" -runs="$runs" >"$log.tmp" 2>&1
    status=$?
    end=$(date +%s.%N)
    mv "$log.tmp" "$log"
    executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    seconds=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.1f", b - a }')
    rate=$(awk -v n="${executed:-0}" -v s="$seconds" 'BEGIN { printf "%.0f", (s > 0 ? n / s : 0) }')
    if [ $status -eq 0 ]; then
        result=clean
    else
        failed=1
        artifact=$(ls "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-* 2>/dev/null | head -1)
        result="FAILED ($(grep -m1 -oE 'ERROR: [A-Za-z]+: [a-z-]+|broken rule: .*|deadly signal' "$log")) ${artifact:-see $log}"
    fi
    printf '%-20s %12s %9s %10s  %s\n' "$name" "${executed:-?}" "$seconds" "$rate" "$result"
done
exit $failed
