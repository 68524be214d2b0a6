#include "app/version_gate.h"

namespace orvane {

using platform::kPlatformWin32s;
using platform::kPlatformWindows;

int GetWin9xRelease(const std::optional<platform::OsVersion>& version) {
    // A failed call leaves the record zeroed, which reads as Win32s.
    const platform::OsVersion v = version.value_or(platform::OsVersion{});
    if (v.platformId == kPlatformWin32s) return 1;
    if (v.platformId != kPlatformWindows) return 0;
    if (v.major == 4 && v.minor == 0) return 1;
    if (v.major == 4 && v.minor == 10) return 2;
    return 3;
}

}  // namespace orvane
