#pragma once

#include <string>
#include <string_view>

namespace orvane::platform {

class Files {
public:
    virtual ~Files() = default;
    // Writes the bytes beside the target and then replaces the target with them, so that a failure
    // never leaves a truncated file where the old one was. 0 on success, else the system's error code.
    virtual int ReplaceFileContents(const std::string& path, std::string_view bytes) = 0;
};

}  // namespace orvane::platform
