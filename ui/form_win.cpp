#include "ui/form_win.h"

#include <algorithm>
#include <exception>

#include "core/text.h"
#include "ui/menu_win.h"

namespace orvane::ui {

namespace {

constexpr const char* kScrollBoxClass = "TScrollBox";
constexpr UINT_PTR kFirstControlId = 1000;

AppCursor g_appCursor = AppCursor::Default;

int ScreenDpi() {
    static const int dpi = [] {
        win32::WindowDc screen(nullptr);
        const int value = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
        return value > 0 ? value : 96;
    }();
    return dpi;
}

HCURSOR CursorFor(AppCursor cursor) {
    switch (cursor) {
        case AppCursor::Wait:
            return LoadCursor(nullptr, IDC_WAIT);
        case AppCursor::Hand:
            return LoadCursor(nullptr, IDC_HAND);
        default:
            return LoadCursor(nullptr, IDC_ARROW);
    }
}

std::string UpperName(std::string_view name) { return ToUpperAscii(name); }

// --- the scroll box: a white container whose controls scroll with its scroll bars ---

struct ScrollState {
    Form* form = nullptr;
    bool scrolls = false;  // panels share the class but never scroll
    int x = 0;  // scroll offsets in screen pixels
    int y = 0;
    // The box's own controls, kept as they are made and destroyed: walking the window list instead
    // costs the window server a round trip per control under Wine, at every resize.
    std::vector<HWND> children;
};

ScrollState* StateOf(HWND box) { return reinterpret_cast<ScrollState*>(GetWindowLongPtrA(box, GWLP_USERDATA)); }

SIZE ContentExtent(HWND box, const ScrollState& state) {
    SIZE extent{0, 0};
    for (HWND child : state.children) {
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&rect), 2);
        extent.cx = std::max<LONG>(extent.cx, rect.right + state.x);
        extent.cy = std::max<LONG>(extent.cy, rect.bottom + state.y);
    }
    return extent;
}

void UpdateScrollBars(HWND box) {
    ScrollState* state = StateOf(box);
    if (!state || !state->scrolls) return;
    RECT client;
    GetClientRect(box, &client);
    const SIZE extent = ContentExtent(box, *state);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = extent.cy > 0 ? extent.cy - 1 : 0;
    info.nPage = static_cast<UINT>(std::max<LONG>(client.bottom, 0));
    info.nPos = state->y;
    SetScrollInfo(box, SB_VERT, &info, TRUE);
    info.nMax = extent.cx > 0 ? extent.cx - 1 : 0;
    info.nPage = static_cast<UINT>(std::max<LONG>(client.right, 0));
    info.nPos = state->x;
    SetScrollInfo(box, SB_HORZ, &info, TRUE);
}

void ScrollTo(HWND box, int bar, int position) {
    ScrollState* state = StateOf(box);
    if (!state) return;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(box, bar, &info);
    const int highest = std::max(0, info.nMax - static_cast<int>(info.nPage) + 1);
    position = std::clamp(position, 0, highest);
    int& current = bar == SB_VERT ? state->y : state->x;
    const int delta = current - position;
    if (delta == 0) return;
    current = position;
    // Every control moves, also those outside the visible part (which scrolling the window's pixels
    // with its children would leave where they were).
    const int dx = bar == SB_VERT ? 0 : delta;
    const int dy = bar == SB_VERT ? delta : 0;
    int count = 0;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++count;
    HDWP moves = BeginDeferWindowPos(count);
    for (HWND child = GetWindow(box, GW_CHILD); child && moves; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&rect), 2);
        moves = DeferWindowPos(moves, child, nullptr, rect.left + dx, rect.top + dy, 0, 0,
                               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (moves) EndDeferWindowPos(moves);
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    info.fMask = SIF_POS;
    info.nPos = position;
    SetScrollInfo(box, bar, &info, TRUE);
}

void HandleScroll(HWND box, int bar, WPARAM wParam) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(box, bar, &info);
    int position = info.nPos;
    const int line = Scale(16);
    switch (LOWORD(wParam)) {
        case SB_LINEUP: position -= line; break;
        case SB_LINEDOWN: position += line; break;
        case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
        case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: position = info.nTrackPos; break;
        case SB_TOP: position = info.nMin; break;
        case SB_BOTTOM: position = info.nMax; break;
        default: return;
    }
    ScrollTo(box, bar, position);
}

LRESULT CALLBACK ScrollBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    ScrollState* state = StateOf(box);
    switch (message) {
        case WM_NCCREATE: {
            auto* created = reinterpret_cast<CREATESTRUCTA*>(lParam);
            auto* fresh = new ScrollState{static_cast<Form*>(created->lpCreateParams),
                                          (created->style & WS_VSCROLL) != 0, 0, 0, {}};
            SetWindowLongPtrA(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(fresh));
            break;
        }
        case WM_NCDESTROY:
            delete state;
            SetWindowLongPtrA(box, GWLP_USERDATA, 0);
            break;
        case WM_PARENTNOTIFY:
            // Sent for the box's controls and for those of the containers inside it; only its own count.
            if (state && (LOWORD(wParam) == WM_CREATE || LOWORD(wParam) == WM_DESTROY)) {
                HWND child = reinterpret_cast<HWND>(lParam);
                std::erase(state->children, child);
                if (LOWORD(wParam) == WM_CREATE && GetParent(child) == box) state->children.push_back(child);
            }
            break;
        case WM_SIZE:
            UpdateScrollBars(box);
            return 0;
        case WM_VSCROLL:
            HandleScroll(box, SB_VERT, wParam);
            return 0;
        case WM_HSCROLL:
            HandleScroll(box, SB_HORZ, wParam);
            return 0;
        default:
            break;
    }
    if (state && state->form) {
        bool handled = false;
        const LRESULT result = state->form->RouteFromChild(box, message, wParam, lParam, handled);
        if (handled) return result;
    }
    return DefWindowProcA(box, message, wParam, lParam);
}

void RegisterScrollBoxClass() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ScrollBoxProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = nullptr;  // the form decides the cursor
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kScrollBoxClass;
    registered = RegisterClassA(&windowClass) != 0;
}

SIZE TextExtent(HWND control, HFONT font, const std::string& text, int wrapWidth) {
    win32::WindowDc dc(control);
    win32::SelectScope select(dc.Get(), font);
    RECT rect{0, 0, wrapWidth, 0};
    UINT format = DT_CALCRECT | DT_NOPREFIX;
    format |= wrapWidth ? DT_WORDBREAK : DT_SINGLELINE;
    DrawTextA(dc.Get(), text.c_str(), static_cast<int>(text.size()), &rect, format);
    return SIZE{rect.right, rect.bottom};
}

bool IsContainer(ControlKind kind) { return kind == ControlKind::ScrollBox || kind == ControlKind::Panel; }

}  // namespace

int Scale(int designPixels) { return MulDiv(designPixels, ScreenDpi(), 96); }
int Unscale(int screenPixels) { return MulDiv(screenPixels, 96, ScreenDpi()); }

void SetAppCursor(AppCursor cursor) {
    g_appCursor = cursor;
    SetCursor(CursorFor(cursor));
}

AppCursor CurrentAppCursor() { return g_appCursor; }

BusyCursor::BusyCursor() : previous_(g_appCursor) { SetAppCursor(AppCursor::Wait); }
BusyCursor::~BusyCursor() { SetAppCursor(previous_); }

void ShowErrorBox(HWND owner, const std::string& text) {
    MessageBoxA(owner, text.c_str(), "Orvane", MB_OK | MB_ICONERROR);
}

void RunCommand(HWND owner, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowErrorBox(owner, error.what());
    } catch (...) {
        ShowErrorBox(owner, "Unknown error");
    }
}

Form::Form(const FormSpec& design) : design_(design) {}

Form::~Form() {
    // The name properties go with the windows; only the atoms they hold are released here.
    for (const ControlEntry& control : controls_) {
        if (control.nameAtom) GlobalDeleteAtom(control.nameAtom);
    }
    if (hwnd_) {
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    if (accelerators_) DestroyAcceleratorTable(accelerators_);
}

Form* Form::FromHandle(HWND window) {
    if (!window) return nullptr;
    // Controls and other classes carry their own user data; only our forms use this procedure.
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)) != WindowProc) return nullptr;
    return reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

POINT Form::InitialPosition(int outerWidth, int outerHeight) const {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    if (design_.position == FormPosition::MainFormCenter && owner_ && owner_->Handle()) {
        // The owner as it was created, not as it is now: a window made after the owner was shown
        // (maximised, moved) opens where it would have opened had it been made with the owner.
        area = owner_->createdRect_;
    }
    POINT origin{area.left + (area.right - area.left - outerWidth) / 2,
                 area.top + (area.bottom - area.top - outerHeight) / 2};
    origin.x = std::max<LONG>(origin.x, 0);
    origin.y = std::max<LONG>(origin.y, 0);
    return origin;
}

void Form::Create(Form* owner) {
    owner_ = owner;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (!GetClassInfoExA(instance, design_.className, &existing)) {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = instance;
        windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
        windowClass.hIconSm = windowClass.hIcon;
        windowClass.hCursor = nullptr;
        windowClass.lpszClassName = design_.className;
        RegisterClassExA(&windowClass);
    }
    RegisterScrollBoxClass();

    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    DWORD exStyle = 0;
    switch (design_.border) {
        case FormBorder::Sizeable:
            style |= WS_THICKFRAME;
            break;
        case FormBorder::Single:
            break;
        case FormBorder::Dialog:
            exStyle |= WS_EX_DLGMODALFRAME;
            break;
    }
    if (design_.minimizeBox && design_.border != FormBorder::Dialog) style |= WS_MINIMIZEBOX;
    if (design_.maximizeBox && design_.border != FormBorder::Dialog) style |= WS_MAXIMIZEBOX;

    menu_ = MenuModel(BuildMenuBar());
    HMENU menu = BuildMenuBarHandle(menu_);
    menuHandle_ = menu;
    RECT rect{0, 0, Scale(design_.width), Scale(design_.height)};
    if (design_.clientSize) AdjustWindowRectEx(&rect, style, menu != nullptr, exStyle);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const POINT origin = InitialPosition(width, height);
    // Detail windows are owned by the main window, so they stay above it and leave with it.
    HWND ownerWindow = owner_ ? owner_->Handle() : nullptr;
    hwnd_ = CreateWindowExA(exStyle, design_.className, design_.caption, style, origin.x, origin.y, width, height,
                            ownerWindow, menu, instance, this);
    if (!hwnd_) return;
    GetWindowRect(hwnd_, &createdRect_);
    SetAccelerators({});
    CreateControls();
    LayoutFillControls();
    OnCreate();
}

void Form::CreateControls() {
    const Layout layout = BuildLayout();
    for (const ControlSpec& design : layout) {
        HWND parent = hwnd_;
        if (!design.parent.empty()) {
            if (HWND container = Control(design.parent)) parent = container;
        }
        HWND control = CreateControl(design, parent);
        if (!control) continue;
        const ATOM atom = GlobalAddAtomA(design.name.c_str());
        if (atom) SetPropA(control, kControlNameProperty, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(atom)));
        byName_[UpperName(design.name)] = controls_.size();
        controls_.push_back({design.name, design.kind, control, atom});
        kinds_[control] = design.kind;
    }
    for (const ControlEntry& control : controls_) {
        if (control.kind == ControlKind::ScrollBox) UpdateScrollBars(control.hwnd);
    }
}

HWND Form::CreateControl(const ControlSpec& design, HWND parent) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    const HMENU id = reinterpret_cast<HMENU>(kFirstControlId + controls_.size());
    const FontSpec font = design.font.value_or(DefaultFont(design.kind));
    const char* windowClass = "STATIC";
    DWORD style = WS_CHILD | WS_VISIBLE;
    switch (design.kind) {
        case ControlKind::LabelEdit:
        case ControlKind::ValueEdit:
            // Read-only, flat and outside the tab order.
            windowClass = "EDIT";
            style |= WS_BORDER | ES_READONLY | ES_AUTOHSCROLL;
            break;
        case ControlKind::ScrollBox:
            windowClass = kScrollBoxClass;
            style |= WS_VSCROLL | WS_HSCROLL | WS_CLIPCHILDREN;
            break;
        case ControlKind::Panel:
            windowClass = kScrollBoxClass;
            style |= WS_CLIPCHILDREN;
            break;
        case ControlKind::Bevel:
            // Drawn by the form (WM_DRAWITEM) as a lowered outer and raised inner edge.
            style |= SS_OWNERDRAW | WS_CLIPSIBLINGS;
            break;
        case ControlKind::PaintBox:
            style |= SS_OWNERDRAW;
            break;
        case ControlKind::Button:
            windowClass = "BUTTON";
            style |= BS_PUSHBUTTON | WS_TABSTOP;
            break;
        case ControlKind::DefaultButton:
            windowClass = "BUTTON";
            style |= BS_DEFPUSHBUTTON | WS_TABSTOP;
            break;
        case ControlKind::Link:
        case ControlKind::Heading:
        case ControlKind::Label:
        case ControlKind::StaticLink:
            // A label sized to its caption stays on one line; one with a width wraps within it.
            style |= (design.rect.width == 0 ? SS_LEFTNOWORDWRAP : SS_LEFT) | SS_NOPREFIX | SS_NOTIFY;
            break;
    }
    HWND control = CreateWindowExA(0, windowClass, design.caption.c_str(), style, Scale(design.rect.x),
                                   Scale(design.rect.y), Scale(design.rect.width), Scale(design.rect.height), parent, id,
                                   instance, IsContainer(design.kind) ? static_cast<void*>(this) : nullptr);
    if (!control) return nullptr;
    if (!IsContainer(design.kind)) {
        HFONT handle = FontFor(font);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(handle), FALSE);
        if (design.rect.width == 0 || design.rect.height == 0) {
            // Sized to the caption; a given width wraps the caption within it.
            const SIZE text = TextExtent(control, handle, design.caption, design.rect.width ? Scale(design.rect.width) : 0);
            SetWindowPos(control, nullptr, 0, 0, design.rect.width ? Scale(design.rect.width) : text.cx,
                         design.rect.height ? Scale(design.rect.height) : text.cy, SWP_NOMOVE | SWP_NOZORDER);
        }
    }
    return control;
}

HFONT Form::FontFor(const FontSpec& font) {
    const std::string key = Format("%s|%d|%d%d%d", font.face, font.pixelHeight, font.bold, font.italic, font.underline);
    for (const auto& [existingKey, handle] : fonts_) {
        if (existingKey == key) return handle.Get();
    }
    HFONT handle = CreateFontA(-Scale(font.pixelHeight), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic,
                               font.underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                               DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, font.face);
    fonts_.emplace_back(key, win32::GdiObject<HFONT>(handle));
    return handle;
}

HBRUSH Form::BrushFor(Colour colour) {
    auto found = brushes_.find(colour);
    if (found != brushes_.end()) return found->second.Get();
    HBRUSH brush = CreateSolidBrush(colour);
    brushes_.emplace(colour, win32::GdiObject<HBRUSH>(brush));
    return brush;
}

bool Form::CtlColor(HDC dc, HWND control, LRESULT& result) {
    const auto found = kinds_.find(control);
    if (found == kinds_.end()) return false;
    Colour back = design_.background;
    Colour text = GetSysColor(COLOR_WINDOWTEXT);
    switch (found->second) {
        case ControlKind::LabelEdit:
            back = kSkyBlue;
            break;
        case ControlKind::ValueEdit:
            back = GetSysColor(COLOR_INFOBK);
            text = GetSysColor(COLOR_INFOTEXT);
            break;
        case ControlKind::Link:
        case ControlKind::StaticLink:
            text = kLinkBlue;
            break;
        default:
            break;
    }
    SetTextColor(dc, text);
    SetBkColor(dc, back);
    result = reinterpret_cast<LRESULT>(BrushFor(back));
    return true;
}

HWND Form::Control(std::string_view name) const {
    const auto found = byName_.find(UpperName(name));
    return found == byName_.end() ? nullptr : controls_[found->second].hwnd;
}

std::string Form::NameOf(HWND control) const {
    for (const ControlEntry& entry : controls_) {
        if (entry.hwnd == control) return entry.name;
    }
    return {};
}

std::string Form::Text(std::string_view name) const {
    HWND control = Control(name);
    if (!control) return {};
    const int length = GetWindowTextLengthA(control);
    std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    const int got = GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(got, 0)));
    return text;
}

void Form::SetText(std::string_view name, const std::string& text) {
    if (HWND control = Control(name)) SetWindowTextA(control, text.c_str());
}

void Form::SetTextNow(std::string_view name, const std::string& text) {
    if (HWND control = Control(name)) {
        SetWindowTextA(control, text.c_str());
        RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}

void Form::ShowForm(int showCommand) {
    if (!hwnd_) return;
    const bool wasVisible = IsWindowVisible(hwnd_) != FALSE;
    if (wasVisible) {
        if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
        SetForegroundWindow(hwnd_);
        return;
    }
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
    OnShow();
}

void Form::ShowModal() {
    HWND owner = owner_ ? owner_->Handle() : nullptr;
    if (owner) EnableWindow(owner, FALSE);
    ShowForm();
    MSG message;
    bool quit = false;
    while (Visible()) {
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
            quit = true;
            break;
        }
        HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
        if (root == hwnd_ && accelerators_ && TranslateAcceleratorA(hwnd_, accelerators_, &message)) continue;
        if (root == hwnd_ && UsesDialogKeys() && IsDialogMessageA(hwnd_, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (owner) {
        EnableWindow(owner, TRUE);
        SetForegroundWindow(owner);
    }
    // The loop ended on a quit message: hand it on to the main loop.
    if (quit) PostQuitMessage(0);
}

void Form::HideForm() {
    if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

bool Form::Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }

void Form::SetAccelerators(const std::vector<ACCEL>& keys) {
    if (accelerators_) DestroyAcceleratorTable(accelerators_);
    std::vector<ACCEL> copy = MenuAccelerators(menu_);
    copy.insert(copy.end(), keys.begin(), keys.end());
    accelerators_ = copy.empty() ? nullptr : CreateAcceleratorTableA(copy.data(), static_cast<int>(copy.size()));
}

void Form::ActivateMenuCommand(int id) {
    RunCommand(hwnd_, [&] { menu_.Activate(id); });
    SyncCheckMarks(menuHandle_, menu_);
}

void Form::InvokeMenu(const std::string& name) { ActivateMenuCommand(menu_.IdOf(name)); }

void Form::SetFillInsets(int top, int bottom) {
    fillTop_ = top;
    fillBottom_ = bottom;
    LayoutFillControls();
}

void Form::LayoutFillControls() {
    if (!hwnd_) return;
    RECT client;
    GetClientRect(hwnd_, &client);
    for (const ControlEntry& control : controls_) {
        if (control.kind != ControlKind::ScrollBox || GetParent(control.hwnd) != hwnd_) continue;
        const int height = std::max<LONG>(0, client.bottom - fillTop_ - fillBottom_);
        SetWindowPos(control.hwnd, nullptr, 0, fillTop_, client.right, height, SWP_NOZORDER | SWP_NOACTIVATE);
        UpdateScrollBars(control.hwnd);
    }
}

LRESULT Form::RouteFromChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    LRESULT result = 0;
    handled = false;
    switch (message) {
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
            handled = CtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), result);
            return result;
        case WM_DRAWITEM: {
            const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            const auto kind = kinds_.find(draw->hwndItem);
            if (kind != kinds_.end() && kind->second == ControlKind::PaintBox) {
                OnPaintBox(NameOf(draw->hwndItem), draw->hDC, draw->rcItem);
                handled = true;
                return TRUE;
            }
            if (kind == kinds_.end() || kind->second != ControlKind::Bevel) return 0;
            RECT rect = draw->rcItem;
            FillRect(draw->hDC, &rect, BrushFor(design_.background));
            DrawEdge(draw->hDC, &rect, EDGE_ETCHED, BF_RECT);
            handled = true;
            return TRUE;
        }
        case WM_COMMAND:
            if (lParam) {
                HWND control = reinterpret_cast<HWND>(lParam);
                const std::string name = NameOf(control);
                const auto kind = kinds_.find(control);
                if (kind == kinds_.end()) {
                    // A control the toolkit did not build (a tool bar): its id is a command.
                    OnCommand(LOWORD(wParam));
                } else if (kind->second == ControlKind::Link && HIWORD(wParam) == STN_CLICKED) {
                    OnLinkClick(name);
                } else {
                    OnControlCommand(name, control, LOWORD(wParam), HIWORD(wParam));
                }
            } else if (child != hwnd_) {
                // Menu commands of pop-ups owned by a container.
                SendMessageA(hwnd_, WM_COMMAND, wParam, 0);
            }
            handled = true;
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            OnBackgroundMouseDown(child);
            handled = true;
            return 0;
        case WM_SETCURSOR: {
            // A link shows the hand while the pointer is over it; otherwise the application's cursor.
            const auto kind = kinds_.find(reinterpret_cast<HWND>(wParam));
            const bool overLink = kind != kinds_.end() && kind->second == ControlKind::Link;
            if (g_appCursor != AppCursor::Default || LOWORD(lParam) == HTCLIENT) {
                SetCursor(CursorFor(g_appCursor == AppCursor::Default && overLink ? AppCursor::Hand : g_appCursor));
                handled = true;
                return TRUE;
            }
            return 0;
        }
        default:
            if (OnMessage(child, message, wParam, lParam, result)) handled = true;
            return result;
    }
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* form = static_cast<Form*>(created->lpCreateParams);
        form->hwnd_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!form) return DefWindowProcA(window, message, wParam, lParam);
    // No exception may cross the window procedure: whatever escapes a handler reaches the error box.
    try {
        return form->Dispatch(message, wParam, lParam);
    } catch (const std::exception& error) {
        ShowErrorBox(window, error.what());
    } catch (...) {
        ShowErrorBox(window, "Unknown error");
    }
    return 0;
}

LRESULT Form::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    switch (message) {
        case WM_CLOSE:
            OnCloseRequest();
            return 0;
        case WM_SIZE: {
            // A shown window's controls are moved one at a time, and a visible control repaints at each
            // move; the fill containers stop drawing until everything has moved, then paint once.
            std::vector<HWND> held;
            for (const ControlEntry& control : controls_) {
                if (control.kind == ControlKind::ScrollBox && GetParent(control.hwnd) == hwnd_ &&
                    IsWindowVisible(control.hwnd)) {
                    SendMessageA(control.hwnd, WM_SETREDRAW, FALSE, 0);
                    held.push_back(control.hwnd);
                }
            }
            LayoutFillControls();
            OnResize();
            for (HWND box : held) {
                SendMessageA(box, WM_SETREDRAW, TRUE, 0);
                RedrawWindow(box, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
            }
            return 0;
        }
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(hwnd_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, BrushFor(design_.background));
            return TRUE;
        }
        case WM_COMMAND:
            if (lParam == 0) {
                if (menu_.Find(LOWORD(wParam))) {
                    ActivateMenuCommand(LOWORD(wParam));
                } else {
                    OnCommand(LOWORD(wParam));
                }
                return 0;
            }
            break;
        default:
            break;
    }
    bool handled = false;
    result = RouteFromChild(hwnd_, message, wParam, lParam, handled);
    if (handled) return result;
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

}  // namespace orvane::ui
