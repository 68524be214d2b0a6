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

platform::OsVersion Windows95(std::string csd) { return {4, 0, 950, platform::kPlatformWindows, std::move(csd)}; }
platform::OsVersion Windows98(std::string csd) {
    return {4, 10, 2222, platform::kPlatformWindows, std::move(csd)};
}
platform::OsVersion WindowsMe() { return {4, 90, 3000, platform::kPlatformWindows, " "}; }
platform::OsVersion WindowsNt(std::uint32_t major, std::uint32_t minor, std::uint32_t build, std::string csd) {
    return {major, minor, build, platform::kPlatformNt, std::move(csd)};
}

}  // namespace orvane::testing
