#!/usr/bin/env bash
# Runs the sound row's test with a sound server (PulseAudio with its null sink), so that Wine offers
# wave output; the other suites run without one and see "Not detected". Stops the server it started.
set -euo pipefail
: "${ORVANE_WINDOWS_BUILD_DIR:?}"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/wine_env.sh"

started=""
cleanup() {
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
export ORVANE_E2E_SOUND_SERVER=1
"$here/run_driver.sh" "HardwareRows.DisplayInputAndSoundAsWineOffersThem"
