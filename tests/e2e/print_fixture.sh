#!/usr/bin/env bash
# Runs the printing suite against a PDF printer: starts CUPS with a cups-pdf queue named PDF as the
# default printer, runs the driver, then reads the PDFs back and checks the printed report's text and
# positions against its layout in millimetres. Removes the PDFs it made.
set -euo pipefail
: "${ORVANE_WINDOWS_BUILD_DIR:?}"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/wine_env.sh"

source "$here/pdf_printer.sh"
since=$(mktemp)
# The queue goes back to A4 whatever the Letter run below left.
trap 'find "$pdfs" -name "*.pdf" -newer "$stamp" -delete; rm -f "$stamp" "$since"; lpadmin -p PDF -o PageSize=A4' EXIT

# The report printed since $since is an A4 portrait page with the layout's text at its positions.
# The report's PDF is the one with text; Quick Print's is a picture.
check_printouts() {
python3 - "$pdfs" "$since" <<'PY'
import os, subprocess, sys, re
folder, stamp = sys.argv[1], sys.argv[2]
since = os.path.getmtime(stamp)
pdfs = sorted((p for p in (os.path.join(folder, f) for f in os.listdir(folder)) if p.endswith('.pdf')
               and os.path.getmtime(p) >= since), key=os.path.getmtime)
assert pdfs, f"no printout since the run began in {folder}"
def words(path):
    html = subprocess.run(['pdftotext', '-bbox', path, '-'], capture_output=True, text=True, check=True).stdout
    page = re.search(r'<page width="([\d.]+)" height="([\d.]+)"', html)
    found = [(float(a), float(b), float(c), float(d), w) for a, b, c, d, w in
             re.findall(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>', html)]
    return (float(page.group(1)), float(page.group(2))), found
mm = lambda points: points * 25.4 / 72
reports = [p for p in pdfs if len(words(p)[1]) > 20]
assert reports, "no printed report with text among " + str(pdfs)
(width, height), found = words(reports[0])
assert abs(mm(width) - 210) < 1 and abs(mm(height) - 297) < 1, f"the page is A4: {mm(width):.1f} x {mm(height):.1f} mm"
def first(text):
    for x0, y0, x1, y1, w in found:
        if w == text:
            return mm(x0), mm(y0), mm(y1)
    raise AssertionError(f"{text!r} is not on the page: {[w for *_, w in found][:40]}")
# Labels at 12.12 mm from the paper's left edge; row n's field top at 24.81 + 8.47 (n - 1) mm.
checks = {"Windows": 1, "Modems": 29, "Battery": 27}
for label, row in checks.items():
    x, top, bottom = first(label)
    field_top = 10 + 10.58 + (16 + 32 * (row - 1)) * 25.4 / 96
    assert abs(x - 12.12) < 1.0, f"{label} starts at {x:.2f} mm, not 12.12"
    assert field_top - 0.5 < top < field_top + 2.5, f"{label} at {top:.2f} mm, its field at {field_top:.2f}"
x, top, _ = first("Orvane")
assert abs(x - 69.0) < 1.0, f"the title starts at {x:.2f} mm, not 69.0"
print(f"printed report checked: {os.path.basename(reports[0])}, {len(found)} words")
PY
}

# The queue as set up: A4 by default.
lpadmin -p PDF -o PageSize=A4
touch "$since"
# Wine reads the printer list and each printer's defaults when its server starts.
wineserver -k 2>/dev/null || true
"$here/run_driver.sh" "Printing.*"
check_printouts

# A queue whose default paper is Letter, as in the United States: the report still asks for A4 portrait.
lpadmin -p PDF -o PageSize=Letter
touch "$since"
wineserver -k 2>/dev/null || true
"$here/run_driver.sh" "Printing.PrintRefreshesThenPrintsThePreviewedPage"
check_printouts
