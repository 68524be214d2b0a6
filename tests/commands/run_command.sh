#!/usr/bin/env bash
# Runs one documented command the way a user types it, from a fresh empty folder, and checks that it
# worked: exit status 0, every named file written (relative to that folder) and not empty, every
# pattern found in what it printed. It checks that the command works, never how fast.
#   run_command.sh [--writes FILE]... [--prints REGEX]... -- command [arguments]
set -uo pipefail
writes=()
prints=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do
    case "$1" in
    --writes) writes+=("$2"); shift 2 ;;
    --prints) prints+=("$2"); shift 2 ;;
    *) echo "run_command.sh: unknown option $1" >&2; exit 2 ;;
    esac
done
[ "${1:-}" = -- ] && [ $# -ge 2 ] || { echo "usage: run_command.sh [--writes FILE] [--prints REGEX] -- command..." >&2; exit 2; }
shift

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
echo "running: $*"
"$@" >"$work/.printed" 2>&1
status=$?
cat "$work/.printed"
failed=0
if [ $status -ne 0 ]; then
    echo "FAILED: exit status $status"
    failed=1
fi
for file in "${writes[@]}"; do
    [ -s "$file" ] || { echo "FAILED: wrote no $file"; failed=1; }
done
for pattern in "${prints[@]}"; do
    grep -qE -- "$pattern" "$work/.printed" || { echo "FAILED: printed nothing matching: $pattern"; failed=1; }
done
exit $failed
