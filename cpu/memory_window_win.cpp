#include "cpu/memory_window_win.h"

#include <shellapi.h>

#include "app/web_addresses.h"
#include "cpu/memory_info.h"
#include "cpu/memory_window_layout.h"
#include "ui/gauge_win.h"
#include "ui/print_image_win.h"

namespace orvane {

MemoryForm::MemoryForm(platform::System& sys)
    : ui::Form(ui::FormSpec{.className = "TfrmMemory",
                            .caption = "Memory",
                            .width = kMemoryClientWidth,
                            .height = kMemoryClientHeight,
                            .clientSize = true,
                            .border = ui::FormBorder::Single,
                            .maximizeBox = false}),
      sys_(sys) {}

ui::Layout MemoryForm::BuildLayout() {
    return BuildMemoryWindowLayout(kAuthorSite);
}

ui::MenuBar MemoryForm::BuildMenuBar() {
    // clang-format off
    return {
        {"File1", "File", {}, {}, false, true, {
            {"Print1", "Quick Print", {}, [this] { Print1Click(); }, false, true, {}},
            ui::MenuItem::Separator(),
            {"Close1", "Close", {}, [this] { Close1Click(); }, false, true, {}},
        }},
        {"View1", "View", {}, {}, false, true, {
            {"Refresh1", "Refresh", {}, [this] { Refresh1Click(); }, false, true, {}},
        }},
    };
    // clang-format on
}

void MemoryForm::OnShow() {
    InvokeMenu("Refresh1");
}

void MemoryForm::Refresh1Click() {
    const MemoryWindowTexts texts = ReadMemoryWindow(sys_);
    for (std::size_t i = 0; i < texts.values.size(); ++i) SetTextNow(kMemoryValueNames[i], texts.values[i]);
    GaugeOf(kMemoryGaugeName).SetPosition(texts.load);
}

void MemoryForm::Print1Click() {
    ui::PrintClientAreaImage(Handle());
}

void MemoryForm::Close1Click() {
    HideForm();
}

void MemoryForm::OnClick(const std::string& name) {
    if (name == kMemoryLinkName) ShellExecuteA(nullptr, "open", kAuthorSite, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace orvane
