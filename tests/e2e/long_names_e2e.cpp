// Registry names longer in the ANSI code page than the first buffer the program reads them into: in a
// double-byte code page a 255-character key name takes up to 510 bytes. Planted before the other
// entries, such a name must not hide them.
//
// Runs under dbcs_fixture.sh, which starts Wine in a Japanese locale (ANSI code page 932).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/harness.h"

namespace e2e {
namespace {

using Rows = std::vector<std::vector<std::string>>;

constexpr const wchar_t* kUninstall = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
constexpr const wchar_t* kRun = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// "!" sorts before every letter, so the long name comes first in the enumeration; then HIRAGANA LETTER A,
// two bytes each in code page 932.
std::wstring LongName(std::size_t characters) {
    return L"!" + std::wstring(characters - 1, L'\x3042');
}

std::wstring Wide(const std::string& ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

// A key under HKLM's 64-bit view (or a value under HKCU's Run key), made for the test and removed after it.
class PlantedKey {
public:
    PlantedKey(const std::wstring& name, const std::string& displayName)
        : path_(std::wstring(kUninstall) + L"\\" + name) {
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr,
                            &key, nullptr) != ERROR_SUCCESS) {
            return;
        }
        const std::wstring text = Wide(displayName);
        made_ = RegSetValueExW(key, L"DisplayName", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                               static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
        RegCloseKey(key);
    }
    ~PlantedKey() { RegDeleteKeyExW(HKEY_LOCAL_MACHINE, path_.c_str(), KEY_WOW64_64KEY, 0); }
    bool Made() const { return made_; }

private:
    std::wstring path_;
    bool made_ = false;
};

class PlantedRunValue {
public:
    PlantedRunValue(const std::wstring& name, const std::string& command) : name_(name) {
        if (RegOpenKeyExW(HKEY_CURRENT_USER, kRun, 0, KEY_ALL_ACCESS, &key_) != ERROR_SUCCESS) {
            RegCreateKeyExW(HKEY_CURRENT_USER, kRun, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
        }
        const std::wstring text = Wide(command);
        made_ = key_ && RegSetValueExW(key_, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
    }
    ~PlantedRunValue() {
        if (!key_) return;
        RegDeleteValueW(key_, name_.c_str());
        RegCloseKey(key_);
    }
    bool Made() const { return made_; }

private:
    HKEY key_ = nullptr;
    std::wstring name_;
    bool made_ = false;
};

Rows FilledList(const Orvane& orvane, HWND window) {
    WaitUntil([&] { return orvane.StatusPanel(window, 0).rfind("Count: ", 0) == 0; }, 30s);
    return orvane.ListRows(FindControl(window, "ListView1"));
}

bool HasRow(const Rows& rows, std::size_t column, const std::string& text) {
    for (const auto& row : rows) {
        if (row.size() > column && row[column] == text) return true;
    }
    return false;
}

TEST(LongNames, ALongKeyNameFirstHidesNoInstalledApplication) {
    ASSERT_EQ(GetACP(), 932u) << "run under dbcs_fixture.sh, in a double-byte code page";
    PlantedKey longKey(LongName(255), "Orvane E2E Long Key");
    PlantedKey after(L"OrvaneE2EAfterTheLongKey", "Orvane E2E After The Long Key");
    ASSERT_TRUE(longKey.Made() && after.Made());

    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    PressKey(main, VK_F10);
    HWND window = orvane.WaitForWindow("TfrmUnistall");
    ASSERT_TRUE(window);
    const Rows rows = FilledList(orvane, window);
    EXPECT_TRUE(HasRow(rows, 0, "Orvane E2E After The Long Key")) << rows.size() << " rows";
    EXPECT_TRUE(HasRow(rows, 0, "Orvane E2E Long Key")) << "the long-named entry itself";
    PostMessageA(main, WM_CLOSE, 0, 0);
    orvane.WaitForExit();
}

TEST(LongNames, ALongValueNameFirstHidesNoStartupProgram) {
    ASSERT_EQ(GetACP(), 932u) << "run under dbcs_fixture.sh, in a double-byte code page";
    // 9000 characters: 18000 bytes, more than the 16384 the first buffer holds.
    PlantedRunValue longValue(LongName(9000), "C:\\e2e\\long.exe");
    PlantedRunValue after(L"OrvaneE2EAfterTheLongValue", "C:\\e2e\\after.exe");
    ASSERT_TRUE(longValue.Made() && after.Made());

    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    ASSERT_TRUE(orvane.ClickToolButton(main, 9));  // Startup
    HWND window = orvane.WaitForWindow("TfrmStartup");
    ASSERT_TRUE(window);
    const Rows rows = FilledList(orvane, window);
    EXPECT_TRUE(HasRow(rows, 1, "OrvaneE2EAfterTheLongValue")) << rows.size() << " rows";
    EXPECT_TRUE(HasRow(rows, 2, "C:\\e2e\\long.exe")) << "the long-named value itself";
    PostMessageA(main, WM_CLOSE, 0, 0);
    orvane.WaitForExit();
}

}  // namespace
}  // namespace e2e
