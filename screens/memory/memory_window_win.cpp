#include "screens/memory/memory_window_win.h"

#include "core/web_addresses.h"
#include "screens/memory/memory_model.h"
#include "screens/memory/memory_window_layout.h"
#include "ui/gauge_win.h"

namespace orvane {

MemoryForm::MemoryForm(platform::System& sys)
    : DetailForm(ui::FormSpec{.className = "TfrmMemory",
                            .caption = "Memory",
                            .width = kMemoryClientWidth,
                            .height = kMemoryClientHeight,
                            .clientSize = true,
                            .border = ui::FormBorder::Single,
                            .maximizeBox = false},
                 sys,
                 {.printCaption = "Quick Print", .authorLink = kMemoryLinkName}) {}

ui::Layout MemoryForm::BuildLayout() {
    return BuildMemoryWindowLayout(kAuthorSite);
}

void MemoryForm::Refresh1Click() {
    const MemoryWindowTexts texts = ReadMemoryWindow(sys_);
    for (std::size_t i = 0; i < texts.values.size(); ++i) SetTextNow(kMemoryValueNames[i], texts.values[i]);
    GaugeOf(kMemoryGaugeName).SetPosition(texts.load);
}

}  // namespace orvane
