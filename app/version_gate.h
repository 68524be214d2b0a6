#pragma once
// The start-up gate: Orvane refuses Windows 95 and Win32s.

#include <optional>

#include "platform/os_info.h"

namespace orvane {

inline constexpr const char* kRefusalTitle = "Warning";
inline constexpr const char* kRefusalText = "Orvane will not run on Windows 95.";

// 0 for the NT family, 1 for Win32s and Windows 95, 2 for Windows 98, 3 for ME and other 9x versions.
int GetWin9xRelease(const std::optional<platform::OsVersion>& version);

inline bool RefusesToRun(const std::optional<platform::OsVersion>& version) {
    return GetWin9xRelease(version) == 1;
}

}  // namespace orvane
