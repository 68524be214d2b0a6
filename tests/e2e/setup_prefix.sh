#!/usr/bin/env bash
# Creates the suite's Wine prefix on first use and gives it a Windows-like look: a virtual desktop of
# 1024 x 768 (so every window has a frame and a known screen) and the Windows default tooltip colour.
set -euo pipefail
: "${ORVANE_WINDOWS_BUILD_DIR:?}"
source "$(dirname "$0")/wine_env.sh"

stamp="$WINEPREFIX/.orvane-ready"
if [ ! -f "$stamp" ]; then
    rm -rf "$WINEPREFIX"
    "$WINE" wineboot -i >/dev/null 2>&1
    "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
    "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null
    "$WINE" reg add 'HKCU\Control Panel\Colors' /v InfoWindow /d '255 255 225' /f >/dev/null
    # Fonts the windows name, mapped to metric-compatible free ones.
    for pair in "Arial=Liberation Sans" "Arial Narrow=Liberation Sans Narrow" "Times New Roman=Liberation Serif" \
                "Georgia=DejaVu Serif" "Comic Sans MS=DejaVu Sans"; do
        "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${pair%%=*}" /d "${pair#*=}" /f >/dev/null
    done
    wineserver -w
    touch "$stamp"
fi
# A server left from an earlier run may hold a desktop on a display that is gone: start afresh.
wineserver -k 2>/dev/null || true
echo "Wine prefix ready: $WINEPREFIX"
