#pragma once
// TAboutBox, shown modally by Help > About.

#include "ui/form_win.h"

namespace orvane {

class AboutBox : public ui::Form {
public:
    AboutBox();
    // Shows the box and returns when it is closed; the owner cannot be used meanwhile.
    void ShowModal();
    bool UsesDialogKeys() const override { return true; }

protected:
    ui::Layout BuildLayout() override;
    void OnCloseRequest() override;
    void OnControlCommand(const std::string& name, HWND control, int id, int notifyCode) override;
    void OnLinkClick(const std::string& name) override;

private:
    bool open_ = false;
};

}  // namespace orvane
