#pragma once
// TAboutBox, shown modally by Help > About.

#include "ui/form_win.h"

namespace orvane {

class AboutBox : public ui::Form {
public:
    AboutBox();
    bool UsesDialogKeys() const override { return true; }

protected:
    ui::Layout BuildLayout() override;
    void OnShow() override;
    void OnCommand(int id) override;
    void OnClick(const std::string& name) override;
};

}  // namespace orvane
