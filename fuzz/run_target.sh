#!/usr/bin/env bash
# Runs one fuzz target from its seed corpus: run_target.sh <program> <seed folder> <work folder> [libFuzzer options]
# New inputs go to the work folder (emptied first), never into the seeds kept in the repository; a
# crashing input is written there too, as crash-*, leak-* or timeout-*. The exit status is the target's.
set -euo pipefail
program=$1 seeds=$2 work=$3
shift 3
[ -d "$seeds" ] || { echo "no seed corpus at $seeds" >&2; exit 2; }
rm -rf "$work"
mkdir -p "$work/corpus"
exec "$program" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/" "$@" \
    "$work/corpus" "$seeds"
