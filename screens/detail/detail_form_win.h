#pragma once
// The frame every detail window shares: File > Print (or Quick Print) and Close (or Exit), View >
// Refresh run from the show handler, printing a picture of the client area, and the author's link.
// A window declares which of these it has and how they read; its own file then holds only what differs.

#include <string>
#include <vector>

#include "platform/system.h"
#include "ui/form_win.h"

namespace orvane {

struct DetailMenuSpec {
    const char* fileCaption = "File";
    // The print item; nullptr for a window that has none.
    const char* printName = "Print1";
    const char* printCaption = "Print";
    ui::Shortcut printShortcut{};
    const char* closeName = "Close1";
    const char* closeCaption = "Close";
    ui::Shortcut closeShortcut{};
    // The View menu with its Refresh item; nullptr for a window that has none.
    const char* viewCaption = "View";
    // A hidden View menu keeps its Refresh for the other windows to invoke.
    bool viewVisible = true;
    ui::Shortcut refreshShortcut{};
    // Whether showing the window runs its Refresh.
    bool refreshOnShow = true;
    // The link label that opens the author's web site; nullptr for a window without one.
    const char* authorLink = nullptr;
};

class DetailForm : public ui::Form {
public:
    DetailForm(const ui::FormSpec& design, platform::System& sys, const DetailMenuSpec& menu);

    // View > Refresh.
    virtual void Refresh1Click() {}
    // The print item: a picture of the client area on the default printer, unless the window prints
    // something else.
    virtual void PrintClick();
    // The close item does what the close box does.
    void CloseClick() { OnCloseRequest(); }

protected:
    // The File menu and then the View menu; a window with more menus builds its bar from the two.
    ui::MenuBar BuildMenuBar() override;
    ui::MenuItem FileMenu();
    ui::MenuItem ViewMenu(std::vector<ui::MenuItem> more = {});
    void OnShow() override;
    // The author's link opens the web site; any other click goes to OnControlClick.
    void OnClick(const std::string& name) final;
    virtual void OnControlClick(const std::string& /*name*/) {}

    platform::System& sys_;

private:
    DetailMenuSpec menu_;
};

}  // namespace orvane
