#pragma once
// TfrmHelp, the program's user documentation, shown non-modally by Help > Using Orvane.

#include "ui/form_win.h"

namespace orvane {

class HelpForm : public ui::Form {
public:
    HelpForm();

protected:
    ui::Layout BuildLayout() override;
};

}  // namespace orvane
