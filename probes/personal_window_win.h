#pragma once
// TfrmPersonal, the personal information window: the identity rows that the summary refresh fills,
// and the administrator line that its own (hidden) Refresh fills.

#include "platform/system.h"
#include "probes/personal_rows.h"
#include "ui/form_win.h"

namespace orvane {

class PersonalForm : public ui::Form {
public:
    explicit PersonalForm(platform::System& sys);

    // View > Refresh (a hidden item, run by the main window's Personal command).
    void Refresh1Click();
    // File > Quick Print.
    void QuickPrint1Click();
    // File > Close.
    void Close1Click();

    // The computer-name row, empty until a summary refresh has filled it.
    std::string ComputerName() const;
    // Writes one of the rows that the summary refresh fills, shown at once.
    void ShowRefreshValue(PersonalRow row, const std::string& text);

protected:
    ui::Layout BuildLayout() override;
    ui::MenuBar BuildMenuBar() override;

private:
    platform::System& sys_;
};

}  // namespace orvane
