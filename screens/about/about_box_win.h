#pragma once
// TAboutBox, shown modally by Help > About.

#include "platform/shell.h"
#include "ui/form_win.h"

namespace orvane {

class AboutBox : public ui::Form {
public:
    explicit AboutBox(platform::Shell& shell);
    bool UsesDialogKeys() const override { return true; }

protected:
    ui::Layout BuildLayout() override;
    void OnShow() override;
    void OnCommand(int id) override;
    void OnClick(const std::string& name) override;

private:
    platform::Shell& shell_;
};

}  // namespace orvane
