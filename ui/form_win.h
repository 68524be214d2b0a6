#pragma once
// A small form toolkit over the raw Win32 API: a window built from a layout table, its controls found
// by name without regard to case, its colours and fonts, and its show/close behaviour. Each of the
// program's windows derives from Form and adds handlers.

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/handles.h"
#include "ui/layout.h"
#include "ui/menu.h"

namespace orvane::ui {

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
// Runs a command handler; an error that escapes it reaches the error box and the program goes on.
void RunCommand(HWND owner, const std::function<void()>& handler);

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

    // Messages that the scroll box and other containers pass up to the form.
    LRESULT RouteFromChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, bool& handled);

protected:
    virtual Layout BuildLayout() { return {}; }
    // The window's main menu, as data; its shortcuts become the window's accelerators.
    virtual MenuBar BuildMenuBar() { return {}; }
    virtual void OnCreate() {}
    virtual void OnShow() {}
    // The close box and Alt+F4. Detail windows only hide; the main window overrides this.
    virtual void OnCloseRequest() { HideForm(); }
    virtual void OnCommand(int /*id*/) {}
    // A notification from a control (a button press, a link click); name is the control's own.
    virtual void OnControlCommand(const std::string& /*name*/, HWND /*control*/, int /*id*/, int /*notifyCode*/) {}
    virtual void OnResize() {}
    // A hook for anything else, sent to the form (source = its own window) or passed up by one of its
    // containers (source = the container); return true when the message was handled.
    virtual bool OnMessage(HWND /*source*/, UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                           LRESULT& /*result*/) {
        return false;
    }
    // A click on a Link control.
    virtual void OnLinkClick(const std::string& /*name*/) {}
    // Draws a PaintBox control.
    virtual void OnPaintBox(const std::string& /*name*/, HDC /*dc*/, const RECT& /*rect*/) {}
    // A mouse press on the background of a container (not on a control).
    virtual void OnBackgroundMouseDown(HWND /*container*/) {}

    // Keys beyond the menu's own shortcuts.
    void SetAccelerators(const std::vector<ACCEL>& keys);
    const MenuModel& Menu() const { return menu_; }
    // Runs a menu command with the program's error handling and shows the new check marks.
    void ActivateMenuCommand(int id);
    // Space kept free above and below the controls that fill the client area (tool bar, status bar).
    void SetFillInsets(int top, int bottom);
    void LayoutFillControls();
    const FormSpec& Design() const { return design_; }
    Form* Owner() const { return owner_; }

private:
    struct ControlEntry {
        std::string name;
        ControlKind kind;
        HWND hwnd;
        ATOM nameAtom;
    };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    HWND CreateControl(const ControlSpec& design, HWND parent);
    HFONT FontFor(const FontSpec& font);
    HBRUSH BrushFor(Colour colour);
    bool CtlColor(HDC dc, HWND control, LRESULT& result);
    POINT InitialPosition(int outerWidth, int outerHeight) const;

    FormSpec design_;
    Form* owner_ = nullptr;
    HWND hwnd_ = nullptr;
    // The window's rectangle once created: what the windows it owns are centred on, whenever made.
    RECT createdRect_{};
    HACCEL accelerators_ = nullptr;
    MenuModel menu_;
    HMENU menuHandle_ = nullptr;
    int fillTop_ = 0;
    int fillBottom_ = 0;
    std::vector<ControlEntry> controls_;
    std::map<std::string, std::size_t> byName_;  // upper-case name -> index in controls_
    std::map<HWND, ControlKind> kinds_;
    std::vector<std::pair<std::string, win32::GdiObject<HFONT>>> fonts_;
    std::map<Colour, win32::GdiObject<HBRUSH>> brushes_;
};

// The property that carries a control's name as a global atom, so that another process (the
// end-to-end tests) can find a control by the name the program uses.
inline constexpr const char* kControlNameProperty = "OrvaneControlName";

}  // namespace orvane::ui
