#include <string>

#include "screens/help/help_window_layout.h"

namespace orvane {

ui::Layout BuildHelpWindowLayout(const char* webSite) {
    using ui::ControlKind;
    using ui::FontSpec;
    return {
        {"Label1", ControlKind::Label, "Using Orvane", {24, 16, 0, 0}, "", FontSpec{"Georgia", 21}},
        {"Label2",
         ControlKind::Label,
         "The begin press F5 or click the first button on the toolbar. By click the little down arrow on the left "
         "side of the first tool button you can see additional options for what to do with the System Information.",
         {16, 48, 457, 0},
         "",
         std::nullopt},
        {"Label4",
         ControlKind::Label,
         "Other buttons on the toolbar can be clicked freely to bring up additional advanced information and tools. "
         "Please note there are more options in the pull down menus that are not on the toolbar.",
         {16, 112, 465, 0},
         "",
         std::nullopt},
        {"Label5", ControlKind::Label, "Command Line Switches", {16, 176, 0, 0}, "", FontSpec{"Georgia", 16}},
        {"Label6",
         ControlKind::Label,
         "/AUTO C:\\DETAILS.TXT" + std::string(11, ' ') + "Example:" + std::string(2, ' ') +
             "C:\\ORVANE.EXE /AUTO C:\\DETAILS.TXT",
         {16, 208, 0, 0},
         "",
         std::nullopt},
        {"Label7",
         ControlKind::Label,
         "This will instruct Orvane to automatically retrieve the system information and write it to a text file "
         "specified in the second parameter.",
         {16, 232, 457, 0},
         "",
         std::nullopt},
        {"Label8", ControlKind::Label, "/NOCOM", {16, 280, 0, 0}, "", std::nullopt},
        {"Label9",
         ControlKind::Label,
         "If you know that your PC or Laptop does not have the old COM ports, you can use this switch to stop Orvane "
         "from trying to communicate with it. You only need to do this if you find that your PC freezes when "
         "retrieving the System Info.",
         {16, 304, 457, 0},
         "",
         std::nullopt},
        {"Label3", ControlKind::StaticLink, webSite, {16, 360, 0, 0}, "", std::nullopt},
    };
}

}  // namespace orvane
