#include "ui/print_image_win.h"

#include <string>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/system_dlls.h"
#include "report/surface.h"
#include "ui/form_win.h"

namespace orvane::ui {

namespace {

// A printer device context, deleted with its owner.
class PrinterDc {
  public:
    explicit PrinterDc(const std::string& printer) : dc_(CreateDCA("WINSPOOL", printer.c_str(), nullptr, nullptr)) {}
    PrinterDc(const PrinterDc&) = delete;
    PrinterDc& operator=(const PrinterDc&) = delete;
    ~PrinterDc() {
        if (dc_) DeleteDC(dc_);
    }
    HDC Get() const { return dc_; }

  private:
    HDC dc_;
};

// A memory device context, deleted with its owner.
class MemoryDc {
  public:
    explicit MemoryDc(HDC like) : dc_(CreateCompatibleDC(like)) {}
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    ~MemoryDc() {
        if (dc_) DeleteDC(dc_);
    }
    HDC Get() const { return dc_; }

  private:
    HDC dc_;
};

std::string DefaultPrinterName() {
    char name[512] = {};
    DWORD size = sizeof name;
    using GetDefaultPrinterFn = BOOL(WINAPI*)(LPSTR, LPDWORD);
    // The spooler's own answer where the system has it (2000 and later); the profile entry elsewhere.
    if (HMODULE spooler = GetModuleHandleA("winspool.drv") ? GetModuleHandleA("winspool.drv")
                                                           : win32::LoadSystemLibrary("winspool.drv")) {
        const auto getDefault = reinterpret_cast<GetDefaultPrinterFn>(
            reinterpret_cast<void*>(GetProcAddress(spooler, "GetDefaultPrinterA")));
        if (getDefault && getDefault(name, &size)) return name;
    }
    char device[1024] = {};
    GetProfileStringA("windows", "device", "", device, sizeof device);
    const std::string entry(device);
    return entry.substr(0, entry.find(','));
}

// The client area as 24-bit pixels, bottom-up, the way StretchDIBits takes them.
struct ClientImage {
    BITMAPINFO info{};
    std::vector<std::uint8_t> pixels;
};

bool CaptureClientArea(HWND window, ClientImage& image) {
    RECT client;
    if (!GetClientRect(window, &client) || client.right <= 0 || client.bottom <= 0) return false;
    win32::WindowDc screen(window);
    if (!screen.Get()) return false;
    MemoryDc memory(screen.Get());
    win32::GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen.Get(), client.right, client.bottom));
    if (!memory.Get() || !bitmap.Get()) return false;
    {
        win32::SelectScope select(memory.Get(), bitmap.Get());
        // Child windows paint themselves: copy what the screen shows.
        if (!BitBlt(memory.Get(), 0, 0, client.right, client.bottom, screen.Get(), 0, 0, SRCCOPY)) return false;
    }
    BITMAPINFOHEADER& header = image.info.bmiHeader;
    header.biSize = sizeof header;
    header.biWidth = client.right;
    header.biHeight = client.bottom;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const std::size_t stride = (static_cast<std::size_t>(client.right) * 3 + 3) / 4 * 4;
    image.pixels.assign(stride * static_cast<std::size_t>(client.bottom), 0);
    return GetDIBits(memory.Get(), bitmap.Get(), 0, static_cast<UINT>(client.bottom), image.pixels.data(), &image.info,
                     DIB_RGB_COLORS) == client.bottom;
}

}  // namespace

void PrintClientAreaImage(HWND window) {
    ClientImage image;
    if (!CaptureClientArea(window, image)) {
        ShowErrorBox(window, "The window's picture could not be taken.");
        return;
    }
    const std::string printer = DefaultPrinterName();
    if (printer.empty()) {
        ShowErrorBox(window, "There is no default printer.");
        return;
    }
    PrinterDc dc(printer);
    if (!dc.Get()) {
        ShowErrorBox(window, "Cannot print on " + printer + ".");
        return;
    }
    win32::WindowDc screen(window);
    const int screenX = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSX) : 96;
    const int screenY = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
    const int width = image.info.bmiHeader.biWidth;
    const int height = image.info.bmiHeader.biHeight;
    int printedWidth = MulDiv(width, GetDeviceCaps(dc.Get(), LOGPIXELSX), screenX > 0 ? screenX : 96);
    int printedHeight = MulDiv(height, GetDeviceCaps(dc.Get(), LOGPIXELSY), screenY > 0 ? screenY : 96);
    // A picture larger than the printable area (a maximised window on a wide screen) is scaled down to
    // fit it, keeping its proportions.
    const report::ImageFit fit = report::FitImage(printedWidth, printedHeight, GetDeviceCaps(dc.Get(), HORZRES),
                                  GetDeviceCaps(dc.Get(), VERTRES));
    printedWidth = fit.width;
    printedHeight = fit.height;

    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    DOCINFOA document{};
    document.cbSize = sizeof document;
    document.lpszDocName = title;
    if (StartDocA(dc.Get(), &document) <= 0) {
        ShowErrorBox(window, "Cannot print on " + printer + ".");
        return;
    }
    bool printed = StartPage(dc.Get()) > 0;
    printed = printed && StretchDIBits(dc.Get(), 0, 0, printedWidth, printedHeight, 0, 0, width, height,
                                       image.pixels.data(), &image.info, DIB_RGB_COLORS, SRCCOPY) > 0;
    printed = EndPage(dc.Get()) > 0 && printed;
    if (printed) {
        EndDoc(dc.Get());
    } else {
        AbortDoc(dc.Get());
        ShowErrorBox(window, "Printing on " + printer + " failed.");
    }
}

}  // namespace orvane::ui
