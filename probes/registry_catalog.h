#pragma once
// Every registry read the program makes, in one list kept beside the readers: which hive and view, which
// key, which value, how it is read, which row or window reads it, and what a value of the wrong type or
// size does there. A reader that starts reading something new adds its line here; the registry fault
// matrix (probes/registry_matrix_test.cpp) runs every reader against a machine that records each read,
// and fails on a read this list does not name.
//
// Key paths are as the readers pass them to RegKey, without leading or trailing backslashes. A "*"
// component stands for every name the enumeration of the parent key returns; a "*" value name for every
// name the key's value enumeration returns.

#include <span>
#include <string_view>

#include "platform/registry.h"

namespace orvane {

enum class RegistryReadKind {
    Text,       // RegKey::ReadText: REG_SZ or REG_EXPAND_SZ, cut at the first NUL
    RawBytes,   // RegKey::ReadRaw with the entry's capacity
    Number32,   // RegKey::ReadInteger: a REG_DWORD
    Number64,   // RegKey::ReadRaw of at most 8 bytes, taken as a little-endian number
    KeyExists,  // only whether the key opens
    Subkeys,    // RegKey::SubkeyNames
    ValueList,  // RegKey::ValueNames
};

// What a value of a type the read refuses (or too large for its capacity) does to the reader.
enum class BadValueOutcome {
    Raises,         // the registry error "Invalid data type for '%s'" leaves the reader (the refresh handles it)
    EndsRefresh,    // the list's refresh stops there with that error; the rows read so far stay
    FailureText,    // the probe gives its failure result (failureText)
    AsMissing,      // read as if the value were not there
    NotApplicable,  // keys and enumerations
};

// Who reads the registry. The tools launcher and the sound window add their lines when they arrive.
enum class RegistryReader {
    IEVersion,      // summary row "Internet Explorer": GetIEVersion
    ProductID,      // personal window row "Product ID": GetProductID
    CPUIdentifier,  // summary row "CPU" fallback: GetCPUIdentifier
    COMPorts,       // summary row "COM Ports" fallback: GetCOMPortsFromRegistry
    LPTPorts,       // summary row "LPT Ports" fallback: GetLPTPortsFromRegistry
    PCMCIA,         // summary row "PCMCIA": GetPCMCIAStatus
    BIOS,           // summary row "BIOS" on NT: GetBIOSInfo
    Motherboard,    // summary row "Motherboard": GetMotherboard
    Modems,         // summary row "Modems": GetModems
    DisplayWindow,  // the display window's refresh (DisplayWindowModel::Refresh)
    DeviceList,     // the device list window's refresh (ReadDeviceList)
    UninstallList,  // the installed applications window's refresh (ReadUninstallList)
    StartupList,    // the startup window's refresh (ReadStartupList)
};

struct RegistryRead {
    platform::Hive hive;
    bool view32;  // the view 64-bit Windows gives 32-bit programs (RegKey::Open32)
    const char* key;
    const char* value;  // "" for the default value or for key-only entries and enumerations
    RegistryReadKind kind;
    std::size_t capacity;  // RawBytes and Number64: the largest value accepted; 0 otherwise
    RegistryReader reader;
    BadValueOutcome onBadValue;
    const char* failureText;  // FailureText: the probe's result
};

std::span<const RegistryRead> RegistryCatalog();

// The row or window a reader fills, as the user names it.
std::string_view RegistryReaderName(RegistryReader reader);

// Whether a key path of the list ("*" components) names the given path (ASCII case ignored).
bool RegistryKeyPatternMatches(std::string_view pattern, std::string_view path);

}  // namespace orvane
