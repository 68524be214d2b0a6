#pragma once
// Opening a web address with the user's browser, through the shell seam: the author's link on the
// windows, and the About box's.

#include <string>

#include "platform/shell.h"

namespace orvane {

// The shell's "open" of the address with no parent window, shown normally; fire-and-forget.
void OpenAddress(platform::Shell& shell, const std::string& address);
void OpenAuthorSite(platform::Shell& shell);

}  // namespace orvane
