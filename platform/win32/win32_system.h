#pragma once
// The real operating system behind the platform seam.

#include "platform/system.h"

namespace orvane::win32 {

class Win32System : public platform::System {
public:
    Win32System();

    std::unique_ptr<platform::RegistryKey> OpenKey(platform::Hive hive, std::string_view path) override;
    std::optional<platform::OsVersion> Version() override;
    int SystemMetric(int index) override;
    std::optional<std::string> TimeZoneStandardName() override;
    std::optional<platform::PrinterEntry> DefaultPrinter() override;
    bool ReplaceFileContents(const std::string& path, std::string_view bytes) override;

    // win32_network.cpp
    platform::AdapterListAnswer AdaptersInfo(std::uint32_t bufferBytes) override;
    std::uint8_t SendNetbios(platform::NetbiosCommand& command) override;
    void StartSockets(std::uint16_t version) override;
    void StopSockets() override;
    std::optional<std::string> HostName(std::size_t bufferBytes) override;
    std::optional<std::vector<std::array<std::uint8_t, 4>>> ResolveHost(const std::string& name) override;

    // win32_identity.cpp
    std::optional<std::string> ComputerName(std::size_t bufferChars) override;
    std::optional<std::string> UserName(std::size_t bufferChars) override;
    platform::TokenAnswer OpenThreadToken(std::uint32_t access, bool openAsSelf) override;
    platform::TokenAnswer OpenProcessToken(std::uint32_t access) override;
    bool SidsEqual(const platform::SidBytes& a, const platform::SidBytes& b) override;

    // win32_wmi.cpp
    std::optional<std::vector<platform::WmiValue>> QueryProperty(const std::string& server,
                                                                 const std::string& nameSpace,
                                                                 const std::string& query,
                                                                 const std::string& property) override;

    // win32_devices.cpp
    std::optional<platform::PowerStatus> SystemPowerStatus() override;
    std::optional<std::string> ReadBiosText(std::uint32_t linearAddress, std::size_t maxBytes) override;
    std::unique_ptr<platform::Device> OpenDevice(const platform::DeviceOpen& how) override;

private:
    unsigned long registryViewFlag_ = 0;
};

}  // namespace orvane::win32
