#pragma once
// Programs on this machine as the inventory windows see them: the shell's Startup folders, the entries
// of a folder, where a command's program is found, starting a program through the shell, and whether
// this is a 32-bit program on 64-bit Windows.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::platform {

// CSIDL numbers of the shell folders asked for.
inline constexpr int kCsidlStartup = 0x0007;
inline constexpr int kCsidlCommonStartup = 0x0018;
inline constexpr int kCsidlProfile = 0x0028;  // the user's profile folder

// File attributes, numbered as the operating system numbers them.
inline constexpr std::uint32_t kFileAttributeDirectory = 0x10;

struct FoundFile {
    std::string name;
    std::uint32_t attributes = 0;
};

class Programs {
public:
    virtual ~Programs() = default;
    // SHGetFolderPathA of the folder (not created), where the shell has the function; nullopt where it
    // does not or the call fails.
    virtual std::optional<std::string> ShellFolderPath(int csidl) = 0;
    // FindFirstFileA and FindNextFileA over the pattern: each entry's name and attributes, in the order
    // found ("." and ".." included when the file system lists them); empty when nothing matches.
    virtual std::vector<FoundFile> FindFiles(std::string_view pattern) = 0;
    // SearchPathA(NULL, name, ".exe"): the full path of the file the name denotes, looked for as process
    // creation looks for a command's program; nullopt when there is none or it is a folder.
    virtual std::optional<std::string> FindProgramFile(std::string_view name) = 0;
    // SearchPathA(folders, name, ".exe"): the same, looked for only in the folders named (separated by
    // ';'), in their order.
    virtual std::optional<std::string> FindProgramFileIn(const std::string& folders, std::string_view name) = 0;
    // GetEnvironmentVariableA; nullopt when the variable is not set.
    virtual std::optional<std::string> EnvironmentVariable(const std::string& name) = 0;
    // IsWow64Process for this process; false where the function does not exist.
    virtual bool IsWow64Process() = 0;
};

}  // namespace orvane::platform
