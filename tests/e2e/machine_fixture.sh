#!/usr/bin/env bash
# Runs the Machine Info window's suite: machine_fixture.sh
#   - first as it is, with a recorded EDID for the test that plants one (ORVANE_E2E_EDID, a Windows path);
#   - then the firmware-strings test in a private mount namespace whose /sys/class is a tmpfs holding
#     chosen dmi/id files, which Wine builds its SMBIOS table from (ORVANE_E2E_DMI=1). That needs root
#     and a system that allows unshare -m; elsewhere the test is skipped with a message.
set -euo pipefail
: "${ORVANE_WINDOWS_BUILD_DIR:?}"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/wine_env.sh"

edid="$here/../../../shared/fixtures/edid/dell-u2412m.bin"
if [ -f "$edid" ]; then
    ORVANE_E2E_EDID=$("$WINE" winepath -w "$(realpath "$edid")" 2>/dev/null | tr -d "\r")
    export ORVANE_E2E_EDID
else
    echo "no recorded EDID at $edid: the EDID test is skipped" >&2
fi
status=0
"$here/run_driver.sh" "MachineWindow.*-MachineWindow.PlantedFirmwareStrings*" || status=$?

if [ "$(id -u)" -eq 0 ] && unshare -m true 2>/dev/null; then
    # The server started outside would serve the namespaced process all the same; it holds no table.
    wineserver -k 2>/dev/null || true
    unshare -m bash -s "$here" <<'INNER' || status=$?
set -euo pipefail
here=$1
mount --make-rprivate / 2>/dev/null || true
mount -t tmpfs orvane-dmi /sys/class
mkdir -p /sys/class/dmi/id
plant() { printf '%s\n' "$2" > "/sys/class/dmi/id/$1"; }
plant bios_vendor "Orvane Test Firmware Inc."
plant bios_version "OTF 2.31"
plant bios_date "03/14/2025"
plant sys_vendor "Contoso Computers"
plant product_name "Contoso Laptop 14"
plant product_version "1.0"
plant board_vendor "To be filled by O.E.M."
plant board_name "CNT-B14"
plant chassis_vendor "Contoso Computers"
plant chassis_type "10"
export ORVANE_E2E_DMI=1
status=0
"$here/run_driver.sh" "MachineWindow.PlantedFirmwareStrings*" || status=$?
# The server started in here sees the planted table; it must not outlive the namespace's run.
source "$here/wine_env.sh"
wineserver -k 2>/dev/null || true
exit $status
INNER
else
    echo "unshare -m is not allowed here (or not root): the planted firmware strings are not tested" >&2
    "$here/run_driver.sh" "MachineWindow.PlantedFirmwareStrings*" || status=$?
fi
exit $status
