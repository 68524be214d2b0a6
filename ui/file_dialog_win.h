#pragma once
// A save or open dialog kept for the whole run: it remembers the last file name and filter entry.

#include <windows.h>

#include <optional>
#include <string>

namespace orvane::ui {

class FileDialog {
public:
    // filter: "Name|pattern|Name|pattern"; defaultExtension without the dot, or empty.
    FileDialog(std::string filter, std::string defaultExtension, bool save);

    // The chosen path, or nullopt when the user cancels. An existing file is not questioned.
    std::optional<std::string> Show(HWND owner);
    // The filter entry chosen last, from 1.
    int FilterIndex() const { return filterIndex_; }

private:
    std::string filter_;  // with NULs in place of the bars
    std::string defaultExtension_;
    bool save_;
    std::string fileName_;
    int filterIndex_ = 1;
};

}  // namespace orvane::ui
