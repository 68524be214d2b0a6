#!/usr/bin/env bash
# Prints the device list and the installed applications to a PDF printer (ListPrinting), then reads the
# pages back: a landscape page, the title, the centred header, the date line numbering the page, the rows
# at their column edges, and the rules (from the page's drawing, through pdftocairo's SVG). Positions in
# millimetres from the paper's corner; the printable area's offset is read from the page itself. A second
# run chooses Letter and the page range 2 to 2 in the dialog: one page comes out, Letter's, numbered 2 / 2.
set -euo pipefail
: "${ORVANE_WINDOWS_BUILD_DIR:?}"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/wine_env.sh"
source "$here/pdf_printer.sh"
"$here/run_driver.sh" "ListPrinting.TheDeviceListAndTheInstalledApplicationsPrintAsTables"
# The printouts of the first run, by name: the second run's is the one not among them.
first=$(mktemp)
trap 'find "$pdfs" -name "*.pdf" -newer "$stamp" -delete; rm -f "$stamp" "$first"' EXIT
find "$pdfs" -name "*.pdf" -newer "$stamp" -printf '%f\n' > "$first"
# Letter chosen in the dialog's printer properties, and the page range 2 to 2 of two pages.
"$here/run_driver.sh" "ListPrinting.ThePaperAndThePagesChosenInTheDialogArePrinted"

python3 - "$pdfs" "$stamp" "$first" <<'PY'
import os, re, subprocess, sys
folder, stamp, first_run = sys.argv[1], sys.argv[2], sys.argv[3]
since = os.path.getmtime(stamp)
made = sorted((p for p in (os.path.join(folder, f) for f in os.listdir(folder)) if p.endswith('.pdf')
               and os.path.getmtime(p) >= since), key=os.path.getmtime)
earlier = set(open(first_run).read().split())
pdfs = [p for p in made if os.path.basename(p) in earlier]
paged = [p for p in made if os.path.basename(p) not in earlier]
assert len(pdfs) == 2, f"expected the device list and the applications, found {pdfs}"
assert len(paged) == 1, f"expected the applications' second page, found {paged}"
mm = lambda points: points * 25.4 / 72

def words(path):
    html = subprocess.run(['pdftotext', '-bbox', path, '-'], capture_output=True, text=True, check=True).stdout
    page = re.search(r'<page width="([\d.]+)" height="([\d.]+)"', html)
    found = [(mm(float(a)), mm(float(b)), mm(float(c)), mm(float(d)), w) for a, b, c, d, w in
             re.findall(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>', html)]
    return mm(float(page.group(1))), mm(float(page.group(2))), found

def lines(path):
    svg = subprocess.run(['pdftocairo', '-svg', path, '-'], capture_output=True, text=True, check=True).stdout
    found = []
    for attributes in re.findall(r'<path([^>]*)/>', svg):
        d = re.search(r'\sd="([^"]*)"', attributes)
        if not d or not re.fullmatch(r'\s*M [-\d. ]+ L [-\d. ]+\s*', d.group(1)):
            continue
        x0, y0, x1, y1 = (float(n) for n in re.findall(r'-?[\d.]+', d.group(1)))
        matrix = re.search(r'transform="matrix\(([^)]*)\)"', attributes)
        a, b, c, dd, e, f = (float(n) for n in matrix.group(1).split(',')) if matrix else (1, 0, 0, 1, 0, 0)
        point = lambda x, y: (mm(a * x + c * y + e), mm(b * x + dd * y + f))
        found.append(point(x0, y0) + point(x1, y1))
    return found

def near(a, b, tolerance=1.0):
    return abs(a - b) <= tolerance

def check(path, title, captions, row_words, paper=(297, 210), page=(1, 1)):
    width, height, found = words(path)
    info = subprocess.run(['pdfinfo', path], capture_output=True, text=True, check=True).stdout
    if re.search(r'Page rot:\s+(90|270)', info):
        width, height = height, width  # the words are given as the turned page shows them
    assert re.search(r'Pages:\s+1\n', info), f"one page printed: {info}"
    assert near(width, paper[0]) and near(height, paper[1]), f"a landscape {paper} page: {width:.1f} x {height:.1f} mm"
    ux, uy = width / 21, height / 28.215
    def first(text):
        for x0, y0, x1, y1, w in found:
            if w == text:
                return x0, y0, x1, y1
        raise AssertionError(f"{text!r} is not on the page: {[w for *_, w in found][:60]}")
    tx, ty, _, _ = first(title.split()[0])
    # The title sits at 3 ux from the printable area's left edge: that gives the area's offset.
    offset = tx - 3 * ux
    assert -1 <= offset <= 15, f"the title at {tx:.1f} mm"
    assert near(ty, uy, 1.5), f"the title's top at {ty:.1f} mm, not {uy:.1f}"
    left, right = 1.5 * ux + offset, width - 1.5 * ux - offset
    # The date line ends at the right margin: Date: <date> Page: 1 / 1.
    texts = [w for *_, w in found]
    at = texts.index("Page:")
    assert texts[at + 1:at + 4] == [str(page[0]), "/", str(page[1])], texts[at - 3:at + 4]
    assert texts[at - 2] == "Date:", texts[at - 3:at + 4]
    assert near(found[at + 3][2], right, 1.5), f"the date line ends at {found[at + 3][2]:.1f} mm, not {right:.1f}"
    # The header rule spans the columns; the inner rules stand at the columns' edges.
    ruled = lines(path)
    header = [l for l in ruled if near(l[1], l[3], 0.05) and near(l[0], left - 0.1 * ux) and near(l[2], right + 0.1 * ux)]
    assert header, f"no header rule from {left - 0.1 * ux:.1f} to {right + 0.1 * ux:.1f} mm among {ruled[:20]}"
    inner = sorted(l[0] for l in ruled if near(l[0], l[2], 0.05) and abs(l[1] - l[3]) > 5)
    assert len(inner) == len(captions) - 1, f"{len(inner)} inner rules for {len(captions)} columns: {inner}"
    for caption in captions:
        first(caption.split()[0])
    # Each caption is centred between its edges (the header's words lie above the rule).
    edges = [left] + inner + [right]
    cx0, _, _, _ = first(captions[0].split()[0])
    last_word = [w for w in found if w[4] == captions[0].split()[-1]][0]
    centre = (cx0 + last_word[2]) / 2
    assert near(centre, (edges[0] + edges[1]) / 2, 1.5), f"{captions[0]} centred at {centre:.1f}, column {edges[:2]}"
    for text in row_words:
        x0, y0, _, _ = first(text)
        column = max(i for i, e in enumerate(edges[:-1]) if x0 >= e - 0.5)
        assert near(x0, edges[column] + 0.1 * ux, 1.0), f"{text} at {x0:.1f} mm, its column from {edges[column]:.1f}"
        assert y0 > header[0][1], f"{text} lies below the header rule"
    print(f"{os.path.basename(path)}: {title!r} checked, {len(found)} words, {len(inner)} inner rules, offset {offset:.1f} mm")

check(pdfs[0], "Device Info", ["Driver", "Provider", "Version"], [])
check(pdfs[1], "Installed Applications",
      ["Name", "Version", "Help Link", "Help Telephone", "Install Location", "Install Source", "Publisher", "Readme",
       "Uninstall"], ["Orvane", "C:\\printed\\un.exe"])
# On the Letter the user chose, with Letter's margins: the second page of two.
check(paged[0], "Installed Applications",
      ["Name", "Version", "Help Link", "Help Telephone", "Install Location", "Install Source", "Publisher", "Readme",
       "Uninstall"], [], paper=(279.4, 215.9), page=(2, 2))
PY
