#include "launcher/open_address.h"

#include "core/web_addresses.h"

namespace orvane {

namespace {
constexpr int kShowNormal = 1;  // SW_SHOWNORMAL
}

void OpenAddress(platform::Shell& shell, const std::string& address) {
    shell.ShellOpen({.parent = 0, .verb = "open", .file = address, .show = kShowNormal});
}

void OpenAuthorSite(platform::Shell& shell) {
    OpenAddress(shell, kAuthorSite);
}

}  // namespace orvane
