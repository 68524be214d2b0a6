#include "ui/form_win.h"

#include <algorithm>
#include <exception>

#include "core/text.h"
#include "ui/check_list_win.h"
#include "ui/combo_box_win.h"
#include "ui/control_kinds_win.h"
#include "ui/gauge_win.h"
#include "ui/image_win.h"
#include "ui/list_view_win.h"
#include "ui/menu_win.h"
#include "ui/scroll_box_win.h"
#include "ui/status_bar_win.h"

namespace orvane::ui {

namespace {

constexpr UINT_PTR kFirstControlId = 1000;
// Tool buttons and timers are numbered from here, clear of the controls and the menu items.
constexpr int kFirstToolCommand = 20000;
constexpr UINT_PTR kFirstTimer = 100;

AppCursor g_appCursor = AppCursor::Default;

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

std::string UpperName(std::string_view name) {
    return ToUpperAscii(name);
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

// Kinds whose caption sizes them when the layout gives no width or height.
bool SizedByCaption(ControlKind kind) {
    switch (kind) {
        case ControlKind::Heading:
        case ControlKind::Link:
        case ControlKind::Label:
        case ControlKind::StaticLink:
        case ControlKind::ArrowLink:
        case ControlKind::LabelEdit:
        case ControlKind::ValueEdit:
            return true;
        default:
            return false;
    }
}

bool IsTextKind(ControlKind kind) {
    return kind == ControlKind::Heading || kind == ControlKind::Link || kind == ControlKind::Label ||
           kind == ControlKind::StaticLink || kind == ControlKind::ArrowLink;
}

}  // namespace

FormSpec DetailFrame(const char* className, const char* caption, int width, int height, bool clientSize,
                     FormBorder border) {
    return FormSpec{.className = className,
                    .caption = caption,
                    .width = width,
                    .height = height,
                    .clientSize = clientSize,
                    .border = border,
                    .maximizeBox = border == FormBorder::Sizeable};
}

void SetAppCursor(AppCursor cursor) {
    g_appCursor = cursor;
    SetCursor(CursorFor(cursor));
}

AppCursor CurrentAppCursor() {
    return g_appCursor;
}

BusyCursor::BusyCursor() : previous_(g_appCursor) {
    SetAppCursor(AppCursor::Wait);
}
BusyCursor::~BusyCursor() {
    SetAppCursor(previous_);
}

FormHost* HostOf(HWND window) {
    return Form::FromHandle(window);
}

Form::Form(const FormSpec& design) : design_(design) {}

Form::~Form() {
    // The name properties go with the windows; only the atoms they hold are released here.
    for (const ControlEntry& control : controls_) {
        if (control.design.kind == ControlKind::Image) ReleaseImage(control.hwnd);
        if (control.nameAtom) GlobalDeleteAtom(control.nameAtom);
    }
    if (hwnd_) {
        for (const auto& [name, id] : timers_) KillTimer(hwnd_, id);
        // The window and its containers stop passing messages to this form before they go: the
        // window's own class no longer exists here, only the toolkit's part of it.
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        for (const ControlEntry& control : controls_) {
            if (TraitsOf(control.design.kind).container) DetachContainer(control.hwnd);
        }
        DestroyWindow(hwnd_);
    }
    for (const auto& [caption, popup] : popups_) DestroyMenu(popup);
    for (HIMAGELIST list : imageLists_) ImageList_Destroy(list);
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
    RegisterBarGaugeClass();

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
    ArrangeControls();
    // Run outside any window procedure: the window stays, with what OnCreate set up before the error.
    Guarded(hwnd_, [this] { OnCreate(); });
}

void Form::CreateControls() {
    const Layout layout = BuildLayout();
    controls_.reserve(layout.size());
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
        byHandle_[control] = controls_.size();
        controls_.push_back({design, control, atom});
        if (const auto prepare = TraitsOf(design.kind).hooks.prepare) prepare(*this, control, design);
    }
    for (const ControlEntry& control : controls_) {
        if (control.design.kind == ControlKind::ScrollBox) UpdateScrollBars(control.hwnd);
    }
}

HWND Form::CreateControl(const ControlSpec& design, HWND parent) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    const HMENU id = reinterpret_cast<HMENU>(kFirstControlId + controls_.size());
    const KindTraits& traits = TraitsOf(design.kind);
    const FontSpec font = design.font.value_or(traits.font);
    DWORD style = WS_CHILD | WS_VISIBLE | traits.style;
    // A label sized to its caption stays on one line; one with a width wraps within it.
    if (IsTextKind(design.kind)) style |= design.rect.width == 0 ? SS_LEFTNOWORDWRAP : SS_LEFT;
    // A check list of more than one column fills them top to bottom, then left to right.
    if (design.kind == ControlKind::CheckList && design.columns.size() > 1) style |= LBS_MULTICOLUMN;
    int height = Scale(design.rect.height);
    // A drop-down's height includes its open list.
    if (design.kind == ControlKind::DropDownList || design.kind == ControlKind::DropDown) height = Scale(200);
    // A container finds the form it passes its messages up to in its creation data.
    FormHost* host = this;
    HWND control = CreateWindowExA(traits.exStyle, traits.windowClass, design.caption.c_str(), style,
                                   Scale(design.rect.x), Scale(design.rect.y), Scale(design.rect.width), height, parent,
                                   id, instance, traits.container ? static_cast<void*>(host) : nullptr);
    if (!control) return nullptr;
    if (!traits.container) {
        HFONT handle = FontFor(font);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(handle), FALSE);
        if (SizedByCaption(design.kind) && (design.rect.width == 0 || design.rect.height == 0)) {
            // Sized to the caption; a given width wraps the caption within it.
            const SIZE text =
                TextExtent(control, handle, design.caption, design.rect.width ? Scale(design.rect.width) : 0);
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

const Form::ControlEntry* Form::EntryOf(HWND control) const {
    const auto found = byHandle_.find(control);
    return found == byHandle_.end() ? nullptr : &controls_[found->second];
}

const ToolButtonSpec* Form::ToolButton(int id) const {
    const auto found = toolCommands_.find(id);
    return found == toolCommands_.end() ? nullptr : &found->second.button;
}

bool Form::CtlColor(HDC dc, HWND control, LRESULT& result) {
    const ControlEntry* entry = EntryOf(control);
    // The field of a drop-down is the drop-down's own child and takes its colours.
    if (!entry) entry = EntryOf(GetParent(control));
    if (!entry) return false;
    const auto colour = TraitsOf(entry->design.kind).hooks.colour;
    return colour && colour(*this, entry->design, dc, result);
}

HWND Form::Control(std::string_view name) const {
    const auto found = byName_.find(UpperName(name));
    return found == byName_.end() ? nullptr : controls_[found->second].hwnd;
}

std::string Form::NameOf(HWND control) const {
    const ControlEntry* entry = EntryOf(control);
    return entry ? entry->design.name : std::string();
}

ListView Form::List(std::string_view name) const {
    return ListView(Control(name));
}
ComboBox Form::Combo(std::string_view name) const {
    return ComboBox(Control(name));
}
CheckList Form::Checks(std::string_view name) const {
    return CheckList(Control(name));
}
Gauge Form::GaugeOf(std::string_view name) const {
    return Gauge(Control(name));
}
StatusBar Form::Status(std::string_view name) const {
    return StatusBar(Control(name));
}
ImageBox Form::Image(std::string_view name) const {
    return ImageBox(Control(name));
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

void Form::Redraw(std::string_view name) {
    if (HWND control = Control(name)) RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
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
    const bool quit = RunModalLoop(hwnd_);
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

bool Form::Visible() const {
    return hwnd_ && IsWindowVisible(hwnd_);
}

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

void Form::InvokeMenu(const std::string& name) {
    ActivateMenuCommand(menu_.IdOf(name));
}

HMENU Form::PopupFor(const std::string& caption) {
    const auto found = popups_.find(caption);
    if (found != popups_.end()) return found->second;
    const MenuItem* menu = nullptr;
    for (const MenuItem& top : menu_.Bar()) {
        if (top.caption == caption) menu = &top;
    }
    if (!menu) return nullptr;
    HMENU popup = BuildPopupHandle(menu_, menu->items);
    // Items with pictures show them at the menu's small-icon size.
    const int small = Scale(16);
    UINT position = 0;
    for (const MenuItem& item : menu->items) {
        if (!item.visible) continue;
        if (item.picture) {
            menuPictures_.emplace_back(BitmapFromPixels(item.picture(small), small, small, true));
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_BITMAP;
            info.hbmpItem = menuPictures_.back().Get();
            SetMenuItemInfoA(popup, position, TRUE, &info);
        }
        ++position;
    }
    popups_[caption] = popup;
    return popup;
}

void Form::ShowPopupMenu(const std::string& caption, POINT screen) {
    if (HMENU popup = PopupFor(caption)) {
        SyncCheckMarks(popup, menu_);
        TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN, screen.x, screen.y, 0, hwnd_, nullptr);
    }
}

void Form::OnContextMenu(const std::string& name, POINT screen) {
    const auto found = byName_.find(UpperName(name));
    if (found == byName_.end()) return;
    const std::string& menu = controls_[found->second].design.popupMenu;
    if (!menu.empty()) ShowPopupMenu(menu, screen);
}

void Form::StartTimer(const std::string& name, unsigned milliseconds) {
    if (!hwnd_) return;
    auto found = timers_.find(name);
    UINT_PTR id = kFirstTimer + timers_.size();
    if (found != timers_.end()) {
        id = found->second;
    } else {
        // Ids stay unique however often timers stop and start.
        for (const auto& [existing, used] : timers_) id = std::max(id, used + 1);
    }
    if (SetTimer(hwnd_, id, milliseconds, nullptr)) timers_[name] = id;
}

void Form::StopTimer(const std::string& name) {
    const auto found = timers_.find(name);
    if (found == timers_.end()) return;
    if (hwnd_) KillTimer(hwnd_, found->second);
    timers_.erase(found);
}

bool Form::TimerRunning(const std::string& name) const {
    return timers_.count(name) != 0;
}

int Form::AddToolCommand(HWND toolBar, const ToolButtonSpec& button) {
    const int id = kFirstToolCommand + static_cast<int>(toolCommands_.size());
    toolCommands_[id] = {toolBar, button};
    return id;
}

void Form::KeepImageList(HIMAGELIST list) {
    if (list) imageLists_.push_back(list);
}

void Form::ArrangeControls() {
    if (!hwnd_) return;
    RECT client;
    GetClientRect(hwnd_, &client);
    // Hidden aligned controls give their room to the others.
    Layout shown;
    std::vector<std::size_t> indexes;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const ControlSpec& design = controls_[i].design;
        // The control's own style: a window not shown yet still arranges the bars it will show.
        const bool shownOrHeld = (GetWindowLongA(controls_[i].hwnd, GWL_STYLE) & WS_VISIBLE) != 0 ||
                                 std::find(held_.begin(), held_.end(), controls_[i].hwnd) != held_.end();
        if (design.align == Align::None || !design.parent.empty() || !shownOrHeld) continue;
        shown.push_back(design);
        indexes.push_back(i);
    }
    if (shown.empty()) return;
    const std::vector<Rect> rects = ArrangeAligned(shown, client.right, client.bottom, Scale);
    for (std::size_t k = 0; k < shown.size(); ++k) {
        const Rect& r = rects[k];
        HWND control = controls_[indexes[k]].hwnd;
        SetWindowPos(control, nullptr, r.x, r.y, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
        if (shown[k].kind == ControlKind::ScrollBox) UpdateScrollBars(control);
    }
}

void Form::HandleControlCommand(HWND control, WPARAM wParam) {
    const ControlEntry* entry = EntryOf(control);
    if (!entry) return;
    ThrowPlantedFault(entry->design.name);
    if (const auto command = TraitsOf(entry->design.kind).hooks.command) command(*this, entry->design, wParam);
}

bool Form::HandleNotify(const NMHDR& header, LRESULT& result) {
    const ControlEntry* entry = EntryOf(header.hwndFrom);
    // A tool button's tip is no control of the form: it asks on behalf of the tool bar that holds the
    // button.
    if (!entry) {
        const auto found = toolCommands_.find(static_cast<int>(header.idFrom));
        if (found != toolCommands_.end()) entry = EntryOf(found->second.toolBar);
    }
    if (!entry) return false;
    ThrowPlantedFault(entry->design.name);
    const auto notify = TraitsOf(entry->design.kind).hooks.notify;
    return notify && notify(*this, entry->hwnd, entry->design, header, result);
}

bool Form::HandleDrawItem(const DRAWITEMSTRUCT& draw) {
    const ControlEntry* entry = EntryOf(draw.hwndItem);
    if (!entry) return false;
    const auto drawItem = TraitsOf(entry->design.kind).hooks.drawItem;
    if (!drawItem) return false;
    drawItem(*this, entry->design, draw);
    return true;
}

LRESULT Form::RouteFromChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    LRESULT result = 0;
    handled = false;
    switch (message) {
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
            handled = CtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), result);
            return result;
        case WM_DRAWITEM:
            if (!HandleDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return 0;
            handled = true;
            return TRUE;
        case WM_COMMAND:
            if (lParam) {
                HandleControlCommand(reinterpret_cast<HWND>(lParam), wParam);
            } else if (child != hwnd_) {
                // Menu commands of pop-ups owned by a container.
                SendMessageA(hwnd_, WM_COMMAND, wParam, 0);
            }
            handled = true;
            return 0;
        case WM_NOTIFY:
            handled = HandleNotify(*reinterpret_cast<const NMHDR*>(lParam), result);
            if (handled) return result;
            break;
        case WM_CONTEXTMENU:
            if (const ControlEntry* entry = EntryOf(reinterpret_cast<HWND>(wParam))) {
                POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
                // From the keyboard the menu opens at the control's corner.
                if (point.x == -1 && point.y == -1) {
                    RECT rect;
                    GetWindowRect(entry->hwnd, &rect);
                    point = {rect.left, rect.top};
                }
                OnContextMenu(entry->design.name, point);
                handled = true;
                return 0;
            }
            break;
        case WM_ERASEBKGND:
            if (child != hwnd_) {
                if (const ControlEntry* entry = EntryOf(child)) {
                    RECT client;
                    GetClientRect(child, &client);
                    if (OnPaintBackground(entry->design.name, reinterpret_cast<HDC>(wParam), client)) {
                        handled = true;
                        return TRUE;
                    }
                }
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            if (child != hwnd_) {
                OnBackgroundMouseDown(NameOf(child));
                handled = true;
                return 0;
            }
            break;
        case WM_SETCURSOR: {
            // A link shows the hand while the pointer is over it; otherwise the application's cursor.
            const ControlEntry* entry = EntryOf(reinterpret_cast<HWND>(wParam));
            const bool overLink = entry && (entry->design.kind == ControlKind::Link || entry->design.handCursor);
            if (g_appCursor != AppCursor::Default || LOWORD(lParam) == HTCLIENT) {
                SetCursor(CursorFor(g_appCursor == AppCursor::Default && overLink ? AppCursor::Hand : g_appCursor));
                handled = true;
                return TRUE;
            }
            return 0;
        }
        default:
            break;
    }
    if (OnMessage(child, message, wParam, lParam, result)) handled = true;
    return result;
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
    if (message == WM_NCDESTROY) {
        // The window's last message (its owner took it down): the form keeps no handle to it.
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        form->hwnd_ = nullptr;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    // No exception may cross the window procedure: whatever escapes a handler reaches the error box.
    return Guarded(ErrorBoxOwner(window, message), LRESULT{0}, [&] { return form->Dispatch(message, wParam, lParam); });
}

LRESULT Form::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            OnCloseRequest();
            return 0;
        case WM_SIZE: {
            // A shown window's controls are moved one at a time, and a visible control repaints at each
            // move; the fill containers stop drawing until everything has moved, then paint once.
            // (Holding a window's drawing clears its visible style: the arrangement still counts it.)
            for (const ControlEntry& control : controls_) {
                if (control.design.kind == ControlKind::ScrollBox && GetParent(control.hwnd) == hwnd_ &&
                    IsWindowVisible(control.hwnd)) {
                    SendMessageA(control.hwnd, WM_SETREDRAW, FALSE, 0);
                    held_.push_back(control.hwnd);
                }
            }
            ArrangeControls();
            OnResize();
            for (HWND box : held_) {
                SendMessageA(box, WM_SETREDRAW, TRUE, 0);
                RedrawWindow(box, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
            }
            held_.clear();
            return 0;
        }
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(hwnd_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, BrushFor(design_.background));
            return TRUE;
        }
        case WM_TIMER:
            for (const auto& [name, id] : timers_) {
                if (id == wParam) {
                    const std::string tick = name;  // the handler may stop the timer
                    OnTimer(tick);
                    return 0;
                }
            }
            break;
        case WM_INITMENUPOPUP:
            // Whether a command can run is decided as its menu opens, not once at start-up.
            SyncAvailability(reinterpret_cast<HMENU>(wParam), menu_);
            return 0;
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
    const LRESULT result = RouteFromChild(hwnd_, message, wParam, lParam, handled);
    if (handled) return result;
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

}  // namespace orvane::ui
