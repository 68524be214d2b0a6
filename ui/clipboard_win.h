#pragma once
// Putting text on the clipboard, with an error the user can read when it does not get there.

#include <windows.h>

#include <string>

namespace orvane::ui {

// Replaces the clipboard's contents with the text (CF_TEXT). Throws UserError when the clipboard cannot
// be opened or the text cannot be placed on it, so that no one is told it was copied when it was not.
void CopyTextToClipboard(HWND owner, const std::string& text);

}  // namespace orvane::ui
