#pragma once
// The file calls that writing a report needs, each one system call (or one open-write-close) with its
// raw answer. The rules for replacing a report safely live in core/replace_file.*.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane::platform {

// FILE_ATTRIBUTE_* values.
inline constexpr std::uint32_t kAttributeReadOnly = 0x1;
inline constexpr std::uint32_t kAttributeHidden = 0x2;
inline constexpr std::uint32_t kAttributeSystem = 0x4;
inline constexpr std::uint32_t kAttributeArchive = 0x20;
inline constexpr std::uint32_t kAttributeNormal = 0x80;
inline constexpr std::uint32_t kAttributeNotContentIndexed = 0x2000;

// System error codes the replacement rules tell apart.
inline constexpr int kErrorFileNotFound = 2;
inline constexpr int kErrorAccessDenied = 5;
inline constexpr int kErrorWriteFault = 29;
inline constexpr int kErrorCallNotImplemented = 120;
inline constexpr int kErrorUnableToMoveReplacement = 1176;

// How WriteFileBytes opens its file.
enum class WriteMode {
    CreateAlways,  // a new file, or an existing one emptied first
    InPlace,       // an existing file, written over from its start and cut to the new length; the file
                   // is first made long enough for the bytes, so a full disk fails before any byte changes
};

struct TempFileAnswer {
    std::optional<std::string> path;  // the new empty file; nullopt when none could be made
    int error = 0;
};

struct ReadAnswer {
    std::optional<std::string> bytes;
    int error = 0;
};

class Files {
public:
    virtual ~Files() = default;
    // GetTempFileNameA(folder, "orv", 0): creates an empty file with a new name in the folder.
    virtual TempFileAnswer CreateTempFile(const std::string& folder) = 0;
    // Opens the file as the mode says, writes the bytes, flushes and closes it; 0 or the system's error.
    virtual int WriteFileBytes(const std::string& path, std::string_view bytes, WriteMode mode) = 0;
    // The whole file's bytes.
    virtual ReadAnswer ReadFileBytes(const std::string& path) = 0;
    // ReplaceFileA(target, replacement, no backup, REPLACEFILE_WRITE_THROUGH), looked up at run time:
    // kErrorCallNotImplemented where the system has none (95/98/ME, NT 4).
    virtual int ReplaceExistingFile(const std::string& target, const std::string& replacement) = 0;
    // MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH); 95/98/ME answer
    // kErrorCallNotImplemented.
    virtual int MoveFileReplacing(const std::string& from, const std::string& to) = 0;
    // MoveFileA.
    virtual int RenameFile(const std::string& from, const std::string& to) = 0;
    // DeleteFileA.
    virtual int RemoveFile(const std::string& path) = 0;
    // GetFileAttributesA; nullopt when there is no such file (or it cannot be asked).
    virtual std::optional<std::uint32_t> FileAttributes(const std::string& path) = 0;
    // SetFileAttributesA.
    virtual int ChangeFileAttributes(const std::string& path, std::uint32_t attributes) = 0;
    // GetFullPathNameA: the path made whole against the current folder, its forward slashes made
    // backslashes; nullopt when the call fails.
    virtual std::optional<std::string> WholePath(const std::string& path) = 0;
};

}  // namespace orvane::platform
