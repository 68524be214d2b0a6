// The WMI rows, the personal window and the modem row, checked against what the system itself reports.
#include <winsock2.h>
// clang-format off
#include <windows.h>
#include <winioctl.h>
#include <ntddscsi.h>
// clang-format on
// After winsock2.h.
#include <gtest/gtest.h>
#include <wbemcli.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <vector>

#include "platform/win32/imports.h"
#include "probes/firmware_probes.h"
#include "tests/e2e/harness.h"

namespace e2e {
namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// Runs a batch report; its lines by label.
std::map<std::string, std::string> BatchRows() {
    const std::string path = MakeTempDir() + "\\report.txt";
    Orvane orvane("/AUTO " + Quoted(path));
    EXPECT_EQ(orvane.WaitForExit(90s), std::optional<DWORD>(0));
    std::map<std::string, std::string> rows;
    for (const std::string& line : SplitCrLfLines(ReadFileBytes(path).value_or(""))) {
        const std::size_t colon = line.find(": ");
        if (colon != std::string::npos) rows[line.substr(0, colon)] = line.substr(colon + 2);
    }
    EXPECT_EQ(rows.size(), 29u);
    return rows;
}

template <typename T>
struct Released {
    T* pointer = nullptr;
    ~Released() {
        if (pointer) pointer->Release();
    }
};

// The property of the last instance of the class, through WMI's own COM API (not the scripting
// objects the program uses); nullopt when the query fails.
std::optional<std::string> QueryWmi(const wchar_t* className, const wchar_t* property) {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    std::optional<std::string> result;
    {
        Released<IWbemLocator> locator;
        if (FAILED(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                    reinterpret_cast<void**>(&locator.pointer)))) {
            return std::nullopt;
        }
        Released<IWbemServices> services;
        BSTR space = SysAllocString(L"root\\cimv2");
        const HRESULT connected =
            locator.pointer->ConnectServer(space, nullptr, nullptr, nullptr, 0, nullptr, nullptr, &services.pointer);
        SysFreeString(space);
        if (FAILED(connected)) return std::nullopt;
        const std::wstring queryText = std::wstring(L"SELECT * FROM ") + className;
        BSTR language = SysAllocString(L"WQL");
        BSTR query = SysAllocString(queryText.c_str());
        Released<IEnumWbemClassObject> objects;
        const HRESULT queried =
            services.pointer->ExecQuery(language, query, WBEM_FLAG_FORWARD_ONLY, nullptr, &objects.pointer);
        SysFreeString(language);
        SysFreeString(query);
        if (FAILED(queried)) return std::nullopt;
        result = std::string();
        for (;;) {
            Released<IWbemClassObject> object;
            ULONG returned = 0;
            if (objects.pointer->Next(static_cast<LONG>(WBEM_INFINITE), 1, &object.pointer, &returned) != S_OK ||
                returned != 1) {
                break;
            }
            VARIANT value;
            VariantInit(&value);
            if (FAILED(object.pointer->Get(property, 0, &value, nullptr, nullptr))) return std::nullopt;
            VARIANT text;
            VariantInit(&text);
            if (value.vt == VT_NULL) {
                result = std::string();
            } else if (SUCCEEDED(VariantChangeType(&text, &value, 0, VT_BSTR))) {
                char narrow[512] = {};
                WideCharToMultiByte(CP_ACP, 0, text.bstrVal, -1, narrow, sizeof narrow - 1, nullptr, nullptr);
                result = narrow;
            }
            VariantClear(&text);
            VariantClear(&value);
        }
    }
    return result;
}

TEST(WmiRows, MatchWhatWmiItselfAnswers) {
    const auto manufacturer = QueryWmi(L"Win32_BIOS", L"Manufacturer");
    const auto product = QueryWmi(L"Win32_ComputerSystemProduct", L"Name");
    const auto serial = QueryWmi(L"Win32_BIOS", L"SerialNumber");
    ASSERT_TRUE(manufacturer && product && serial) << "the driver's own WMI query failed";
    ASSERT_FALSE(manufacturer->empty()) << "WMI names no BIOS maker: the row would prove nothing";
    std::map<std::string, std::string> rows = BatchRows();
    EXPECT_EQ(rows["Manufacturer"], *manufacturer);
    EXPECT_EQ(rows["Product Make"], *product);
    EXPECT_EQ(rows["Serial Number"], *serial);
}

TEST(FirmwareRows, TheBiosLineComesFromTheHardwareDescriptionAndPowerFromThePlatform) {
    // A current NT system: the BIOS texts are read where the loader put them, the version's first
    // string only.
    constexpr const char* kSystem = "HARDWARE\\DESCRIPTION\\System";
    const char version[] = "ORVANE - 1072009\0BIOS Date: 12/10/26 Ver: 1.00\0";
    PlantedValue biosVersion(HKEY_LOCAL_MACHINE, kSystem, "SystemBiosVersion", REG_MULTI_SZ,
                             std::vector<BYTE>(version, version + sizeof version));
    const char date[] = "12/10/26";
    PlantedValue biosDate(HKEY_LOCAL_MACHINE, kSystem, "SystemBiosDate", REG_SZ,
                          std::vector<BYTE>(date, date + sizeof date));
    char identifier[256] = {};
    DWORD size = sizeof identifier;
    RegGetValueA(HKEY_LOCAL_MACHINE, kSystem, "Identifier", RRF_RT_REG_SZ, nullptr, identifier, &size);
    SYSTEM_POWER_STATUS power{};
    ASSERT_TRUE(GetSystemPowerStatus(&power));
    std::map<std::string, std::string> rows = BatchRows();
    EXPECT_EQ(rows["BIOS Info"], std::string(identifier) + " | 12/10/26 | ORVANE - 1072009 |  | ");
    EXPECT_EQ(rows["AC Power Status"], orvane::AcLineWord(power.ACLineStatus));
    EXPECT_EQ(rows["Battery"], orvane::BatteryFlagWord(power.BatteryFlag));
}

std::string ComputerName() {
    char name[256] = {};
    DWORD size = sizeof name;
    GetComputerNameA(name, &size);
    return name;
}

std::string UserName() {
    char name[256] = {};
    DWORD size = sizeof name;
    GetUserNameA(name, &size);
    return name;
}

std::string HostAddresses() {
    WSADATA data{};
    WSAStartup(MAKEWORD(1, 1), &data);
    std::string text;
    char host[256] = {};
    gethostname(host, sizeof host);
    if (const hostent* entry = gethostbyname(host)) {
        for (char** address = entry->h_addr_list; *address; ++address) {
            in_addr in{};
            memcpy(&in, *address, sizeof in);
            text += std::string(inet_ntoa(in)) + " | ";
        }
    }
    WSACleanup();
    return text;
}

// The first hard disk's serial as the platform gives it to this driver, asked with the SDK's own records
// in the probe's order: the unit serial number page of volume C:, then the first drive's descriptor
// ("Error!" when neither answers). The IDENTIFY attempt needs the SCSI port adapter, which Wine has not.
std::string PlatformDiskSerial() {
    auto trimmed = [](std::string text) {
        text = text.substr(0, text.find('\0'));
        const auto first = text.find_first_not_of(" \t\r\n");
        if (first == std::string::npos) return std::string();
        return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
    };
    const HANDLE adapter = CreateFileA("\\\\.\\Scsi0:", GENERIC_READ | GENERIC_WRITE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (adapter != INVALID_HANDLE_VALUE) {
        CloseHandle(adapter);
        return "<a SCSI port adapter: the IDENTIFY answer is not checked here>";
    }
    const HANDLE volume = CreateFileA("\\\\.\\C:", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (volume != INVALID_HANDLE_VALUE) {
        struct {
            SCSI_PASS_THROUGH record;
            BYTE sense[32];
            BYTE data[192];
        } request{};
        request.record.Length = sizeof request.record;
        request.record.CdbLength = 6;
        request.record.SenseInfoLength = 24;
        request.record.DataIn = SCSI_IOCTL_DATA_IN;
        request.record.DataTransferLength = sizeof request.data;
        request.record.TimeOutValue = 2;
        request.record.DataBufferOffset = offsetof(decltype(request), data);
        request.record.SenseInfoOffset = offsetof(decltype(request), sense);
        const BYTE cdb[6] = {0x12, 0x01, 0x80, 0, 192, 0};
        memcpy(request.record.Cdb, cdb, sizeof cdb);
        DWORD returned = 0;
        const BOOL ok = DeviceIoControl(volume, IOCTL_SCSI_PASS_THROUGH, &request, sizeof request.record, &request,
                                        sizeof request, &returned, nullptr);
        CloseHandle(volume);
        if (ok && request.data[1] == 0x80) {
            const std::string serial = trimmed(std::string(reinterpret_cast<const char*>(request.data + 4),
                                                           std::min<std::size_t>(request.data[3], 188)));
            if (!serial.empty()) return serial;
        }
    }
    const HANDLE drive = CreateFileA("\\\\.\\PhysicalDrive0", 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, 0, nullptr);
    if (drive != INVALID_HANDLE_VALUE) {
        STORAGE_PROPERTY_QUERY query{};
        query.PropertyId = StorageDeviceProperty;
        query.QueryType = PropertyStandardQuery;
        std::vector<BYTE> reply(1024);
        DWORD returned = 0;
        const BOOL ok = DeviceIoControl(drive, IOCTL_STORAGE_QUERY_PROPERTY, &query, sizeof query, reply.data(),
                                        static_cast<DWORD>(reply.size()), &returned, nullptr);
        CloseHandle(drive);
        const auto* descriptor = reinterpret_cast<const STORAGE_DEVICE_DESCRIPTOR*>(reply.data());
        if (ok && returned >= sizeof *descriptor && descriptor->SerialNumberOffset != 0 &&
            descriptor->SerialNumberOffset < returned) {
            const std::string serial = trimmed(std::string(reinterpret_cast<const char*>(reply.data()) +
                                                           descriptor->SerialNumberOffset,
                                                           returned - descriptor->SerialNumberOffset));
            if (!serial.empty()) return serial;
        }
    }
    return "Error!";
}

// Whether the Administrators group is enabled in this process's token, as the platform itself judges it.
bool TokenListsAdministrators() {
    SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    if (!AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                                  &administrators)) {
        return false;
    }
    BOOL member = FALSE;
    const bool answered = CheckTokenMembership(nullptr, administrators, &member) != FALSE;
    FreeSid(administrators);
    return answered && member;
}

TEST(PersonalWindow, F6FillsTheIdentityRowsAndTheAdministratorLine) {
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    HWND personal = orvane.FindWindowOfClass("TfrmPersonal", false);
    ASSERT_TRUE(personal) << "the window exists from the start";
    EXPECT_FALSE(IsWindowVisible(personal));
    EXPECT_EQ(ControlText(personal, "Info1"), "");
    PressKey(main, VK_F6);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(personal) != FALSE; }, 60s));
    EXPECT_EQ(WindowText(personal), "Personal network and system information");
    EXPECT_EQ(ControlText(personal, "Info1"), ComputerName());
    EXPECT_EQ(ControlText(personal, "Info2"), UserName());
    EXPECT_EQ(ControlText(personal, "Info3"), HostAddresses());
    EXPECT_NE(ControlText(personal, "Info3"), "") << "the host resolves";
    EXPECT_EQ(ControlText(personal, "Edit1"), TokenListsAdministrators() ? "You have Administrator Privileges"
                                                                         : "You Do NOT have Administrator Privileges");
    const std::string mac = ControlText(personal, "Info4");
    EXPECT_TRUE(mac.empty() || (mac.size() == 17 && mac[2] == '-' && mac[14] == '-')) << mac;
    EXPECT_EQ(ControlText(personal, "Info21"), PlatformDiskSerial());
    EXPECT_EQ(ControlText(personal, "Desc21"), "HD Serial Number");
    EXPECT_EQ(ControlText(personal, "Edit2"), "Administrator");

    // Closed and shown again, it keeps its rows and runs no refresh: the main rows stay as they were.
    PostMessageA(personal, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(personal); }));
    SendMessageA(FindControl(main, "Info1"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("marker"));
    PressKey(main, VK_F6);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(personal) != FALSE; }));
    EXPECT_EQ(ControlText(main, "Info1"), "marker");
    EXPECT_EQ(ControlText(personal, "Info1"), ComputerName());
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(orvane.WaitForExit(), std::optional<DWORD>(0));
}

bool HasDefaultPrinter() {
    char name[512] = {};
    DWORD size = sizeof name;
    using GetDefaultPrinterFn = BOOL(WINAPI*)(LPSTR, LPDWORD);
    HMODULE spooler = LoadLibraryA("winspool.drv");
    const auto getDefault = orvane::win32::ImportFrom<GetDefaultPrinterFn>(spooler, "GetDefaultPrinterA");
    const bool found = getDefault && getDefault(name, &size) && name[0] != '\0';
    if (spooler) FreeLibrary(spooler);
    return found;
}

TEST(PersonalWindow, QuickPrintWithoutAPrinterSaysSoAndTheWindowGoesOn) {
    if (HasDefaultPrinter()) GTEST_SKIP() << "a default printer is installed: Quick Print would print";
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    PressKey(main, VK_F6);
    HWND personal = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (personal = orvane.FindWindowOfClass("TfrmPersonal")) != nullptr; }, 60s));
    // File > Quick Print, by keyboard: Alt+F opens the menu, Enter runs its first item.
    SetForegroundWindow(personal);
    WaitUntil([&] { return GetForegroundWindow() == personal; }, 2s);
    keybd_event(VK_MENU, 0, 0, 0);
    keybd_event('F', 0, 0, 0);
    keybd_event('F', 0, KEYEVENTF_KEYUP, 0);
    keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
    PressKey(personal, VK_RETURN);
    const auto box = WaitForMessageBox(orvane.Pid());
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "There is no default printer.");
    PressOk(*box);
    EXPECT_TRUE(orvane.Running());
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(orvane.WaitForExit(), std::optional<DWORD>(0));
}

TEST(ModemRow, AFaxDeviceWithAnEmptyNameSuppressesTheModem) {
    const std::vector<BYTE> friendly = {'O', 'r', 'v', 'a', 'n', 'e', ' ', 'M', 'o', 'd', 'e', 'm', 0};
    PlantedValue modem(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Ras\\Tapi Device\\Unimodem", "Friendly Name", REG_SZ,
                       friendly);
    EXPECT_EQ(BatchRows()["Modems"], "Orvane Modem") << "the modem alone, without a separator";
    {
        PlantedValue fax(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Fax\\Devices\\OrvaneFax", "Device Name", REG_SZ,
                         {0});
        EXPECT_EQ(BatchRows()["Modems"], " | ");
    }
    HKEY left = nullptr;
    EXPECT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Fax", 0, KEY_READ | KEY_WOW64_64KEY, &left),
              ERROR_SUCCESS)
        << "the planted keys are gone";
    if (left) RegCloseKey(left);
}

}  // namespace
}  // namespace e2e
