#pragma once
// The one object through which the portable core reaches the operating system. Each base is a thin
// interface whose functions make one platform call and return its raw answer.

#include "platform/disk_devices.h"
#include "platform/files.h"
#include "platform/identity.h"
#include "platform/network.h"
#include "platform/os_info.h"
#include "platform/power.h"
#include "platform/registry.h"
#include "platform/wmi.h"

namespace orvane::platform {

class System : public Registry,
               public OsInfo,
               public Files,
               public Network,
               public Identity,
               public Wmi,
               public Power,
               public DiskDevices {};

}  // namespace orvane::platform
