# Sourced by the printing fixtures: starts CUPS with a cups-pdf queue named PDF as the default printer,
# exports ORVANE_PDF_DIR (the folder the PDFs land in, as Wine names it) and sets $pdfs and $stamp; the
# PDFs made after this are removed when the script exits.
pgrep -x cupsd >/dev/null || cupsd
for _ in $(seq 50); do lpstat -r >/dev/null 2>&1 && break; sleep 0.2; done
if ! lpstat -p PDF >/dev/null 2>&1; then
    lpadmin -p PDF -v cups-pdf:/ -E -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
fi
lpadmin -d PDF
# cups-pdf writes into the job owner's home as the password file names it, whatever HOME says.
pdfs="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
mkdir -p "$pdfs"
stamp=$(mktemp)
trap 'find "$pdfs" -name "*.pdf" -newer "$stamp" -delete; rm -f "$stamp"' EXIT
# Wine reads the printer list when its server starts.
wineserver -k 2>/dev/null || true
ORVANE_PDF_DIR=$("$WINE" winepath -w "$pdfs" 2>/dev/null | tr -d '\r')
export ORVANE_PDF_DIR
