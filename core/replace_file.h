#pragma once
// Writing a report over an old one without ever leaving a truncated file where a whole one stood.

#include <string>
#include <string_view>

#include "platform/files.h"

namespace orvane {

// The folder a path's file lies in, as the system's temporary-file call takes it.
std::string FolderOf(const std::string& path);

// Writes the bytes to a new file beside the target and replaces the target with it: ReplaceFile where
// the system has it (it keeps the old file's security and links), a rename otherwise; the old file's
// attributes are carried over where the platform did not keep them. Where no file can be created beside
// the target but the target itself may be written, it is written in place, and put back whole when the
// write fails. The path is made whole first (a relative one against the current folder, forward slashes
// as backslashes), and every call names the file by that one path. 0 on success, else the system's error
// code.
int ReplaceFileContents(platform::Files& files, const std::string& path, std::string_view bytes);

}  // namespace orvane
