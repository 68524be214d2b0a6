#pragma once
// A small form toolkit over the raw Win32 API: a window built from a layout table, its controls found
// by name without regard to case, its colours and fonts, typed events from its controls, named timers,
// anchoring, and its show/close behaviour. Each of the program's windows derives from Form and adds
// handlers.

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/handles.h"
#include "ui/bitmap_win.h"
#include "ui/colour_win.h"
#include "ui/dpi_win.h"
#include "ui/error_box_win.h"
#include "ui/form_host_win.h"
#include "ui/layout.h"
#include "ui/menu.h"
#include "ui/message_pump_win.h"

namespace orvane::ui {

class ListView;
class ComboBox;
class CheckList;
class Gauge;
class StatusBar;
class ImageBox;

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

class Form : public FormHost {
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

    HACCEL Accelerators() const override { return accelerators_; }
    // Windows with buttons take Tab, Enter and Esc the way dialogs do.
    bool UsesDialogKeys() const override { return false; }

    // Runs a menu item of this window by its name, as a second control for the same command does.
    void InvokeMenu(const std::string& name);
    bool MenuChecked(const std::string& name) const { return menu_.Checked(name); }
    // Shows a hidden top-level menu (by caption) as a pop-up at a point on the screen.
    void ShowPopupMenu(const std::string& caption, POINT screen) override;

    // Named timers: the tick reaches OnTimer with the name. Starting a running timer restarts it.
    void StartTimer(const std::string& name, unsigned milliseconds);
    void StopTimer(const std::string& name);
    bool TimerRunning(const std::string& name) const;

    // Messages that the scroll box and other containers pass up to the form.
    LRESULT RouteFromChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

    // For the kinds' set-up: a command id for a tool button, and resources the form frees with itself.
    int AddToolCommand(HWND toolBar, const ToolButtonSpec& button) override;
    void KeepImageList(HIMAGELIST list) override;
    HFONT FontFor(const FontSpec& font) override;

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

    // What the kinds' hooks ask of the form.
    void RaiseClick(const std::string& name) override { OnClick(name); }
    void RaiseSelectionChanged(const std::string& name) override { OnSelectionChanged(name); }
    void RaisePaintBox(const std::string& name, HDC dc, const RECT& rect) override { OnPaintBox(name, dc, rect); }
    const ToolButtonSpec* ToolButton(int id) const override;
    Colour Background() const override { return design_.background; }
    HBRUSH BrushFor(Colour colour) override;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    HWND CreateControl(const ControlSpec& design, HWND parent);
    // The messages about a control, handed to its kind's hooks.
    bool CtlColor(HDC dc, HWND control, LRESULT& result);
    bool HandleNotify(const NMHDR& header, LRESULT& result);
    void HandleControlCommand(HWND control, WPARAM wParam);
    bool HandleDrawItem(const DRAWITEMSTRUCT& draw);
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

}  // namespace orvane::ui
