#include "screens/devices/device_model.h"

#include "probes/registry_reader.h"

namespace orvane {

ListRefresh ReadDeviceList(platform::Registry& registry) {
    ListRefresh list;
    RegKey classes = RegKey::Open(registry, kDeviceClassTree);
    if (!classes.IsOpen()) return list;
    try {
        for (const std::string& className : classes.SubkeyNames()) {
            // Only the first device instance of each class is looked at.
            RegKey instance = RegKey::Open(registry, std::string(kDeviceClassTree) + "\\" + className + "\\0000");
            if (!instance.IsOpen()) continue;
            std::string description = instance.ReadText("DriverDesc");
            if (description.empty()) continue;
            list.rows.push_back({std::move(description)});
            list.rows.back().push_back(instance.ReadText("ProviderName"));
            list.rows.back().push_back(instance.ReadText("DriverVersion"));
        }
    } catch (const RegistryError& error) {
        list.error = error.what();
    }
    return list;
}

}  // namespace orvane
