#!/usr/bin/env bash
# Runs the driver with a small file system mapped as a drive of the suite's prefix, and removes it
# whatever happens:  full_disk_fixture.sh FILTER
#   - drive Q: is a 64 KB tmpfs, which the tests fill to the last byte (or leave a few pages free) to make
#     a report's write fail on a full disk.
# The driver learns the drive from ORVANE_E2E_SMALL_DRIVE. Mounting needs root; without it the suite
# cannot show what a full disk does, so the script fails rather than pass without it.
set -euo pipefail
: "${ORVANE_WINDOWS_BUILD_DIR:?}"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/wine_env.sh"

dosdevices="$WINEPREFIX/dosdevices"
letter=q
if [ -e "$dosdevices/$letter:" ] || [ -L "$dosdevices/$letter:" ]; then
    echo "refusing to replace $dosdevices/$letter:, which the fixture did not plant" >&2
    exit 1
fi

work=$(mktemp -d)
mounted=""
cleanup() {
    set +e
    rm -f "$dosdevices/$letter:"
    # Wine may still hold a file of the drive open: end the server before unmounting.
    wineserver -k 2>/dev/null
    [ -n "$mounted" ] && umount "$work/small"
    rm -rf "$work"
}
trap cleanup EXIT

mkdir "$work/small"
if ! mount -t tmpfs -o size=64k,mode=0777 orvane-small-drive "$work/small"; then
    echo "cannot mount a small tmpfs (the full-disk tests need root)" >&2
    exit 1
fi
mounted=1
ln -s "$work/small" "$dosdevices/$letter:"
wineserver -k 2>/dev/null || true

export ORVANE_E2E_SMALL_DRIVE="${letter^^}"
# Wine hands the environment on to the Windows processes it starts.
"$here/run_driver.sh" "$1"
