#!/usr/bin/env bash
# Runs the driver with a CD-ROM drive that holds no medium planted in the suite's prefix, and removes it
# whatever happens:  drive_fixture.sh FILTER
#   drive S: is a CD-ROM for the mount manager (HKLM\Software\Wine\Drives, 64-bit view) whose folder does
#   not exist, which Wine reports as a drive without a medium (an existing empty folder reads as a ready
#   drive). The driver learns the letter from ORVANE_E2E_EMPTY_CD_DRIVE.
set -euo pipefail
: "${ORVANE_WINDOWS_BUILD_DIR:?}"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/wine_env.sh"

dosdevices="$WINEPREFIX/dosdevices"
cd_letter=s
if [ -e "$dosdevices/$cd_letter:" ] || [ -L "$dosdevices/$cd_letter:" ]; then
    echo "refusing to replace $dosdevices/$cd_letter:, which the fixture did not plant" >&2
    exit 1
fi

work=$(mktemp -d)
cleanup() {
    set +e
    rm -f "$dosdevices/$cd_letter:"
    "$WINE" reg delete 'HKLM\Software\Wine\Drives' /v "$cd_letter:" /reg:64 /f >/dev/null 2>&1
    # The mount manager forgets the drive only when the server starts again.
    wineserver -k 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

ln -s "$work/no-medium" "$dosdevices/$cd_letter:"
"$WINE" reg add 'HKLM\Software\Wine\Drives' /v "$cd_letter:" /d cdrom /reg:64 /f >/dev/null 2>&1
wineserver -k 2>/dev/null || true

export ORVANE_E2E_EMPTY_CD_DRIVE="${cd_letter^^}"
# Wine hands the environment on to the Windows processes it starts.
"$here/run_driver.sh" "$1"
