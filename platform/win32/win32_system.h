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

private:
    unsigned long registryViewFlag_ = 0;
};

}  // namespace orvane::win32
