#include "platform/testing/test_machine.h"

#include "core/text.h"

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

class TestKey : public platform::RegistryKey {
public:
    explicit TestKey(TestMachine::Node* node) : node_(node) {}

    std::optional<RegValue> QueryValue(std::string_view name) override {
        for (const auto& [valueName, value] : node_->values) {
            if (EqualsIgnoreCase(valueName, name)) return value;
        }
        return std::nullopt;
    }
    std::vector<std::string> SubkeyNames() override {
        std::vector<std::string> names;
        for (const auto& child : node_->children) names.push_back(child->name);
        return names;
    }
    std::vector<std::string> ValueNames() override {
        std::vector<std::string> names;
        for (const auto& value : node_->values) names.push_back(value.first);
        return names;
    }

private:
    TestMachine::Node* node_;
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

std::unique_ptr<platform::RegistryKey> TestMachine::OpenKey(Hive hive, std::string_view path) {
    Node* node = Find(hive, path, false);
    if (!node || node->denied) return nullptr;
    return std::make_unique<TestKey>(node);
}

int TestMachine::SystemMetric(int index) {
    const auto found = metrics.find(index);
    return found == metrics.end() ? 0 : found->second;
}

bool TestMachine::ReplaceFileContents(const std::string& path, std::string_view bytes) {
    if (failFileWrites) return false;
    files[path] = std::string(bytes);
    return true;
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

class TestDevice : public platform::Device {
public:
    TestDevice(TestMachine& machine, platform::DeviceOpen open, const TestMachine::DeviceFixture& fixture)
        : machine_(machine), open_(std::move(open)), fixture_(fixture) {}
    std::optional<std::vector<std::uint8_t>> Control(std::uint32_t code, const std::vector<std::uint8_t>& input,
                                                     std::size_t outputBytes) override {
        machine_.deviceCalls.push_back({open_, code, input, outputBytes});
        const auto found = fixture_.replies.find(code);
        if (found == fixture_.replies.end()) return std::nullopt;
        std::vector<std::uint8_t> reply = found->second;
        if (reply.size() > outputBytes) reply.resize(outputBytes);
        return reply;
    }

private:
    TestMachine& machine_;
    platform::DeviceOpen open_;
    const TestMachine::DeviceFixture& fixture_;
};

}  // namespace

platform::TokenAnswer TestMachine::OpenThreadToken(std::uint32_t, bool) {
    return TokenFrom(threadToken, threadTokenError);
}

platform::TokenAnswer TestMachine::OpenProcessToken(std::uint32_t) { return TokenFrom(processToken, 5); }

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

std::unique_ptr<platform::Device> TestMachine::OpenDevice(const platform::DeviceOpen& how) {
    deviceOpens.push_back(how);
    const auto found = devices.find(how.path);
    if (found == devices.end()) return nullptr;
    return std::make_unique<TestDevice>(*this, how, found->second);
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
