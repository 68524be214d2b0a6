#include "screens/about/about_box_layout.h"

namespace orvane {

ui::Layout BuildAboutBoxLayout(const char* webSite) {
    using ui::ControlKind;
    using ui::FontSpec;
    // clang-format off
    return {
        {.name = "Panel1",      .kind = ControlKind::Bevel,         .rect = {1, 8, 296, 177}},
        {.name = "ProductName", .kind = ControlKind::Label,         .caption = "Orvane", .rect = {80, 8, 0, 0},
         .font = FontSpec{"Georgia", 24}},
        {.name = "Version",     .kind = ControlKind::Label,         .caption = "Version 1.98", .rect = {104, 40, 0, 0}},
        {.name = "Copyright",   .kind = ControlKind::Label,         .caption = "Created by the Orvane developers",
         .rect = {80, 56, 0, 0}},
        {.name = "Comments",    .kind = ControlKind::Label,         .caption = "Written for Windows, everywhere",
         .rect = {80, 72, 0, 0}},
        {.name = "Label1",      .kind = ControlKind::Link,          .caption = webSite, .rect = {48, 96, 0, 0},
         .font = FontSpec{"Arial", 13, true, false, true}},
        {.name = "Note",        .kind = ControlKind::Label,
         .caption = "Orvane is free to use and to pass on unchanged. Please ask before republishing it on a web "
                    "site, a disc or in a collection.",
         .rect = {8, 120, 280, 51}, .font = FontSpec{"Comic Sans MS", 12}},
        {.name = "OKButton",    .kind = ControlKind::DefaultButton, .caption = "OK", .rect = {111, 196, 75, 25}},
    };
    // clang-format on
}

}  // namespace orvane
