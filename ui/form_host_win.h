#pragma once
// What the toolkit's parts around a form ask of it: the control kinds raise their events and borrow
// its resources, the containers pass their messages up, the message pump takes its keys. Form
// implements it, so that those parts never need Form itself.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ui/layout.h"

namespace orvane::ui {

class FormHost {
public:
    // --- Keys, for the message pump ---
    virtual HACCEL Accelerators() const = 0;
    // Windows with buttons take Tab, Enter and Esc the way dialogs do.
    virtual bool UsesDialogKeys() const = 0;

    // Messages that the scroll box and other containers pass up to the form.
    virtual LRESULT RouteFromChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, bool& handled) = 0;

    // --- For the kinds' set-up: a command id for a tool button, and resources the form frees with itself ---
    virtual int AddToolCommand(HWND toolBar, const ToolButtonSpec& button) = 0;
    virtual void KeepImageList(HIMAGELIST list) = 0;
    virtual HFONT FontFor(const FontSpec& font) = 0;

    // --- For the kinds' message hooks ---
    // The typed events, by the control's name.
    virtual void RaiseClick(const std::string& name) = 0;
    virtual void RaiseSelectionChanged(const std::string& name) = 0;
    virtual void RaisePaintBox(const std::string& name, HDC dc, const RECT& rect) = 0;
    // Shows a hidden top-level menu (by caption) as a pop-up at a point on the screen.
    virtual void ShowPopupMenu(const std::string& caption, POINT screen) = 0;
    // The tool button a command id stands for, or nullptr.
    virtual const ToolButtonSpec* ToolButton(int id) const = 0;
    // The form's own background (an RGB colour, never a system colour).
    virtual Colour Background() const = 0;
    // A solid brush of the colour, kept as long as the form.
    virtual HBRUSH BrushFor(Colour colour) = 0;

protected:
    ~FormHost() = default;
};

// The form whose window this is, or nullptr for any other window (a control, another program's).
FormHost* HostOf(HWND window);

}  // namespace orvane::ui
