#!/usr/bin/env bash
# Runs the inventory tests, then checks what they wrote from outside Wine:  inventory_fixture.sh FILTER
#   every JSON document the driver left against docs/inventory.schema.json (Debian's python3-jsonschema),
#   and every HTML page opened in headless Chromium: its DOM must hold the table of contents and all ten
#   sections, and a screenshot of it is kept beside the pages (build/win64/inventory-e2e/*.png) to look at.
set -euo pipefail
: "${ORVANE_WINDOWS_BUILD_DIR:?}"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/wine_env.sh"

out="$ORVANE_WINDOWS_BUILD_DIR/inventory-e2e"
rm -rf "$out"
mkdir -p "$out"
ORVANE_E2E_INVENTORY_OUT=$("$WINE" winepath -w "$out" 2>/dev/null | tr -d '\r')
export ORVANE_E2E_INVENTORY_OUT

status=0
"$here/run_driver.sh" "$1" || status=$?

shopt -s nullglob
documents=("$out"/*.json)
pages=("$out"/*.htm)
# A filter that leaves out the tests writing documents leaves nothing to check.
if [[ "$1" == "Inventory.*" ]] && { [ ${#documents[@]} -lt 2 ] || [ ${#pages[@]} -lt 2 ]; }; then
    echo "the driver left ${#documents[@]} JSON documents and ${#pages[@]} pages in $out" >&2
    exit 1
fi

python=/usr/bin/python3
"$python" -c 'import jsonschema' 2>/dev/null || python=python3
if [ ${#documents[@]} -gt 0 ]; then
    if "$python" "$here/../../tools/check_inventory_schema.py" "${documents[@]}"; then
        echo "schema: ${#documents[@]} documents valid"
    else
        status=1
    fi
fi

sections=(summary personal cpu memory display drives devices applications startup sound)
for page in "${pages[@]}"; do
    profile=$(mktemp -d)
    browser=(chromium --headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking
             --disable-component-update --disable-sync --user-data-dir="$profile")
    if ! timeout 120 "${browser[@]}" --dump-dom "file://$page" >"$page.dom" 2>"$page.log"; then
        echo "$page: Chromium did not load the page (see $page.log)" >&2
        status=1
    fi
    for section in "${sections[@]}"; do
        if ! grep -q "<section id=\"$section\">" "$page.dom" || ! grep -q "<a href=\"#$section\">" "$page.dom"; then
            echo "$page: the browser's DOM lacks the section $section or its entry in the contents" >&2
            status=1
        fi
    done
    grep -q '</table>' "$page.dom" || { echo "$page: no table in the DOM" >&2; status=1; }
    timeout 120 "${browser[@]}" --window-size=1024,4000 --screenshot="$page.png" "file://$page" \
        >>"$page.log" 2>&1 || true
    if [ -s "$page.png" ]; then
        echo "page: $page.png"
    else
        echo "$page: no screenshot" >&2
        status=1
    fi
    rm -rf "$profile"
done
exit "$status"
