#!/usr/bin/env bash
# Runs the sound tests with a sound server (PulseAudio with its null sink), so that Wine offers wave
# output; the other suites run without one and see "Not detected". While the driver runs, the server's
# playing streams are written to a file every tenth of a second, since a Windows program cannot ask the
# server itself. Stops what it started. sound_fixture.sh FILTER
set -euo pipefail
: "${ORVANE_WINDOWS_BUILD_DIR:?}"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/wine_env.sh"

started=""
watcher=""
streams="$ORVANE_WINDOWS_BUILD_DIR/sink-inputs.txt"
cleanup() {
    [ -n "$watcher" ] && kill "$watcher" 2>/dev/null
    rm -f "$streams" "$streams.new"
    [ -n "$started" ] && pulseaudio --kill 2>/dev/null
    # Wine keeps its audio driver's choice until its server starts again.
    wineserver -k 2>/dev/null || true
}
trap cleanup EXIT
if ! pulseaudio --check 2>/dev/null; then
    # It warns that it runs as root, and runs.
    pulseaudio --daemonize=yes --exit-idle-time=-1 2>/dev/null
    started=1
fi
for _ in $(seq 50); do pulseaudio --check 2>/dev/null && break; sleep 0.1; done
wineserver -k 2>/dev/null || true

: >"$streams"
(
    while true; do
        pactl list sink-inputs >"$streams.new" 2>/dev/null && mv -f "$streams.new" "$streams"
        sleep 0.1
    done
) &
watcher=$!
ORVANE_E2E_SINK_INPUTS=$("$WINE" winepath -w "$streams" 2>/dev/null | tr -d '\r')
export ORVANE_E2E_SINK_INPUTS
export ORVANE_E2E_SOUND_SERVER=1
"$here/run_driver.sh" "$1"
