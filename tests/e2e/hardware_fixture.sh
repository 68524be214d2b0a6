#!/usr/bin/env bash
# Runs the driver with a CD-ROM drive and a serial port planted in the suite's prefix, and removes both
# whatever happens:  hardware_fixture.sh FILTER
#   - drive R: is a folder that the mount manager takes as a CD-ROM (HKLM\Software\Wine\Drives, 64-bit view);
#   - COM5 is a pseudo-terminal held open by a small Python process for as long as the driver runs.
# The driver learns what was planted from ORVANE_E2E_CD_DRIVE, ORVANE_E2E_COM_PORT and ORVANE_E2E_C_BYTES.
set -euo pipefail
: "${ORVANE_WINDOWS_BUILD_DIR:?}"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/wine_env.sh"

dosdevices="$WINEPREFIX/dosdevices"
cd_letter=r
com_link="$dosdevices/com5"
for planted in "$dosdevices/$cd_letter:" "$com_link"; do
    if [ -e "$planted" ] || [ -L "$planted" ]; then
        echo "refusing to replace $planted, which the fixture did not plant" >&2
        exit 1
    fi
done

work=$(mktemp -d)
pty_pid=""
cleanup() {
    set +e
    [ -n "$pty_pid" ] && kill "$pty_pid" 2>/dev/null && wait "$pty_pid" 2>/dev/null
    rm -f "$dosdevices/$cd_letter:" "$com_link"
    "$WINE" reg delete 'HKLM\Software\Wine\Drives' /v "$cd_letter:" /reg:64 /f >/dev/null 2>&1
    # The mount manager forgets the drive only when the server starts again.
    wineserver -k 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

mkdir "$work/cdrom"
ln -s "$work/cdrom" "$dosdevices/$cd_letter:"
"$WINE" reg add 'HKLM\Software\Wine\Drives' /v "$cd_letter:" /d cdrom /reg:64 /f >/dev/null 2>&1
wineserver -k 2>/dev/null || true

# The pseudo-terminal lives as long as its Python process; it prints the terminal's name and then waits
# for its standard input to close, which happens when this script ends.
mkfifo "$work/hold"
python3 -c 'import os, pty, sys
master, slave = pty.openpty()
print(os.ttyname(slave), flush=True)
sys.stdin.read()' <"$work/hold" >"$work/pty" &
pty_pid=$!
exec 3>"$work/hold"
deadline=$((SECONDS + 20))
until [ -s "$work/pty" ]; do
    if [ $SECONDS -ge $deadline ] || ! kill -0 "$pty_pid" 2>/dev/null; then
        echo "no pseudo-terminal" >&2
        exit 1
    fi
    sleep 0.1
done
ln -s "$(head -n1 "$work/pty")" "$com_link"

export ORVANE_E2E_CD_DRIVE="${cd_letter^^}"
export ORVANE_E2E_COM_PORT=COM5
ORVANE_E2E_C_BYTES=$(df -B1 --output=size "$WINEPREFIX/drive_c/" | tail -n1 | tr -d ' ')
export ORVANE_E2E_C_BYTES
# Wine hands the environment on to the Windows processes it starts.
set +e
"$here/run_driver.sh" "$1" 3>&-
status=$?
exec 3>&-
exit $status
