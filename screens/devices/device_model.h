#pragma once
// What TfrmDevices lists: for every device class of the registry's class tree, the driver description,
// provider and version of the class's first device instance ("0000").

#include "platform/registry.h"
#include "screens/lists/inventory_list.h"

namespace orvane {

// The class tree of the control set the system runs on. (Backup sets such as ControlSet002 are often
// missing today, and where they exist need not be the one in use.)
inline constexpr const char* kDeviceClassTree = "SYSTEM\\CurrentControlSet\\Control\\Class";

// One row per class whose "0000" key has a non-empty "DriverDesc": that text, "ProviderName" and
// "DriverVersion", in the order the classes are enumerated. A value of a non-text type ends the walk with
// the error; a row whose item text was read keeps it and the sub-items read before the error.
ListRefresh ReadDeviceList(platform::Registry& registry);

}  // namespace orvane
