#pragma once
// A small form toolkit over the raw Win32 API: a window built from a layout table, its controls found
// by name without regard to case, its colours and fonts, typed events from its controls, named timers,
// anchoring, and its show/close behaviour. Each of the program's windows derives from Form and adds
// handlers.

#include <windows.h>
#include <commctrl.h>

#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/win32/callback_guard.h"
#include "platform/win32/handles.h"
#include "ui/layout.h"
#include "ui/menu.h"

namespace orvane::ui {

class ListView;
class ComboBox;
class CheckList;
class Gauge;
class StatusBar;
class ImageBox;

// Design pixels are 96-DPI units; this is the one place that maps them to the screen.
int Scale(int designPixels);
int Unscale(int screenPixels);

enum class FormBorder { Sizeable, Single, Dialog };
enum class FormPosition { ScreenCenter, MainFormCenter };

struct FormSpec {
    const char* className = "";  // the window class, also the name tests look windows up by
    const char* caption = "";
    int width = 400;  // design pixels
    int height = 300;
    bool clientSize = false;  // width and height are the client area's, not the outer window's
    FormBorder border = FormBorder::Sizeable;
    bool maximizeBox = true;
    bool minimizeBox = true;
    FormPosition position = FormPosition::MainFormCenter;
    Colour background = kWhite;
};

// A detail window's frame: sizeable windows get a maximise box, fixed ones do not; all are centred on
// the main window.
FormSpec DetailFrame(const char* className, const char* caption, int width, int height, bool clientSize,
                     FormBorder border);

// The application-wide cursor: while it is not Default, every window of the program shows it.
enum class AppCursor { Default, Wait, Hand };
void SetAppCursor(AppCursor cursor);
AppCursor CurrentAppCursor();

// The busy cursor for the scope's lifetime, restored however the scope ends.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    AppCursor previous_;
};

// The application's standard error box: the error's text, one OK button, the program's title.
void ShowErrorBox(HWND owner, const std::string& text);
// Hands one message of the program's queue on: a window's shortcuts and dialog keys first, then its
// window procedure. The main loop and ProcessPendingMessages share it.
bool TranslateAndDispatch(MSG& message);
// Runs the messages waiting in the queue and returns once it is empty, so that a long handler keeps
// the windows usable. A quit message is left in the queue for the main loop.
void ProcessPendingMessages();

// Reports an error that escaped a handler: a user error's message (any other error's own text, or
// "Unknown error") in the error box owned by `owner`, after which the program goes on. Without an
// owner, or while an error box of this kind is already open, the error only ends what it interrupted.
void ReportEscapedError(HWND owner, const std::exception_ptr& error);
// The text the error box shows for an escaped error.
std::string EscapedErrorText(const std::exception_ptr& error);

// The window an error escaping the handling of a message is reported to: the root window of `window`,
// or none for the messages that draw or take a window down, where a modal box would come back with
// every repaint.
HWND ErrorBoxOwner(HWND window, UINT message);

// Runs a callback of the system under the program's guard (platform/win32/callback_guard.h): what
// escapes body() is reported to `owner`, and the callback gives `failed` back to the system.
template <typename Body>
void Guarded(HWND owner, Body&& body) noexcept {
    win32::GuardCallback(std::forward<Body>(body),
                         [owner](const std::exception_ptr& error) { ReportEscapedError(owner, error); });
}
template <typename Result, typename Body>
Result Guarded(HWND owner, Result failed, Body&& body) noexcept {
    return win32::GuardCallback(failed, std::forward<Body>(body),
                                [owner](const std::exception_ptr& error) { ReportEscapedError(owner, error); });
}

// Runs a command handler; an error that escapes it reaches the error box and the program goes on.
void RunCommand(HWND owner, const std::function<void()>& handler);

// A fault the end-to-end tests plant to show what the user sees when a handler fails: the variable
// ORVANE_TEST_FAULT names a control whose commands and notifications throw a user error ("Planted
// fault in <name>"), or, with ":internal" after the name, an error of another kind. In an ordinary run
// the variable is unset and nothing is planted.
void ThrowPlantedFault(const std::string& control);

class Form {
public:
    explicit Form(const FormSpec& design);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Creates the window (hidden) and its controls, then runs OnCreate.
    void Create(Form* owner);
    HWND Handle() const { return hwnd_; }
    static Form* FromHandle(HWND window);

    HWND Control(std::string_view name) const;
    // The name of a control of this form, or the empty text.
    std::string NameOf(HWND control) const;
    std::string Text(std::string_view name) const;
    void SetText(std::string_view name, const std::string& text);
    // Writes the text and repaints the control at once, without waiting for the message loop.
    void SetTextNow(std::string_view name, const std::string& text);
    // Repaints a control (a paint box) at once.
    void Redraw(std::string_view name);

    // The typed controls of this form, by name; an absent control gives an empty wrapper that
    // does nothing.
    ListView List(std::string_view name) const;
    ComboBox Combo(std::string_view name) const;
    CheckList Checks(std::string_view name) const;
    Gauge GaugeOf(std::string_view name) const;
    StatusBar Status(std::string_view name) const;
    ImageBox Image(std::string_view name) const;

    // Shows the window (or brings it to the front when it is already shown), then runs OnShow.
    void ShowForm(int showCommand = SW_SHOWNORMAL);
    // Shows the window modally: its owner cannot be used until it is hidden again.
    void ShowModal();
    void HideForm();
    bool Visible() const;

    HACCEL Accelerators() const { return accelerators_; }
    // Windows with buttons take Tab, Enter and Esc the way dialogs do.
    virtual bool UsesDialogKeys() const { return false; }

    // Runs a menu item of this window by its name, as a second control for the same command does.
    void InvokeMenu(const std::string& name);
    bool MenuChecked(const std::string& name) const { return menu_.Checked(name); }
    // Shows a hidden top-level menu (by caption) as a pop-up at a point on the screen.
    void ShowPopupMenu(const std::string& caption, POINT screen);

    // Named timers: the tick reaches OnTimer with the name. Starting a running timer restarts it.
    void StartTimer(const std::string& name, unsigned milliseconds);
    void StopTimer(const std::string& name);
    bool TimerRunning(const std::string& name) const;

    // Messages that the scroll box and other containers pass up to the form.
    LRESULT RouteFromChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, bool& handled);

    // For the kinds' set-up: a command id for a tool button, and resources the form frees with itself.
    int AddToolCommand(HWND toolBar, const ToolButtonSpec& button);
    void KeepImageList(HIMAGELIST list);
    HFONT FontFor(const FontSpec& font);

protected:
    virtual Layout BuildLayout() { return {}; }
    // The window's main menu, as data; its shortcuts become the window's accelerators.
    virtual MenuBar BuildMenuBar() { return {}; }
    virtual void OnCreate() {}
    virtual void OnShow() {}
    // The close box and Alt+F4. Detail windows only hide; the main window overrides this.
    virtual void OnCloseRequest() { HideForm(); }
    // A command id that is neither a menu item nor a control's (IDOK from the dialog keys).
    virtual void OnCommand(int /*id*/) {}
    virtual void OnResize() {}

    // --- Typed events from the controls, by the control's name ---
    // A button, a link or a tool button was clicked.
    virtual void OnClick(const std::string& /*name*/) {}
    // A drop-down's or a list view's selection changed, or the text typed into a drop-down's field.
    virtual void OnSelectionChanged(const std::string& /*name*/) {}
    // A right-click on a control; by default its declared context menu opens there.
    virtual void OnContextMenu(const std::string& name, POINT screen);
    virtual void OnTimer(const std::string& /*name*/) {}
    // Draws a PaintBox control.
    virtual void OnPaintBox(const std::string& /*name*/, HDC /*dc*/, const RECT& /*rect*/) {}
    // Paints a panel's background; false leaves it to the panel (plain white).
    virtual bool OnPaintBackground(const std::string& /*name*/, HDC /*dc*/, const RECT& /*rect*/) { return false; }
    // A mouse press on the background of a container (not on a control).
    virtual void OnBackgroundMouseDown(const std::string& /*container*/) {}
    // A hook for anything else, sent to the form (source = its own window) or passed up by one of its
    // containers (source = the container); return true when the message was handled.
    virtual bool OnMessage(HWND /*source*/, UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                           LRESULT& /*result*/) {
        return false;
    }

    // Keys beyond the menu's own shortcuts.
    void SetAccelerators(const std::vector<ACCEL>& keys);
    const MenuModel& Menu() const { return menu_; }
    // Runs a menu command with the program's error handling and shows the new check marks.
    void ActivateMenuCommand(int id);
    // Places the aligned controls again (after one of them was shown or hidden).
    void ArrangeControls();
    const FormSpec& Design() const { return design_; }
    Form* Owner() const { return owner_; }

private:
    struct ControlEntry {
        ControlSpec design;
        HWND hwnd;
        ATOM nameAtom;
    };
    struct ToolCommand {
        HWND toolBar;
        ToolButtonSpec button;
    };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    HWND CreateControl(const ControlSpec& design, HWND parent);
    HBRUSH BrushFor(Colour colour);
    COLORREF BackgroundOf(const ControlSpec& design) const;
    bool CtlColor(HDC dc, HWND control, LRESULT& result);
    bool HandleNotify(const NMHDR& header, LRESULT& result);
    void HandleControlCommand(HWND control, WPARAM wParam);
    const ControlEntry* EntryOf(HWND control) const;
    POINT InitialPosition(int outerWidth, int outerHeight) const;
    HMENU PopupFor(const std::string& caption);

    FormSpec design_;
    Form* owner_ = nullptr;
    HWND hwnd_ = nullptr;
    // The window's rectangle once created: what the windows it owns are centred on, whenever made.
    RECT createdRect_{};
    std::vector<HWND> held_;  // containers whose drawing is held while the window is resized
    HACCEL accelerators_ = nullptr;
    MenuModel menu_;
    HMENU menuHandle_ = nullptr;
    std::vector<ControlEntry> controls_;
    std::map<std::string, std::size_t> byName_;  // upper-case name -> index in controls_
    std::map<HWND, std::size_t> byHandle_;
    std::map<int, ToolCommand> toolCommands_;
    std::map<std::string, UINT_PTR> timers_;  // running timers by name
    std::map<std::string, HMENU> popups_;     // hidden top-level menus, built on first use
    std::vector<HIMAGELIST> imageLists_;
    std::vector<win32::GdiObject<HBITMAP>> menuPictures_;
    std::vector<std::pair<std::string, win32::GdiObject<HFONT>>> fonts_;
    std::map<Colour, win32::GdiObject<HBRUSH>> brushes_;
};

// The property that carries a control's name as a global atom, so that another process (the
// end-to-end tests) can find a control by the name the program uses.
inline constexpr const char* kControlNameProperty = "OrvaneControlName";

// A layout colour as the screen shows it: a system colour (SystemColour) by the user's scheme.
COLORREF ResolveColour(Colour colour);

// A 32-bit top-down DIB of the pixels (0xAARRGGBB), premultiplied for image lists and menus.
HBITMAP BitmapFromPixels(const std::vector<std::uint32_t>& pixels, int width, int height, bool premultiply);

}  // namespace orvane::ui
