#pragma once
// An in-memory machine for the unit tests: a test fills in the registry, the version record, the
// metrics and whatever else its probe asks, then runs the probe against it.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/system.h"

namespace orvane::testing {

using platform::Hive;
using platform::RegValue;

class TestMachine : public platform::System {
public:
    TestMachine();
    ~TestMachine() override;

    // --- registry fixtures (paths without leading backslash, any case) ---
    void AddKey(Hive hive, const std::string& path);
    void SetValue(Hive hive, const std::string& path, const std::string& name, RegValue value);
    void SetText(const std::string& path, const std::string& name, const std::string& text,
                 std::uint32_t type = platform::kRegSz);
    void SetDword(const std::string& path, const std::string& name, std::uint32_t number);
    void SetBinary(const std::string& path, const std::string& name, std::vector<std::uint8_t> bytes);
    // The key exists but may not be opened (as for an account without read rights).
    void DenyKey(Hive hive, const std::string& path);

    // --- other fixtures ---
    std::optional<platform::OsVersion> version;
    std::map<int, int> metrics;
    std::optional<std::string> timeZoneName;
    std::optional<platform::PrinterEntry> defaultPrinter;
    std::map<std::string, std::string> files;  // what ReplaceFile wrote, by path
    bool failFileWrites = false;

    // --- platform::System ---
    std::unique_ptr<platform::RegistryKey> OpenKey(Hive hive, std::string_view path) override;
    std::optional<platform::OsVersion> Version() override { return version; }
    int SystemMetric(int index) override;
    std::optional<std::string> TimeZoneStandardName() override { return timeZoneName; }
    std::optional<platform::PrinterEntry> DefaultPrinter() override { return defaultPrinter; }
    bool ReplaceFileContents(const std::string& path, std::string_view bytes) override;

    struct Node;

private:
    Node* Find(Hive hive, std::string_view path, bool create);
    std::unique_ptr<Node> roots_[2];
};

// Version records as the Windows releases report them.
platform::OsVersion Windows95(std::string csd = "");
platform::OsVersion Windows98(std::string csd = "");
platform::OsVersion WindowsMe();
platform::OsVersion WindowsNt(std::uint32_t major, std::uint32_t minor, std::uint32_t build, std::string csd = "");

}  // namespace orvane::testing
