// Every file the program writes (the batch report, Save as text and as CSV, the HTML export) against
// what a user's disk can put in its way: the error box says what went wrong, and a report that stood
// at the path before is still there, whole, with nothing left beside it.
//
// Runs under full_disk_fixture.sh, which maps a 64 KB file system as drive ORVANE_E2E_SMALL_DRIVE.
#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "tests/e2e/harness.h"

namespace e2e {
namespace {

enum class Output { Batch, SaveText, SaveCsv, Html };
constexpr Output kOutputs[] = {Output::Batch, Output::SaveText, Output::SaveCsv, Output::Html};

const char* NameOf(Output output) {
    switch (output) {
        case Output::Batch:
            return "batch report";
        case Output::SaveText:
            return "Save as text";
        case Output::SaveCsv:
            return "Save as CSV";
        case Output::Html:
            return "Export to HTML";
    }
    return "?";
}

const wchar_t* ExtensionOf(Output output) {
    switch (output) {
        case Output::SaveCsv:
            return L".csv";
        case Output::Html:
            return L".htm";
        default:
            return L".txt";
    }
}

std::wstring Wide(const std::string& text) {
    std::wstring wide;
    for (unsigned char c : text) wide += static_cast<wchar_t>(c);  // the driver's own paths: ASCII
    return wide;
}

// The path as the program sees it through the ANSI calls: characters the code page lacks become '?'.
std::string Ansi(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, ansi.data(), size, nullptr, nullptr);
    ansi.resize(ansi.size() - 1);
    return ansi;
}

// A message box of the process other than the file dialog itself.
std::optional<MessageBoxInfo> WaitForErrorBox(DWORD pid, Duration timeout) {
    std::optional<MessageBoxInfo> found;
    WaitUntil(
        [&] {
            struct Search {
                DWORD pid;
                HWND box;
            } search{pid, nullptr};
            EnumWindows(
                [](HWND window, LPARAM param) -> BOOL {
                    auto* s = reinterpret_cast<Search*>(param);
                    DWORD owner = 0;
                    GetWindowThreadProcessId(window, &owner);
                    char name[16] = {};
                    GetClassNameA(window, name, sizeof name);
                    if (owner == s->pid && std::string(name) == "#32770" && IsWindowVisible(window) &&
                        !GetDlgItem(window, 0x47C)) {
                        s->box = window;
                        return FALSE;
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&search));
            if (!search.box) return false;
            found = MessageBoxInfo{search.box, WindowText(search.box), WindowText(GetDlgItem(search.box, 0xFFFF))};
            return true;
        },
        timeout);
    return found;
}

constexpr const char* kRefusedByDialog = "<the file dialog refused the name>";

// Writes the output to the path as a user would, and returns the text of the error box it showed
// (nullopt when none came); the program is closed again afterwards.
std::optional<std::string> Produce(Output output, const std::wstring& path) {
    if (output == Output::Batch) {
        Orvane orvane(L"/AUTO \"" + path + L"\"");
        std::optional<MessageBoxInfo> box;
        WaitUntil(
            [&] {
                box = WaitForErrorBox(orvane.Pid(), 0ms);
                return box || !orvane.Running();
            },
            90s);
        if (!box) return std::nullopt;
        PressOk(*box);
        if (HWND main = orvane.Main()) PostMessageA(main, WM_CLOSE, 0, 0);
        orvane.WaitForExit();
        return box->text;
    }
    Orvane orvane("");
    HWND main = orvane.Main();
    if (!main) return "<no main window>";
    if (output == Output::Html) {
        // The arrow beside the first tool button opens the output menu; its last item exports.
        if (!orvane.ClickToolButton(main, 0, true)) return "<no output menu>";
        WaitUntil([&] { return FindWindowA("#32768", nullptr) != nullptr; }, 5s);
        PressKey(GetForegroundWindow(), VK_UP);
        PressKey(GetForegroundWindow(), VK_RETURN);
    } else {
        PressKey(main, VK_F2);
    }
    HWND dialog = WaitForFileDialog(orvane.Pid(), 60s);
    if (!dialog) return "<no file dialog>";
    ConfirmFileDialog(dialog, path, output == Output::SaveCsv ? 1 : 0);
    const std::optional<MessageBoxInfo> box = WaitForErrorBox(orvane.Pid(), 60s);
    // The dialog's own objection to the name (its wording is the system's) comes before the program
    // sees the name at all.
    const bool refusedByDialog = box && GetWindow(box->box, GW_OWNER) == dialog;
    if (box) PressOk(*box);
    // A dialog that refused the name stays open: leave it.
    if (IsWindow(dialog)) CancelFileDialog(dialog);
    WaitUntil([&] { return !IsWindow(dialog); }, 5s);
    PostMessageA(main, WM_CLOSE, 0, 0);
    orvane.WaitForExit();
    if (!box) return std::nullopt;
    return refusedByDialog ? kRefusedByDialog : box->text;
}

// The names in a folder, so that a test sees anything the program left beside the report.
std::set<std::wstring> NamesIn(const std::wstring& folder) {
    std::set<std::wstring> names;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((L"\\\\?\\" + folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.insert(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

std::string Narrow(const std::set<std::wstring>& names) {
    std::string text;
    for (const std::wstring& name : names) text += Ansi(name) + " ";
    return text;
}

std::optional<std::string> ReadWide(const std::wstring& path) {
    HANDLE file =
        CreateFileW((L"\\\\?\\" + path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

bool WriteWide(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW((L"\\\\?\\" + path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD put = 0;
    const bool ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr) && put == bytes.size();
    CloseHandle(file);
    return ok;
}

// A whole report, as a run before this one left it.
std::string OldReport() {
    std::string report;
    for (int row = 1; row <= 29; ++row) report += "Row " + std::to_string(row) + ": the value a user kept\r\n";
    return report;
}

// The designed message: the batch report and Save name the file; the HTML export gives the runtime's
// input/output error text.
std::string Expected(Output output, const std::wstring& path, const std::string& htmlText) {
    return output == Output::Html ? htmlText : "Cannot create file " + Ansi(path);
}

TEST(FileFaults, AReadOnlyReportStaysAsItWas) {
    for (Output output : kOutputs) {
        const std::wstring folder = Wide(MakeTempDir());
        const std::wstring path = folder + L"\\report" + ExtensionOf(output);
        ASSERT_TRUE(WriteWide(path, OldReport()));
        ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
        EXPECT_EQ(Produce(output, path), Expected(output, path, "File access denied")) << NameOf(output);
        EXPECT_EQ(ReadWide(path), OldReport()) << NameOf(output);
        EXPECT_EQ(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_READONLY, DWORD{FILE_ATTRIBUTE_READONLY})
            << NameOf(output);
        EXPECT_EQ(NamesIn(folder), std::set<std::wstring>{path.substr(folder.size() + 1)})
            << NameOf(output) << ": " << Narrow(NamesIn(folder));
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST(FileFaults, AFolderThatDoesNotExistIsReported) {
    for (Output output : kOutputs) {
        const std::wstring folder = Wide(MakeTempDir());
        const std::wstring path = folder + L"\\no such folder\\report" + ExtensionOf(output);
        // The save dialogs take only a folder that exists, and keep the user in the dialog.
        const std::string expected =
            output == Output::Batch ? Expected(output, path, "") : std::string(kRefusedByDialog);
        EXPECT_EQ(Produce(output, path), expected) << NameOf(output);
        EXPECT_EQ(NamesIn(folder), std::set<std::wstring>{}) << NameOf(output) << ": " << Narrow(NamesIn(folder));
    }
}

// Only the batch report: Wine's own file dialog faults on a name longer than MAX_PATH before it returns,
// so the dialogs cannot hand such a name to the program there.
TEST(FileFaults, APathLongerThanMaxPathGivesAWholeReportOrTheMessage) {
    struct Case {
        const char* name;
        std::size_t folderLength;  // of the sub-folder's name
        std::size_t fileLength;    // of the file's name before its extension
        bool written;              // Wine's calls take a long path only where the temporary file fits
    };
    const Case cases[] = {
        {"a long name in a short folder", 150, 120, true},
        {"a folder deeper than MAX_PATH", 240, 6, false},
    };
    for (const Case& c : cases) {
        const std::wstring folder = Wide(MakeTempDir()) + L"\\" + std::wstring(c.folderLength, L'f');
        ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + folder).c_str(), nullptr)) << c.name;
        const std::wstring name = std::wstring(c.fileLength, L'r') + L".txt";
        const std::wstring path = folder + L"\\" + name;
        ASSERT_GT(path.size(), std::size_t{MAX_PATH}) << c.name;
        const std::optional<std::string> message = Produce(Output::Batch, path);
        if (c.written) {
            EXPECT_EQ(message, std::nullopt) << c.name;
            EXPECT_EQ(SplitCrLfLines(ReadWide(path).value_or("")).size(), 29u) << c.name << ": the whole report";
            EXPECT_EQ(NamesIn(folder), std::set<std::wstring>{name}) << c.name << ": " << Narrow(NamesIn(folder));
        } else {
            EXPECT_EQ(message, Expected(Output::Batch, path, "")) << c.name;
            EXPECT_EQ(NamesIn(folder), std::set<std::wstring>{}) << c.name << ": " << Narrow(NamesIn(folder));
        }
    }
}

TEST(FileFaults, ANamePastedPastWhatThePathLeavesIsCutAndTheReportIsWhole) {
    // A user pastes a name far longer than a path may be: the name box keeps what fits beside the folder,
    // the program goes on, and the report lands whole under the name as the box kept it.
    const std::string folder = MakeTempDir();
    const std::string pasted = folder + "\\" + std::string(300, 'r') + ".txt";
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    PressKey(main, VK_F2);
    HWND dialog = WaitForFileDialog(orvane.Pid(), 60s);
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, pasted.size() + 1);
    ASSERT_TRUE(memory);
    std::memcpy(GlobalLock(memory), pasted.c_str(), pasted.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
    HWND nameBox = GetDlgItem(dialog, 0x47C);
    HWND edit = FindChildOfClass(nameBox, "Edit");
    ASSERT_TRUE(edit);
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    SendMessageA(edit, WM_PASTE, 0, 0);
    const LRESULT kept = SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0);
    EXPECT_LT(kept, static_cast<LRESULT>(MAX_PATH)) << "the box keeps less than a path may hold";
    EXPECT_GT(kept, static_cast<LRESULT>(folder.size())) << "and more than the folder";
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 30s)) << "the dialog takes the name";
    std::set<std::wstring> names;
    ASSERT_TRUE(WaitUntil([&] { return !(names = NamesIn(Wide(folder))).empty(); }, 60s));
    ASSERT_EQ(names.size(), 1u) << Narrow(names);
    const std::wstring name = *names.begin();
    EXPECT_EQ(name.substr(0, 10), std::wstring(10, L'r')) << Narrow(names);
    EXPECT_EQ(SplitCrLfLines(ReadWide(Wide(folder) + L"\\" + name).value_or("")).size(), 29u) << "the whole report";
    EXPECT_TRUE(orvane.Running()) << "the program goes on";
    PostMessageA(main, WM_CLOSE, 0, 0);
    orvane.WaitForExit();
}

TEST(FileFaults, ANameOutsideTheCodePageIsReportedAndNothingIsLeft) {
    const std::wstring name = L"\x043E\x0442\x0447\x0451\x0442-\x62A5\x544A";  // Russian and Chinese "report"
    BOOL lossy = FALSE;
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name.c_str(), -1, nullptr, 0, nullptr, &lossy);
    ASSERT_TRUE(lossy) << "the name must lie outside the ANSI code page " << GetACP();
    for (Output output : kOutputs) {
        const std::wstring folder = Wide(MakeTempDir());
        const std::wstring path = folder + L"\\" + name + ExtensionOf(output);
        const std::optional<std::string> message = Produce(output, path);
        EXPECT_EQ(message, Expected(output, path, "I/O error 123")) << NameOf(output);
        EXPECT_EQ(NamesIn(folder), std::set<std::wstring>{}) << NameOf(output) << ": " << Narrow(NamesIn(folder));
    }
}

// The small drive with an old report on it, filled up to all but `freeBytes` (in whole pages).
class SmallDrive {
public:
    SmallDrive() {
        char letter[8] = {};
        GetEnvironmentVariableA("ORVANE_E2E_SMALL_DRIVE", letter, sizeof letter);
        root_ = Wide(letter) + L":";
    }
    ~SmallDrive() { Empty(); }
    bool Present() const { return root_.size() == 2; }
    std::wstring Root() const { return root_; }

    // Leaves only the old report at `path`, then fills the drive until fewer than freeBytes remain.
    bool Prepare(const std::wstring& path, std::size_t freeBytes) {
        Empty();
        if (!WriteWide(path, OldReport())) return false;
        HANDLE filler =
            CreateFileW((root_ + L"\\filler").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (filler == INVALID_HANDLE_VALUE) return false;
        const std::string page(4096, 'x');
        DWORD put = 0;
        std::size_t filled = 0;
        while (WriteFile(filler, page.data(), static_cast<DWORD>(page.size()), &put, nullptr) && put == page.size()) {
            filled += put;
        }
        // Give back whole pages, so the next write gets that far and then meets the full disk.
        const std::size_t keep = filled > freeBytes ? filled - freeBytes : 0;
        LARGE_INTEGER at{};
        at.QuadPart = static_cast<LONGLONG>(keep);
        SetFilePointerEx(filler, at, nullptr, FILE_BEGIN);
        SetEndOfFile(filler);
        CloseHandle(filler);
        ULARGE_INTEGER available{};
        GetDiskFreeSpaceExW((root_ + L"\\").c_str(), &available, nullptr, nullptr);
        return available.QuadPart <= freeBytes;
    }

private:
    void Empty() {
        for (const std::wstring& name : NamesIn(root_)) {
            SetFileAttributesW((root_ + L"\\" + name).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW((root_ + L"\\" + name).c_str());
        }
    }
    std::wstring root_;
};

TEST(FileFaults, AFullDiskLeavesTheOldReportWhole) {
    SmallDrive drive;
    ASSERT_TRUE(drive.Present()) << "run under full_disk_fixture.sh";
    struct Case {
        const char* name;
        std::size_t freeBytes;
        std::vector<Output> outputs;
    };
    // The page is far longer than the two pages left: its write stops half-way.
    const Case cases[] = {
        {"a full disk", 0, {Output::Batch, Output::SaveText, Output::SaveCsv, Output::Html}},
        {"a write that stops half-way", 8192, {Output::Html}},
    };
    for (const Case& c : cases) {
        for (Output output : c.outputs) {
            const std::wstring path = drive.Root() + L"\\report" + ExtensionOf(output);
            ASSERT_TRUE(drive.Prepare(path, c.freeBytes)) << c.name;
            EXPECT_EQ(Produce(output, path), Expected(output, path, "I/O error 112"))
                << c.name << ", " << NameOf(output);
            EXPECT_EQ(ReadWide(path), OldReport()) << c.name << ", " << NameOf(output);
            EXPECT_EQ(NamesIn(drive.Root()), (std::set<std::wstring>{L"filler", path.substr(3)}))
                << c.name << ", " << NameOf(output) << ": " << Narrow(NamesIn(drive.Root()));
        }
    }
}

}  // namespace
}  // namespace e2e
