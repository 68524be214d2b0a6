#pragma once
// TfrmPersonal, the personal information window: the identity rows that the summary refresh fills,
// and the administrator line that its own (hidden) Refresh fills.

#include "screens/detail/detail_form_win.h"
#include "screens/personal/personal_model.h"

namespace orvane {

class PersonalForm : public DetailForm {
public:
    explicit PersonalForm(platform::System& sys);

    // View > Refresh (a hidden item, run by the main window's Personal command).
    void Refresh1Click() override;

    // The computer-name row, empty until a summary refresh has filled it.
    std::string ComputerName() const;
    // Writes one of the rows that the summary refresh fills, shown at once.
    void ShowRefreshValue(PersonalRow row, const std::string& text);

protected:
    ui::Layout BuildLayout() override;
};

}  // namespace orvane
