#include "platform/testing/test_machine.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "core/text.h"
#include "platform/processor_records.h"

namespace orvane::testing {

struct TestMachine::Node {
    std::string name;
    bool denied = false;
    std::vector<std::unique_ptr<Node>> children;  // in enumeration order
    std::vector<std::pair<std::string, RegValue>> values;

    Node* Child(std::string_view childName) {
        for (auto& child : children) {
            if (EqualsIgnoreCase(child->name, childName)) return child.get();
        }
        return nullptr;
    }
};

namespace {

using Request = TestMachine::RegistryRequest;

class TestKey : public platform::RegistryKey {
public:
    TestKey(TestMachine::Node* node, std::vector<Request>& log, Request opened)
        : node_(node), log_(log), opened_(std::move(opened)) {}

    std::optional<RegValue> QueryValue(std::string_view name) override {
        Log(Request::Kind::Value, name);
        for (const auto& [valueName, value] : node_->values) {
            if (EqualsIgnoreCase(valueName, name)) return value;
        }
        return std::nullopt;
    }
    std::vector<std::string> SubkeyNames() override {
        Log(Request::Kind::Subkeys, {});
        std::vector<std::string> names;
        for (const auto& child : node_->children) names.push_back(child->name);
        return names;
    }
    std::vector<std::string> ValueNames() override {
        Log(Request::Kind::Values, {});
        std::vector<std::string> names;
        for (const auto& value : node_->values) names.push_back(value.first);
        return names;
    }

private:
    void Log(Request::Kind kind, std::string_view value) {
        Request request = opened_;
        request.kind = kind;
        request.value = std::string(value);
        log_.push_back(std::move(request));
    }

    TestMachine::Node* node_;
    std::vector<Request>& log_;
    Request opened_;
};

std::vector<std::string> SplitPath(std::string_view path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '\\') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

}  // namespace

TestMachine::TestMachine() {
    roots_[0] = std::make_unique<Node>();
    roots_[1] = std::make_unique<Node>();
}

TestMachine::~TestMachine() = default;

TestMachine::Node* TestMachine::Find(Hive hive, std::string_view path, bool create) {
    Node* node = roots_[hive == Hive::LocalMachine ? 0 : 1].get();
    for (const std::string& part : SplitPath(path)) {
        Node* child = node->Child(part);
        if (!child) {
            if (!create) return nullptr;
            node->children.push_back(std::make_unique<Node>());
            child = node->children.back().get();
            child->name = part;
        }
        node = child;
    }
    return node;
}

void TestMachine::AddKey(Hive hive, const std::string& path) { Find(hive, path, true); }

void TestMachine::SetValue(Hive hive, const std::string& path, const std::string& name, RegValue value) {
    Node* node = Find(hive, path, true);
    for (auto& existing : node->values) {
        if (EqualsIgnoreCase(existing.first, name)) {
            existing.second = std::move(value);
            return;
        }
    }
    node->values.emplace_back(name, std::move(value));
}

void TestMachine::SetText(const std::string& path, const std::string& name, const std::string& text,
                          std::uint32_t type) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    SetValue(Hive::LocalMachine, path, name, RegValue{type, std::move(bytes)});
}

void TestMachine::SetDword(const std::string& path, const std::string& name, std::uint32_t number) {
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(number >> (8 * i)));
    SetValue(Hive::LocalMachine, path, name, RegValue{platform::kRegDword, std::move(bytes)});
}

void TestMachine::SetBinary(const std::string& path, const std::string& name, std::vector<std::uint8_t> bytes) {
    SetValue(Hive::LocalMachine, path, name, RegValue{platform::kRegBinary, std::move(bytes)});
}

void TestMachine::DenyKey(Hive hive, const std::string& path) { Find(hive, path, true)->denied = true; }

void TestMachine::RemoveKey(Hive hive, const std::string& path) {
    const std::vector<std::string> parts = SplitPath(path);
    if (parts.empty()) return;
    std::string parentPath;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) parentPath += parts[i] + "\\";
    Node* parent = Find(hive, parentPath, false);
    if (!parent) return;
    std::erase_if(parent->children, [&](const auto& child) { return EqualsIgnoreCase(child->name, parts.back()); });
}

void TestMachine::RemoveValue(Hive hive, const std::string& path, const std::string& name) {
    Node* node = Find(hive, path, false);
    if (!node) return;
    std::erase_if(node->values, [&](const auto& value) { return EqualsIgnoreCase(value.first, name); });
}

std::unique_ptr<platform::RegistryKey> TestMachine::OpenIn(Hive hive, std::string_view path, bool view32,
                                                           std::string_view storedPath) {
    Request opened{Request::Kind::Open, hive, view32, std::string(path), std::string(storedPath), {}};
    registryRequests.push_back(opened);
    Node* node = Find(hive, storedPath, false);
    if (!node || node->denied) return nullptr;
    return std::make_unique<TestKey>(node, registryRequests, std::move(opened));
}

std::unique_ptr<platform::RegistryKey> TestMachine::OpenKey(Hive hive, std::string_view path) {
    return OpenIn(hive, path, false, path);
}

std::unique_ptr<platform::RegistryKey> TestMachine::OpenKey32(Hive hive, std::string_view path) {
    std::string redirected(path);
    const std::string software = "SOFTWARE\\";
    if (hive == Hive::LocalMachine && redirected.size() > software.size() &&
        EqualsIgnoreCase(std::string_view(redirected).substr(0, software.size()), software)) {
        redirected.insert(software.size(), "WOW6432Node\\");
    }
    return OpenIn(hive, path, true, redirected);
}

std::optional<std::string> TestMachine::ShellFolderPath(int csidl) {
    const auto found = shellFolders.find(csidl);
    if (found == shellFolders.end()) return std::nullopt;
    return found->second;
}

std::vector<platform::FoundFile> TestMachine::FindFiles(std::string_view pattern) {
    findPatterns.emplace_back(pattern);
    const auto found = folderEntries.find(std::string(pattern));
    return found == folderEntries.end() ? std::vector<platform::FoundFile>{} : found->second;
}

std::optional<std::string> TestMachine::FindProgramFile(std::string_view name) {
    std::string asked(name);
    const std::size_t slash = asked.find_last_of('\\');
    if (asked.find('.', slash == std::string::npos ? 0 : slash) == std::string::npos) asked += ".exe";
    for (const auto& [file, path] : programFiles) {
        if (EqualsIgnoreCase(file, asked)) return path;
    }
    return std::nullopt;
}

std::optional<std::string> TestMachine::FindProgramFileIn(const std::string& searched, std::string_view name) {
    programSearches.push_back(searched + "|" + std::string(name));
    std::string file(name);
    if (file.find('.') == std::string::npos) file += ".exe";
    std::size_t start = 0;
    while (start <= searched.size()) {
        std::size_t end = searched.find(';', start);
        if (end == std::string::npos) end = searched.size();
        std::string folder = searched.substr(start, end - start);
        if (!folder.empty()) {
            if (folder.back() != '\\') folder += '\\';
            if (FileExists(folder + file)) return folder + file;
        }
        start = end + 1;
    }
    return std::nullopt;
}

std::optional<std::string> TestMachine::EnvironmentVariable(const std::string& name) {
    const auto found = environment.find(name);
    if (found == environment.end()) return std::nullopt;
    return found->second;
}

int TestMachine::SystemMetric(int index) {
    const auto found = metrics.find(index);
    return found == metrics.end() ? 0 : found->second;
}

namespace {

constexpr int kErrorSharingViolation = 32;
constexpr int kErrorAlreadyExists = 183;

std::uint32_t AttributesOf(const std::map<std::string, std::uint32_t>& attributes, const std::string& path) {
    const auto found = attributes.find(path);
    return found == attributes.end() ? platform::kAttributeArchive : found->second;
}

}  // namespace

namespace {

constexpr int kErrorPathNotFound = 3;
constexpr int kErrorInvalidName = 123;
constexpr int kErrorFilenameExcedRange = 206;

// The answer of an ANSI file call to a path it cannot take, before it looks at the disk; 0 for a path it takes.
int PathError(const std::string& path) {
    if (path.size() >= 260) return kErrorFilenameExcedRange;
    if (path.find_first_of("?*") != std::string::npos) return kErrorInvalidName;
    return 0;
}

}  // namespace

platform::TempFileAnswer TestMachine::CreateTempFile(const std::string& folder) {
    // GetTempFileName needs room for the name it adds to the folder.
    if (folder.size() + 14 >= 260) return {std::nullopt, kErrorFilenameExcedRange};
    if (const int error = PathError(folder)) return {std::nullopt, error};
    if (missingFolders.count(folder)) return {std::nullopt, kErrorPathNotFound};
    if (foldersWithoutCreate.count(folder)) return {std::nullopt, platform::kErrorAccessDenied};
    std::string path;
    for (int number = 1; path.empty() || files.count(path); ++number) path = folder + "\\orv" + std::to_string(number) + ".tmp";
    files[path] = "";
    fileAttributes.erase(path);
    return {path, 0};
}

int TestMachine::WriteFileBytes(const std::string& path, std::string_view bytes, platform::WriteMode mode) {
    if (const int error = PathError(path)) return error;
    const bool inPlace = mode == platform::WriteMode::InPlace;
    if (lockedFiles.count(path)) return kErrorSharingViolation;
    const auto found = files.find(path);
    if (inPlace && found == files.end()) return platform::kErrorFileNotFound;
    // CREATE_ALWAYS with normal attributes is refused over a hidden or system file.
    const std::uint32_t hiddenOrSystem = platform::kAttributeHidden | platform::kAttributeSystem;
    if (found != files.end() && !inPlace && (AttributesOf(fileAttributes, path) & hiddenOrSystem)) {
        return platform::kErrorAccessDenied;
    }
    if (found != files.end() && (AttributesOf(fileAttributes, path) & platform::kAttributeReadOnly)) {
        return platform::kErrorAccessDenied;
    }
    if (fileWriteError) return fileWriteError;
    if (inPlace) fileCalls.push_back("in place");
    if (writeFault && writeFault->times > 0) {
        --writeFault->times;
        const std::size_t written = std::min(writeFault->afterBytes, bytes.size());
        if (!inPlace) {
            files[path] = std::string(bytes.substr(0, written));
        } else if (bytes.size() <= found->second.size()) {
            found->second.replace(0, written, bytes.substr(0, written));
        }
        return writeFault->error;
    }
    files[path] = std::string(bytes);
    if (!inPlace) fileAttributes.erase(path);
    return 0;
}

platform::ReadAnswer TestMachine::ReadFileBytes(const std::string& path) {
    if (lockedFiles.count(path)) return {std::nullopt, kErrorSharingViolation};
    if (const auto failed = readErrors.find(path); failed != readErrors.end()) return {std::nullopt, failed->second};
    const auto found = files.find(path);
    if (found == files.end()) return {std::nullopt, platform::kErrorFileNotFound};
    return {found->second, 0};
}

int TestMachine::ReplaceExistingFile(const std::string& target, const std::string& replacement) {
    if (!hasReplaceFile) return platform::kErrorCallNotImplemented;
    if (replaceError) return replaceError;
    if (!files.count(target) || !files.count(replacement)) return platform::kErrorFileNotFound;
    if (lockedFiles.count(target)) return 1175;  // ERROR_UNABLE_TO_REMOVE_REPLACED
    if (AttributesOf(fileAttributes, target) & platform::kAttributeReadOnly) return platform::kErrorAccessDenied;
    fileCalls.push_back("replace");
    files[target] = files[replacement];
    files.erase(replacement);
    if (!replaceKeepsAttributes) fileAttributes[target] = AttributesOf(fileAttributes, replacement);
    fileAttributes.erase(replacement);
    return 0;
}

int TestMachine::MoveFileReplacing(const std::string& from, const std::string& to) {
    if (!hasMoveFileEx) return platform::kErrorCallNotImplemented;
    if (const int error = PathError(to)) return error;
    if (!files.count(from)) return platform::kErrorFileNotFound;
    if (lockedFiles.count(to) || lockedFiles.count(from)) return kErrorSharingViolation;
    if (files.count(to) && (AttributesOf(fileAttributes, to) & platform::kAttributeReadOnly)) {
        return platform::kErrorAccessDenied;
    }
    fileCalls.push_back("move");
    files[to] = files[from];
    files.erase(from);
    fileAttributes[to] = AttributesOf(fileAttributes, from);
    fileAttributes.erase(from);
    return 0;
}

int TestMachine::RenameFile(const std::string& from, const std::string& to) {
    if (const int error = PathError(to)) return error;
    if (!files.count(from)) return platform::kErrorFileNotFound;
    if (files.count(to)) return kErrorAlreadyExists;
    if (lockedFiles.count(from)) return kErrorSharingViolation;
    fileCalls.push_back("rename");
    files[to] = files[from];
    files.erase(from);
    fileAttributes[to] = AttributesOf(fileAttributes, from);
    fileAttributes.erase(from);
    return 0;
}

int TestMachine::RemoveFile(const std::string& path) {
    if (!files.count(path)) return platform::kErrorFileNotFound;
    if (lockedFiles.count(path)) return kErrorSharingViolation;
    if (AttributesOf(fileAttributes, path) & platform::kAttributeReadOnly) return platform::kErrorAccessDenied;
    files.erase(path);
    fileAttributes.erase(path);
    return 0;
}

std::optional<std::uint32_t> TestMachine::FileAttributes(const std::string& path) {
    if (PathError(path)) return std::nullopt;
    if (folders.count(path)) return platform::kFileAttributeDirectory;
    if (!files.count(path)) return std::nullopt;
    return AttributesOf(fileAttributes, path);
}

int TestMachine::ChangeFileAttributes(const std::string& path, std::uint32_t attributes) {
    if (!files.count(path)) return platform::kErrorFileNotFound;
    fileAttributes[path] = attributes;
    return 0;
}

std::optional<std::string> TestMachine::WholePath(const std::string& path) {
    wholePathsAsked.push_back(path);
    if (wholePathFails) return std::nullopt;
    std::string asked = path;
    std::replace(asked.begin(), asked.end(), '/', '\\');
    std::string base;
    if (asked.size() >= 2 && asked[0] == '\\' && asked[1] == '\\') return asked;  // a share's name
    if (asked.size() >= 3 && asked[1] == ':' && asked[2] == '\\') {
        base = asked.substr(0, 2);
        asked = asked.substr(3);
    } else if (asked.size() >= 2 && asked[1] == ':') {
        // "D:report.txt": the drive's current folder, which is the root for a drive other than the current one.
        const bool sameDrive = EqualsIgnoreCase(asked.substr(0, 1), currentFolder.substr(0, 1));
        base = sameDrive ? currentFolder : asked.substr(0, 2);
        asked = asked.substr(2);
    } else if (!asked.empty() && asked[0] == '\\') {
        base = currentFolder.substr(0, 2);  // the current drive's root
        asked = asked.substr(1);
    } else {
        base = currentFolder;
    }
    // "." stays, ".." goes up, empty parts vanish.
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (const std::string& whole : {base.size() > 2 ? base.substr(3) : std::string(), asked}) {
        start = 0;
        while (start <= whole.size()) {
            std::size_t end = whole.find('\\', start);
            if (end == std::string::npos) end = whole.size();
            const std::string part = whole.substr(start, end - start);
            if (part == "..") {
                if (!parts.empty()) parts.pop_back();
            } else if (!part.empty() && part != ".") {
                parts.push_back(part);
            }
            start = end + 1;
        }
    }
    std::string whole = base.substr(0, 2);
    for (const std::string& part : parts) whole += "\\" + part;
    return parts.empty() ? whole + "\\" : whole;
}

platform::CpuidRegisters TestMachine::Cpuid(std::uint32_t leaf) {
    cpuidCalls.push_back(leaf);
    const auto sequence = cpuidSequences.find(leaf);
    if (sequence != cpuidSequences.end() && !sequence->second.empty()) {
        std::size_t& next = cpuidSequenceIndex_[leaf];
        const platform::CpuidRegisters answer = sequence->second[std::min(next, sequence->second.size() - 1)];
        ++next;
        return answer;
    }
    const auto found = cpuidLeaves.find(leaf);
    return found == cpuidLeaves.end() ? platform::CpuidRegisters{} : found->second;
}

bool TestMachine::LoadCpuidDump(const std::string& path) {
    std::ifstream file(path);
    if (!file) return false;
    std::string line;
    while (std::getline(file, line)) {
        unsigned index = 0, a = 0, b = 0, c = 0, d = 0;
        if (std::sscanf(line.c_str(), "basic_cpuid[%u]=%x %x %x %x", &index, &a, &b, &c, &d) == 5) {
            cpuidLeaves[index] = {a, b, c, d};
        } else if (std::sscanf(line.c_str(), "ext_cpuid[%u]=%x %x %x %x", &index, &a, &b, &c, &d) == 5) {
            cpuidLeaves[0x80000000u + index] = {a, b, c, d};
        }
    }
    return true;
}

std::optional<std::uint64_t> TestMachine::PerformanceCounter() {
    sleepsAtPerformanceReads.push_back(sleeps.size());
    if (performanceCounts.empty()) return std::nullopt;
    const std::uint64_t reading = performanceCounts[std::min(performanceIndex_, performanceCounts.size() - 1)];
    ++performanceIndex_;
    return reading;
}

namespace {

void PutLe(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint64_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

std::optional<std::vector<std::uint8_t>> TestMachine::ProcessorRelationsEx(std::uint32_t relationship) {
    if (!hasProcessorRelationsEx) return std::nullopt;
    if (const auto bytes = processorRelationsExBytes.find(relationship); bytes != processorRelationsExBytes.end()) {
        return bytes->second;
    }
    const ProcessorRecordLayout layout = ProcessorRecordLayoutFor(sizeof(void*));
    std::vector<std::uint8_t> records;
    if (relationship == kRelationProcessorPackage) {
        // PROCESSOR_RELATIONSHIP with one GROUP_AFFINITY: 24 bytes, then a KAFFINITY and four WORDs.
        const std::size_t size = layout.exHeaderBytes + 24 + sizeof(void*) + 8;
        for (unsigned p = 0; p < packages; ++p) {
            std::vector<std::uint8_t> record(size);
            PutLe(record, 0, kRelationProcessorPackage, 4);
            PutLe(record, 4, size, 4);
            PutLe(record, layout.exHeaderBytes + 22, 1, 2);  // GroupCount
            records.insert(records.end(), record.begin(), record.end());
        }
    } else if (relationship == kRelationGroup) {
        const std::vector<unsigned> groups =
            groupProcessors.empty() ? std::vector<unsigned>{processors} : groupProcessors;
        const std::size_t size = layout.groupInfoOffset + groups.size() * layout.groupInfoBytes;
        records.assign(size, 0);
        PutLe(records, 0, kRelationGroup, 4);
        PutLe(records, 4, size, 4);
        PutLe(records, layout.activeGroupCountOffset - 2, groups.size(), 2);  // MaximumGroupCount
        PutLe(records, layout.activeGroupCountOffset, groups.size(), 2);
        for (std::size_t g = 0; g < groups.size(); ++g) {
            const std::size_t info = layout.groupInfoOffset + g * layout.groupInfoBytes;
            records[info] = static_cast<std::uint8_t>(groups[g]);  // MaximumProcessorCount
            records[info + layout.activeProcessorCountOffset] = static_cast<std::uint8_t>(groups[g]);
        }
    }
    return records;
}

std::optional<std::vector<std::uint8_t>> TestMachine::ProcessorRelations() {
    if (!hasProcessorRelations) return std::nullopt;
    if (processorRelationsBytes) return processorRelationsBytes;
    // One core record per processor of the group, then the packages, as the call lists them.
    const ProcessorRecordLayout layout = ProcessorRecordLayoutFor(sizeof(void*));
    std::vector<std::uint8_t> records;
    auto add = [&](std::uint32_t relationship) {
        std::vector<std::uint8_t> record(layout.recordBytes);
        PutLe(record, layout.relationshipOffset, relationship, 4);
        records.insert(records.end(), record.begin(), record.end());
    };
    for (unsigned p = 0; p < processors; ++p) add(0);  // RelationProcessorCore
    for (unsigned p = 0; p < packages; ++p) add(kRelationProcessorPackage);
    return records;
}

std::uint64_t TestMachine::ReadTsc() {
    prioritiesAtTscReads.push_back({priorityClass, threadPriority});
    if (tscReadings.empty()) return 0;
    const std::uint64_t reading = tscReadings[std::min(tscIndex_, tscReadings.size() - 1)];
    ++tscIndex_;
    return reading;
}

bool TestMachine::SetProcessPriorityClass(std::uint32_t value) {
    priorityClass = value;
    return true;
}

std::optional<int> TestMachine::ThreadPriority() {
    if (failPriorityQueries) return std::nullopt;
    return threadPriority;
}

bool TestMachine::SetThreadPriority(int value) {
    threadPriority = value;
    return true;
}

std::uint32_t TestMachine::DriveType(std::string_view rootPath) {
    const auto found = driveTypes.find(std::string(rootPath));
    return found == driveTypes.end() ? 1 : found->second;
}

std::optional<platform::DiskSpace> TestMachine::DiskFreeSpaceEx(std::string_view rootPath) {
    const auto found = diskSpace.find(std::string(rootPath));
    if (found == diskSpace.end()) return std::nullopt;
    return found->second;
}

std::optional<platform::DiskClusters> TestMachine::DiskFreeSpace(std::string_view rootPath) {
    const auto found = diskClusters.find(std::string(rootPath));
    if (found == diskClusters.end()) return std::nullopt;
    return found->second;
}

platform::AdapterListAnswer TestMachine::AdaptersInfo(std::uint32_t bufferBytes) {
    constexpr std::uint32_t kErrorBufferOverflow = 111;
    constexpr std::uint32_t kErrorNoData = 232;
    constexpr std::uint32_t kRecordBytes = 704;  // sizeof(IP_ADAPTER_INFO) in a 64-bit process
    platform::AdapterListAnswer answer;
    answer.neededBytes = static_cast<std::uint32_t>(adapters.size()) * kRecordBytes;
    if (adapters.empty()) {
        answer.status = kErrorNoData;
    } else if (bufferBytes < answer.neededBytes) {
        answer.status = kErrorBufferOverflow;
    } else {
        answer.status = adapterListStatus;
        if (answer.status == 0) answer.adapters = adapters;
    }
    return answer;
}

std::uint8_t TestMachine::SendNetbios(platform::NetbiosCommand& command) {
    constexpr std::uint8_t kNrcBadLana = 0x23;
    constexpr std::uint8_t kNrcSystemError = 0x40;
    netbiosLog.push_back(command);
    if (!netbiosAvailable) return kNrcSystemError;
    switch (command.command) {
        case platform::kNcbEnum:
            if (!command.buffer.empty()) command.buffer[0] = static_cast<std::uint8_t>(lanas.size());
            for (std::size_t i = 0; i < lanas.size() && i + 1 < command.buffer.size(); ++i) {
                command.buffer[i + 1] = lanas[i];
            }
            return 0;
        case platform::kNcbReset:
            return netbiosAdapters.count(command.lana) ? 0 : kNrcBadLana;
        case platform::kNcbAdapterStatus: {
            const auto found = netbiosAdapters.find(command.lana);
            if (found == netbiosAdapters.end()) return kNrcBadLana;
            for (std::size_t i = 0; i < 6 && i < command.buffer.size(); ++i) command.buffer[i] = found->second.mac[i];
            return found->second.statusCode;
        }
        default:
            return kNrcSystemError;
    }
}

std::optional<std::vector<std::array<std::uint8_t, 4>>> TestMachine::ResolveHost(const std::string& name) {
    const auto found = hosts.find(name);
    if (found == hosts.end()) return std::nullopt;
    return found->second;
}

std::size_t TokenGroupsBytes(const platform::TokenGroupList& list) {
    // GroupCount padded to a pointer, then one SID_AND_ATTRIBUTES (a pointer and a padded DWORD)
    // per group, then the SIDs themselves.
    std::size_t bytes = sizeof(void*) + list.groups.size() * 2 * sizeof(void*);
    for (const auto& group : list.groups) bytes += group.sid.size();
    return bytes;
}

namespace {

class TestToken : public platform::AccessToken {
public:
    explicit TestToken(platform::TokenGroupList groups) : groups_(std::move(groups)) {}
    std::optional<platform::TokenGroupList> Groups(std::size_t bufferBytes) override {
        if (TokenGroupsBytes(groups_) > bufferBytes) return std::nullopt;
        return groups_;
    }

private:
    platform::TokenGroupList groups_;
};

platform::TokenAnswer TokenFrom(const std::optional<platform::TokenGroupList>& groups, std::uint32_t error) {
    platform::TokenAnswer answer;
    if (groups) {
        answer.token = std::make_unique<TestToken>(*groups);
    } else {
        answer.error = error;
    }
    return answer;
}

class OpenTestDevice : public platform::Device {
public:
    OpenTestDevice(TestMachine& machine, platform::DeviceOpen open, TestMachine::TestDevice& device)
        : machine_(machine), open_(std::move(open)), device_(device) {
        ++machine_.openDevices;
    }
    ~OpenTestDevice() override { --machine_.openDevices; }
    std::optional<std::vector<std::uint8_t>> Control(std::uint32_t code, std::span<const std::uint8_t> input,
                                                     std::size_t outputLength) override {
        machine_.deviceCalls.push_back({open_, code, {input.begin(), input.end()}, outputLength});
        if (device_.control) return device_.control(code, input, outputLength);
        const auto found = device_.replies.find(code);
        if (found == device_.replies.end()) return std::nullopt;
        std::vector<std::uint8_t> reply = found->second;
        if (reply.size() > outputLength) reply.resize(outputLength);
        return reply;
    }

private:
    TestMachine& machine_;
    platform::DeviceOpen open_;
    TestMachine::TestDevice& device_;
};

}  // namespace

std::unique_ptr<platform::Device> TestMachine::OpenDevice(const platform::DeviceOpen& how) {
    openAttempts.push_back(how.path);
    deviceOpens.push_back(how);
    const auto found = devices.find(how.path);
    if (found == devices.end()) return nullptr;
    TestDevice& device = found->second;
    if ((how.access & ~device.allowedAccess) != 0) return nullptr;
    if (device.heldElsewhere && how.share == 0) return nullptr;
    // An unbounded open of a device that never answers would hold the caller for ever; the machine
    // answers it as a failure so that a test that reaches it ends.
    if (device.neverAnswers) return nullptr;
    return std::make_unique<OpenTestDevice>(*this, how, device);
}

platform::BoundedDeviceOpen TestMachine::OpenDeviceWithin(const platform::DeviceOpen& how, std::uint32_t waitMs) {
    deviceOpenWaits.push_back(waitMs);
    const auto found = devices.find(how.path);
    if (found != devices.end() && found->second.neverAnswers) {
        openAttempts.push_back(how.path);
        deviceOpens.push_back(how);
        return {nullptr, true};
    }
    return {OpenDevice(how), false};
}

std::string TestMachine::WaveOutDeviceName(std::uint32_t device) {
    return device < waveOutNames.size() ? waveOutNames[device] : std::string();
}

std::optional<std::string> TestMachine::DisplayDeviceString(std::uint32_t index) {
    if (index >= displayDevices.size()) return std::nullopt;
    return displayDevices[index];
}

std::unique_ptr<platform::DeviceInterfaceList> TestMachine::PresentDeviceInterfaces(const platform::Guid& interfaceClass) {
    class List : public platform::DeviceInterfaceList {
    public:
        List(int& open, std::uint32_t count) : open_(open), count_(count) { ++open_; }
        ~List() override { --open_; }
        bool HasInterface(std::uint32_t index) override { return index < count_; }

    private:
        int& open_;
        std::uint32_t count_;
    };
    for (const auto& [guid, count] : deviceInterfaces) {
        if (guid == interfaceClass) return std::make_unique<List>(openInterfaceLists, count);
    }
    return nullptr;
}

std::optional<std::vector<std::uint8_t>> TestMachine::FirmwareTable(std::uint32_t provider, std::uint32_t id) {
    const auto found = firmwareTables.find(provider);
    if (id != 0 || found == firmwareTables.end()) return std::nullopt;
    return found->second;
}

platform::DeviceOpenAnswer TestMachine::OpenDeviceOrError(const platform::DeviceOpen& how) {
    if (const auto refused = deviceOpenErrors.find(how.path); refused != deviceOpenErrors.end()) {
        openAttempts.push_back(how.path);
        deviceOpens.push_back(how);
        return {nullptr, refused->second};
    }
    std::unique_ptr<platform::Device> device = OpenDevice(how);
    if (device) return {std::move(device), 0};
    return {nullptr, devices.count(how.path) ? platform::kErrorAccessDenied : platform::kErrorFileNotFound};
}

std::optional<std::vector<std::string>> TestMachine::DeviceInterfacePaths(const platform::Guid& interfaceClass) {
    for (const auto& [guid, paths] : interfacePaths) {
        if (guid == interfaceClass) return paths;
    }
    return std::nullopt;
}

platform::NtQueryEntry TestMachine::FindNtQuerySystemInformation() {
    ++ntQueryLookups;
    return hasNtQuery ? static_cast<platform::NtQueryEntry>(this) : nullptr;
}

std::int32_t TestMachine::QuerySystemInformation(platform::NtQueryEntry, std::uint32_t infoClass,
                                                 std::span<std::uint8_t> buffer) {
    constexpr std::int32_t kInfoLengthMismatch = static_cast<std::int32_t>(0xC0000004u);
    const auto status = queryStatus.find(infoClass);
    if (status != queryStatus.end() && status->second != 0) return status->second;
    auto put = [&](std::size_t offset, std::uint64_t value, std::size_t width) {
        for (std::size_t i = 0; i < width; ++i) buffer[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    // The lengths the system accepts: SYSTEM_BASIC_INFORMATION carries pointer-sized fields.
    switch (infoClass) {
        case 0: {
            const std::size_t length = sizeof(void*) == 8 ? 64 : 44;
            if (buffer.size() != length) return kInfoLengthMismatch;
            put(length - (sizeof(void*) == 8 ? 8 : 4), processors, 1);
            return 0;
        }
        case 3:
            if (buffer.size() < 16) return kInfoLengthMismatch;
            put(8, systemTime, 8);
            return 0;
        case 2:
            if (buffer.size() < 312) return kInfoLengthMismatch;
            put(0, idleTime, 8);
            return 0;
        default:
            return static_cast<std::int32_t>(0xC0000003u);  // STATUS_INVALID_INFO_CLASS
    }
}

platform::TokenAnswer TestMachine::OpenThreadToken(std::uint32_t, bool) {
    return TokenFrom(threadToken, threadTokenError);
}

platform::TokenAnswer TestMachine::OpenProcessToken(std::uint32_t) { return TokenFrom(processToken, 5); }

void TestMachine::PrepareQueries(const std::vector<platform::WmiNamespace>& namespaces) {
    for (const auto& target : namespaces) wmiCalls.push_back("prepare " + target.server + "|" + target.nameSpace);
}

std::optional<std::vector<platform::WmiValue>> TestMachine::QueryProperty(const std::string& server,
                                                                          const std::string& nameSpace,
                                                                          const std::string& query,
                                                                          const std::string& property) {
    wmiCalls.push_back(server + "|" + nameSpace + "|" + query + "|" + property);
    const auto found = wmiClasses.find(query);
    if (found == wmiClasses.end()) return std::nullopt;
    std::vector<platform::WmiValue> values;
    for (const auto& instance : found->second) {
        const auto value = instance.find(property);
        // A property the class lacks fails the Item call.
        values.push_back(value == instance.end() ? platform::WmiValue{} : value->second);
    }
    return values;
}

std::optional<std::string> TestMachine::ReadBiosText(std::uint32_t linearAddress, std::size_t maxBytes) {
    if (!biosImage) return std::nullopt;
    const auto found = biosImage->find(linearAddress);
    if (found == biosImage->end()) return std::string(1, '\0');
    return found->second.substr(0, maxBytes);
}

// --- the display and drive windows ---

int TestMachine::ScreenDeviceCaps(int index) {
    const auto found = screenCaps.find(index);
    return found == screenCaps.end() ? 0 : found->second;
}

std::optional<std::string> TestMachine::WideToAnsi(std::u16string_view text) {
    wideToAnsiCalls.emplace_back(text);
    if (failWideToAnsi) return std::nullopt;
    std::string ansi;
    for (char16_t unit : text) {
        if (unit < 0x100) {
            ansi += static_cast<char>(unit);
        } else {
            ansi += unit == u'\u20AC' ? '\x80' : '?';
        }
    }
    return ansi;
}

std::optional<std::u16string> TestMachine::AnsiToWide(std::string_view text) {
    if (failAnsiToWide) return std::nullopt;
    // Windows-1252's row 0x80 to 0x9F.
    static constexpr char16_t kRow80[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    std::u16string wide;
    wide.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        wide += byte >= 0x80 && byte < 0xA0 ? kRow80[byte - 0x80] : static_cast<char16_t>(byte);
    }
    return wide;
}

std::string TestMachine::LogicalDriveStrings(std::uint32_t bufferBytes) {
    // The call needs room for the list and its closing NUL.
    if (logicalDriveStrings.size() + 1 > bufferBytes) return std::string();
    return logicalDriveStrings;
}

std::optional<platform::DiskClusters> TestMachine::DiskFreeSpaceQuietly(std::string_view rootPath) {
    quietDiskQueries.emplace_back(rootPath);
    return DiskFreeSpace(rootPath);
}

namespace {

// A drive query of the test machine: logged, stalled when the test says so, else answered.
template <typename T, typename Answer>
platform::DriveAnswer<T> AskTestDrive(TestMachine& machine, const char* call, std::string_view where, Answer answer) {
    machine.driveQueries.push_back(std::string(call) + " " + std::string(where));
    if (machine.stalledDriveQueries.count(call)) return {std::nullopt, true};
    return {answer(), false};
}

}  // namespace

platform::DriveAnswer<platform::DiskClusters> TestMachine::DiskFreeSpaceWithin(std::string_view rootPath) {
    return AskTestDrive<platform::DiskClusters>(*this, "DiskFreeSpace", rootPath,
                                                [&] { return DiskFreeSpace(rootPath); });
}

platform::DriveAnswer<platform::DiskSpace> TestMachine::DiskFreeSpaceExWithin(std::string_view rootPath) {
    return AskTestDrive<platform::DiskSpace>(*this, "DiskFreeSpaceEx", rootPath, [&] {
        return hasDiskFreeSpaceEx ? DiskFreeSpaceEx(rootPath) : std::nullopt;
    });
}

platform::DriveAnswer<platform::VolumeInfo> TestMachine::VolumeInformation(std::string_view rootPath,
                                                                           std::uint32_t labelChars,
                                                                           std::uint32_t fileSystemChars) {
    return AskTestDrive<platform::VolumeInfo>(
        *this, "VolumeInformation", rootPath, [&]() -> std::optional<platform::VolumeInfo> {
            const auto found = volumes.find(std::string(rootPath));
            if (found == volumes.end()) return std::nullopt;
            // A name that does not fit its buffer fails the call, as ERROR_BAD_LENGTH does.
            if (found->second.label.size() + 1 > labelChars || found->second.fileSystem.size() + 1 > fileSystemChars) {
                return std::nullopt;
            }
            return found->second;
        });
}

std::optional<std::string> TestMachine::FullPathName(std::string_view path) {
    const auto found = fullPaths.find(std::string(path));
    return found == fullPaths.end() ? std::string(path) + "\\" : found->second;
}

platform::DriveAnswer<std::string> TestMachine::UniversalName(std::string_view localPath, std::uint32_t bufferBytes) {
    return AskTestDrive<std::string>(*this, "UniversalName", localPath, [&]() -> std::optional<std::string> {
        const auto found = universalNames.find(std::string(localPath));
        if (found == universalNames.end() || found->second.size() + 1 > bufferBytes) return std::nullopt;
        return found->second;
    });
}

std::vector<platform::NetDiskResource> TestMachine::ConnectedDiskResources() {
    ++diskResourceEnumerations;
    return connectedDisks;
}

platform::OsVersion Windows95(std::string csd) { return {4, 0, 950, platform::kPlatformWindows, std::move(csd)}; }
platform::OsVersion Windows98(std::string csd) {
    return {4, 10, 2222, platform::kPlatformWindows, std::move(csd)};
}
platform::OsVersion WindowsMe() { return {4, 90, 3000, platform::kPlatformWindows, " "}; }
platform::OsVersion WindowsNt(std::uint32_t major, std::uint32_t minor, std::uint32_t build, std::string csd) {
    return {major, minor, build, platform::kPlatformNt, std::move(csd)};
}

}  // namespace orvane::testing

namespace orvane::testing {

std::string TestMachine::ToUpperPath(const std::string& path) {
    return ToUpperAscii(path);
}

std::uint32_t TestMachine::RunCommandLine(const std::string& commandLine, int show) {
    commandLines.push_back(show == 1 ? commandLine : commandLine + " (show " + std::to_string(show) + ")");
    return 33;
}

std::intptr_t TestMachine::ShellOpen(const platform::ShellExecuteRequest& request) {
    shellExecutes.push_back(request);
    return shellExecuteAnswer;
}

platform::ShellObjectAnswer TestMachine::CallShellObject(const std::string& method,
                                                         std::optional<std::int32_t> argument) {
    shellObjectCalls.push_back({method, argument});
    return shellObjectAnswer;
}

std::string TestMachine::SystemErrorText(std::uint32_t code) {
    const auto found = errorTexts.find(code);
    return found == errorTexts.end() ? std::string() : found->second;
}

std::uint32_t TestMachine::SendMciCommand(const std::string& command, platform::WindowRef callback) {
    mciCommands.push_back(command + " -> " + std::to_string(callback));
    return mciResult;
}

std::string TestMachine::MciErrorText(std::uint32_t code) {
    const auto found = mciErrorTexts.find(code);
    return found == mciErrorTexts.end() ? std::string() : found->second;
}

bool TestMachine::SetWarningBeep(bool on) {
    warningBeepSettings.push_back(on);
    return true;
}

bool TestMachine::ShowTaskbar(bool shown) {
    taskbarShown.push_back(shown);
    return hasTaskbar;
}

std::uint32_t TestMachine::WaveOutDriverVersion(std::uint32_t device) {
    const auto found = waveOutDriverVersions.find(device);
    return found == waveOutDriverVersions.end() ? 0 : found->second;
}

bool TestMachine::PlaySoundAsync(const std::string& name) {
    playedSounds.push_back(name);
    return true;
}

bool TestMachine::Tone(std::uint32_t frequency, std::uint32_t milliseconds) {
    tones.push_back({frequency, milliseconds});
    return true;
}

std::optional<platform::MixerRef> TestMachine::OpenMixer(std::uint32_t device) {
    mixerLog.push_back("open " + std::to_string(device));
    if (!mixerOpens || device >= mixerCount) return std::nullopt;
    ++openMixers;
    return platform::MixerRef{0x5000 + device};
}

std::optional<std::uint32_t> TestMachine::MixerLineOfType(platform::MixerRef, std::uint32_t componentType) {
    mixerLog.push_back("line " + std::to_string(componentType));
    return microphoneLine;
}

std::optional<std::uint32_t> TestMachine::MixerControlOfType(platform::MixerRef, std::uint32_t lineId,
                                                             std::uint32_t controlType) {
    mixerLog.push_back("controls " + std::to_string(lineId) + " " + std::to_string(controlType));
    return muteControl;
}

bool TestMachine::SetMixerBoolean(platform::MixerRef, std::uint32_t controlId, bool value) {
    mixerLog.push_back("set " + std::to_string(controlId) + " " + (value ? "1" : "0"));
    return mixerSetWorks;
}

void TestMachine::CloseMixer(platform::MixerRef mixer) {
    mixerLog.push_back("close " + std::to_string(mixer - 0x5000));
    --openMixers;
}

platform::EndpointMuteStep TestMachine::MuteCaptureEndpoint(bool mute) {
    endpointMutes.push_back(mute);
    return endpointAnswer;
}

}  // namespace orvane::testing
