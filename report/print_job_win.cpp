#include "report/print_job_win.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/error.h"
#include "ui/common_dialogs_win.h"

namespace orvane::report {

namespace {

// A global memory block locked for as long as its owner lives.
template <typename T>
class Locked {
public:
    explicit Locked(HGLOBAL block) : block_(block), data_(block ? static_cast<T*>(GlobalLock(block)) : nullptr) {}
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;
    ~Locked() {
        if (data_) GlobalUnlock(block_);
    }
    T* Get() const { return data_; }

private:
    HGLOBAL block_;
    T* data_;
};

// The printer a DEVNAMES block names: driver, device and port.
struct PrinterNames {
    std::string driver, device, port;
};

std::optional<PrinterNames> NamesOf(HGLOBAL devNames) {
    Locked<DEVNAMES> names(devNames);
    if (!names.Get()) return std::nullopt;
    const char* base = reinterpret_cast<const char*>(names.Get());
    return PrinterNames{base + names.Get()->wDriverOffset, base + names.Get()->wDeviceOffset,
                        base + names.Get()->wOutputOffset};
}

// Asks for A4 where the printer has it, and the orientation always; a printer without A4 keeps its paper.
void AskForA4(DEVMODEA& mode, const PrinterNames& printer, Orientation orientation) {
    const int count = DeviceCapabilitiesA(printer.device.c_str(), printer.port.c_str(), DC_PAPERS, nullptr, nullptr);
    if (count > 0) {
        std::vector<WORD> papers(static_cast<std::size_t>(count));
        DeviceCapabilitiesA(printer.device.c_str(), printer.port.c_str(), DC_PAPERS,
                            reinterpret_cast<LPSTR>(papers.data()), nullptr);
        if (std::find(papers.begin(), papers.end(), DMPAPER_A4) != papers.end()) {
            mode.dmPaperSize = DMPAPER_A4;
            mode.dmFields = (mode.dmFields | DM_PAPERSIZE) & ~static_cast<DWORD>(DM_PAPERLENGTH | DM_PAPERWIDTH);
        }
    }
    mode.dmOrientation = orientation == Orientation::Landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    mode.dmFields |= DM_ORIENTATION;
}

// The printer's device mode and names as the print dialog hands them out; freed with their owner.
struct PrintDialog {
    PRINTDLGA d{};
    PrintDialog() { d.lStructSize = sizeof d; }
    PrintDialog(const PrintDialog&) = delete;
    PrintDialog& operator=(const PrintDialog&) = delete;
    ~PrintDialog() {
        if (d.hDevMode) GlobalFree(d.hDevMode);
        if (d.hDevNames) GlobalFree(d.hDevNames);
    }
};

// A device context on the printer the dialog names in the orientation asked for, with A4 asked for in
// its device mode or the paper the device mode holds.
HDC CreatePrinterDc(const PrintDialog& dialog, bool informationOnly, Orientation orientation, PaperChoice paper) {
    const std::optional<PrinterNames> names = NamesOf(dialog.d.hDevNames);
    if (!names) return nullptr;
    Locked<DEVMODEA> mode(dialog.d.hDevMode);
    if (mode.Get()) {
        if (paper == PaperChoice::A4) {
            AskForA4(*mode.Get(), *names, orientation);
        } else {
            mode.Get()->dmOrientation = orientation == Orientation::Landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
            mode.Get()->dmFields |= DM_ORIENTATION;
        }
    }
    return informationOnly ? CreateICA(names->driver.c_str(), names->device.c_str(), nullptr, mode.Get())
                           : CreateDCA(names->driver.c_str(), names->device.c_str(), nullptr, mode.Get());
}

// A device context that owns itself.
struct OwnedDc {
    HDC dc;
    explicit OwnedDc(HDC handle) : dc(handle) {}
    OwnedDc(const OwnedDc&) = delete;
    OwnedDc& operator=(const OwnedDc&) = delete;
    ~OwnedDc() {
        if (dc) DeleteDC(dc);
    }
};

// The document's pages on a printer's context, each laid out as the document wants it on that paper.
int PageCountOn(const Document& document, HDC printer) {
    GdiSurface paperMeasure = GdiSurface::ForPrinter(printer);
    FittedSurface measure(paperMeasure, FitPage(document.Page(), PaperOf(printer)));
    return document.PageCount(measure);
}

// The default printer's device mode and names, with no dialog shown; false when there is no printer.
bool DefaultPrinter(PrintDialog& dialog) {
    dialog.d.Flags = PD_RETURNDEFAULT;
    return ui::ShowPrintDialog(dialog.d) != FALSE && dialog.d.hDevNames;
}

}  // namespace

PageSize PaperOf(HDC printer) {
    const int perInchX = GetDeviceCaps(printer, LOGPIXELSX);
    const int perInchY = GetDeviceCaps(printer, LOGPIXELSY);
    if (perInchX <= 0 || perInchY <= 0) return {};
    return {GetDeviceCaps(printer, PHYSICALWIDTH) * 25.4 / perInchX,
            GetDeviceCaps(printer, PHYSICALHEIGHT) * 25.4 / perInchY};
}

PageSize DefaultPrinterPaper() {
    PrintDialog dialog;
    if (!DefaultPrinter(dialog)) return {};
    const OwnedDc information(CreatePrinterDc(dialog, true, Orientation::Portrait, PaperChoice::A4));
    if (!information.dc) return {};
    const PageSize paper = PaperOf(information.dc);
    return paper.width > 0 && paper.height > 0 ? paper : PageSize{};
}

PrinterJob::PrinterJob(HDC printer, const char* documentName)
    : dc_(printer), paper_(PaperOf(printer)), measure_(GdiSurface::ForPrinter(printer)) {
    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = documentName;
    if (StartDocA(dc_, &document) <= 0) throw UserError("Printing failed.");
}

PrinterJob::~PrinterJob() {
    if (open_) AbortDoc(dc_);
}

Surface& PrinterJob::BeginPage() {
    if (StartPage(dc_) <= 0) throw UserError("Printing failed.");
    // Fonts are made afresh on each page: some drivers reset the context at StartPage.
    page_.emplace(GdiSurface::ForPrinter(dc_));
    return *page_;
}

void PrinterJob::EndPage() {
    page_.reset();
    if (::EndPage(dc_) <= 0) throw UserError("Printing failed.");
}

void PrinterJob::Finish() {
    open_ = false;
    if (EndDoc(dc_) <= 0) throw UserError("Printing failed.");
}

void PrintWithDialog(HWND owner, const Document& document, const char* documentName, Orientation orientation,
                     PaperChoice paper) {
    PrintDialog dialog;
    // The dialog opens on the default printer with A4 in the orientation already asked for.
    int startingPages = 1;
    if (DefaultPrinter(dialog)) {
        if (const auto names = NamesOf(dialog.d.hDevNames)) {
            Locked<DEVMODEA> mode(dialog.d.hDevMode);
            if (mode.Get()) AskForA4(*mode.Get(), *names, orientation);
        }
        const OwnedDc information(CreatePrinterDc(dialog, true, orientation, PaperChoice::UserChoice));
        if (information.dc) startingPages = PageCountOn(document, information.dc);
    }
    dialog.d.hwndOwner = owner;
    dialog.d.Flags = PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    dialog.d.nFromPage = 1;
    dialog.d.nMinPage = 1;
    dialog.d.nCopies = 1;
    if (startingPages > 1) {
        // Any range the user names: another printer or paper may give more pages; the range is cut to
        // the printout's pages once they are counted on the printer chosen.
        dialog.d.nToPage = static_cast<WORD>(std::min(startingPages, 0xFFFF));
        dialog.d.nMaxPage = 0xFFFF;
    } else {
        // One page: the dialog's range stays off.
        dialog.d.nToPage = 1;
        dialog.d.nMaxPage = 1;
    }
    if (!ui::ShowPrintDialog(dialog.d)) return;
    const OwnedDc printer(CreatePrinterDc(dialog, false, orientation, paper));
    if (!printer.dc) throw UserError("There is no printer to print on.");
    PageRange range;
    if (dialog.d.Flags & PD_PAGENUMS) range = {dialog.d.nFromPage, dialog.d.nToPage};
    if (PagesInRange(PageCountOn(document, printer.dc), range) == 0) return;
    PrinterJob job(printer.dc, documentName);
    // The driver makes the copies when it can (nCopies is then 1); otherwise each is a page of its own.
    PrintPages(document, job, std::max<int>(1, dialog.d.nCopies), range);
    job.Finish();
}

}  // namespace orvane::report
