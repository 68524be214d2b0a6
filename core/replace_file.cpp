#include "core/replace_file.h"

namespace orvane {

using platform::Files;
using platform::WriteMode;

namespace {

// The attributes a replaced report keeps; the archive bit rightly marks the new contents as changed.
constexpr std::uint32_t kCarriedAttributes = platform::kAttributeReadOnly | platform::kAttributeHidden |
                                             platform::kAttributeSystem | platform::kAttributeNotContentIndexed;

void CarryAttributesOver(Files& files, const std::string& path, std::optional<std::uint32_t> old) {
    if (!old) return;
    const std::optional<std::uint32_t> now = files.FileAttributes(path);
    if (!now || (*now & kCarriedAttributes) == (*old & kCarriedAttributes)) return;
    const std::uint32_t wanted =
        (*now & ~kCarriedAttributes & ~platform::kAttributeNormal) | (*old & kCarriedAttributes);
    files.ChangeFileAttributes(path, wanted ? wanted : platform::kAttributeNormal);
}

int WriteInPlace(Files& files, const std::string& path, std::string_view bytes) {
    const platform::ReadAnswer old = files.ReadFileBytes(path);
    if (!old.bytes) return old.error ? old.error : platform::kErrorAccessDenied;
    const int error = files.WriteFileBytes(path, bytes, WriteMode::InPlace);
    // A write that failed part way has changed the old report: put it back as it was.
    if (error) files.WriteFileBytes(path, *old.bytes, WriteMode::InPlace);
    return error;
}

}  // namespace

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos) {
        // "C:report.txt" lies in drive C's current directory.
        return (path.size() >= 2 && path[1] == ':') ? path.substr(0, 2) : std::string(".");
    }
    if (slash == 0) return path.substr(0, 1);
    if (slash == 2 && path[1] == ':') return path.substr(0, 3);
    return path.substr(0, slash);
}

int ReplaceFileContents(Files& files, const std::string& asked, std::string_view bytes) {
    // One whole path for every call: the replacement call refuses a relative path or one written with
    // forward slashes that the calls making the new file take, so a report written once could not be
    // replaced.
    const std::string path = files.WholePath(asked).value_or(asked);
    const std::optional<std::uint32_t> attributes = files.FileAttributes(path);
    const platform::TempFileAnswer temporary = files.CreateTempFile(FolderOf(path));
    if (!temporary.path) {
        // A folder where the user may write the report but not create a file: only an existing report
        // can be written, and then only in place.
        if (!attributes) return temporary.error ? temporary.error : platform::kErrorAccessDenied;
        return WriteInPlace(files, path, bytes);
    }
    const std::string& replacement = *temporary.path;
    if (const int error = files.WriteFileBytes(replacement, bytes, WriteMode::CreateAlways)) {
        files.RemoveFile(replacement);
        return error;
    }
    int error = attributes ? files.ReplaceExistingFile(path, replacement) : platform::kErrorFileNotFound;
    if (error == 0) {
        CarryAttributesOver(files, path, attributes);
        return 0;
    }
    if (error == platform::kErrorUnableToMoveReplacement && !files.FileAttributes(path)) {
        // The old file is gone and the new one kept its name: move it into place, or keep it, as it is
        // all that is left of the report.
        error = files.RenameFile(replacement, path);
        if (error == 0) CarryAttributesOver(files, path, attributes);
        return error;
    }
    if (error != platform::kErrorFileNotFound && error != platform::kErrorCallNotImplemented) {
        // The old file could not be replaced (held open, read-only, ...): it stays as it was.
        files.RemoveFile(replacement);
        return error;
    }
    // No old file, or a system without ReplaceFile: rename over it.
    error = files.MoveFileReplacing(replacement, path);
    if (error == platform::kErrorCallNotImplemented) {
        // 95/98/ME have no MoveFileEx: replace in two steps. Should the rename fail now, the temporary
        // file is all that is left of the report: keep it.
        files.RemoveFile(path);
        error = files.RenameFile(replacement, path);
    } else if (error) {
        files.RemoveFile(replacement);
    }
    if (error == 0) CarryAttributesOver(files, path, attributes);
    return error;
}

}  // namespace orvane
