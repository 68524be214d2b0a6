#pragma once
// The one object through which the portable core reaches the operating system. Each base is a thin
// interface whose functions make one platform call and return its raw answer.

#include "platform/devices.h"
#include "platform/files.h"
#include "platform/hardware.h"
#include "platform/identity.h"
#include "platform/locale.h"
#include "platform/machine_sources.h"
#include "platform/network.h"
#include "platform/nt_query.h"
#include "platform/os_info.h"
#include "platform/power.h"
#include "platform/programs.h"
#include "platform/registry.h"
#include "platform/screen.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/volumes.h"
#include "platform/wmi.h"

namespace orvane::platform {

class System : public Registry,
               public OsInfo,
               public Files,
               public Hardware,
               public Devices,
               public NtQuery,
               public Network,
               public Identity,
               public Wmi,
               public Power,
               // The display and drive windows.
               public Screen,
               public Volumes,
               public Locale,
               // The inventory windows.
               public Programs,
               // The tools launcher and the sound window.
               public Shell,
               public Sound,
               // The machine window.
               public MachineSources {};

}  // namespace orvane::platform
