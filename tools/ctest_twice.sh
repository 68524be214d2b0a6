#!/usr/bin/env bash
# Runs ctest in the current build tree: ctest_twice.sh [ctest arguments]
# The suites that fail are run once more and named; the run fails when any fails the second time too.
# The end-to-end suites drive real windows under Xvfb and Wine, where a focus change or a slow start of a
# fresh prefix now and then loses one input event; a fault of the program fails both runs.
set -uo pipefail
# Wine's sound driver has libasound complain about a machine without a sound card at every start, and the
# ctest progress lines repeat each name: both would bury a failure's output.
quiet() { grep --line-buffered -v -e '^ALSA lib ' -e '^ *Start *[0-9]*: '; }
ctest --output-on-failure "$@" 2>&1 | quiet
status=${PIPESTATUS[0]}
[ "$status" -eq 0 ] && exit 0
failed=$(sed -n 's/^\([0-9]*\):\(.*\)$/\2/p' Testing/Temporary/LastTestsFailed.log 2>/dev/null | tr '\n' ' ')
echo "== Failed on the first run: ${failed:-(none recorded)}; running them once more"
ctest --rerun-failed --output-on-failure 2>&1 | quiet
status=${PIPESTATUS[0]}
if [ "$status" -eq 0 ]; then
    echo "== Passed on the second run: $failed"
else
    echo "== Failed twice"
fi
exit "$status"
