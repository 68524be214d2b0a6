// The sound window as a user sees it: its device lines with and without a sound server, a WAV file
// that plays (a stream at the sound server), and the tone fields' conversion error.
#include <windows.h>
#include <gtest/gtest.h>
// After windows.h.
#include <mmsystem.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>

#include "tests/e2e/harness.h"

namespace e2e {
namespace {

std::string Environment(const char* name) {
    char value[1024] = {};
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

// The sound window, shown by its tool button (0 System, 1 separator, 2 Personal, ... 10 Sound).
HWND ShowSoundWindow(Orvane& orvane, HWND main) {
    if (!orvane.ClickToolButton(main, 10)) return nullptr;
    return orvane.WaitForWindow("TfrmSound", 10s);
}

void Click(HWND window, const std::string& button) {
    // Posted: the handler may show a modal box or dialog, which this test then answers.
    PostMessageA(FindControl(window, button), BM_CLICK, 0, 0);
}

// A mono 16-bit WAV file of a tone, long enough to be still playing while the test looks.
void WriteWav(const std::string& path, int seconds, int frequency) {
    constexpr int rate = 22050;
    const auto samples = static_cast<std::uint32_t>(rate * seconds);
    std::ofstream file(path, std::ios::binary);
    auto u32 = [&](std::uint32_t v) { file.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](std::uint16_t v) { file.write(reinterpret_cast<const char*>(&v), 2); };
    file.write("RIFF", 4);
    u32(36 + samples * 2);
    file.write("WAVEfmt ", 8);
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    file.write("data", 4);
    u32(samples * 2);
    for (std::uint32_t i = 0; i < samples; ++i) {
        u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(8000 * std::sin(6.2831853 * frequency * i / rate))));
    }
}

// The sound server's playing streams of Orvane, by their index, as sound_fixture.sh lists them.
std::string StreamListing() {
    return ReadFileBytes(Environment("ORVANE_E2E_SINK_INPUTS")).value_or("(no listing)");
}

std::set<int> WineStreams() {
    const std::optional<std::string> listing = ReadFileBytes(Environment("ORVANE_E2E_SINK_INPUTS"));
    std::set<int> streams;
    if (!listing) return streams;
    std::istringstream lines(*listing);
    std::string line;
    int current = -1;
    while (std::getline(lines, line)) {
        if (line.rfind("Sink Input #", 0) == 0) current = std::atoi(line.c_str() + 12);
        // Wine names the stream's application after the program's version resource.
        if (current >= 0 && line.find("application.name = \"Orvane\"") != std::string::npos) streams.insert(current);
    }
    return streams;
}

TEST(SoundWindow, DeviceLinesAsTheSystemOffersThem) {
    // sound_fixture.sh runs this test again with a sound server, which must then give Wine wave output.
    if (!Environment("ORVANE_E2E_SOUND_SERVER").empty()) {
        ASSERT_GT(waveOutGetNumDevs(), 0u) << "the sound server gives Wine no wave output";
    }
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    HWND sound = ShowSoundWindow(orvane, main);
    ASSERT_TRUE(sound);
    EXPECT_EQ(WindowText(sound), "Sound");

    WAVEOUTCAPSA caps{};
    waveOutGetDevCapsA(0, &caps, sizeof caps);
    EXPECT_EQ(ControlText(sound, "Info6"), waveOutGetNumDevs() == 0 ? std::string("Not detected") : caps.szPname);
    EXPECT_EQ(ControlText(sound, "Info5"), std::to_string(mixerGetNumDevs()));
    char version[32];
    std::snprintf(version, sizeof version, "Version : %d.%d", (caps.vDriverVersion >> 8) & 0xFF,
                  caps.vDriverVersion & 0xFF);
    EXPECT_EQ(ControlText(sound, "info4"), version);
    EXPECT_EQ(ControlText(sound, "Edit1"), "1000");
    EXPECT_EQ(ControlText(sound, "Edit2"), "1000");

    // File > Exit (F12) closes this window only.
    PressKey(sound, VK_F12);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(sound); }, 5s));
    EXPECT_TRUE(IsWindowVisible(main));
}

TEST(SoundWindow, AFieldThatIsNoWholeNumberShowsTheConversionError) {
    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    HWND sound = ShowSoundWindow(orvane, main);
    ASSERT_TRUE(sound);
    struct Case {
        const char* frequency;
        const char* duration;
        const char* shown;
    };
    const Case cases[] = {
        {"abc", "1000", "'abc' is not a valid integer value"},
        {"440", "1.5", "'1.5' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        SendMessageA(FindControl(sound, "Edit1"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.frequency));
        SendMessageA(FindControl(sound, "Edit2"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.duration));
        Click(sound, "SpeedButton1");
        const auto box = WaitForMessageBox(orvane.Pid(), 10s);
        ASSERT_TRUE(box) << c.shown;
        EXPECT_EQ(box->text, c.shown);
        EXPECT_EQ(box->caption, "Orvane");
        PressOk(*box);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box->box); }, 5s));
    }
    // The window goes on, the fields as the user left them.
    EXPECT_TRUE(IsWindowVisible(sound));
    EXPECT_EQ(ControlText(sound, "Edit2"), "1.5");
}

TEST(SoundWindow, PlayWavFilePlaysAndReplacesTheLastSoundWithASoundServer) {
    ASSERT_FALSE(Environment("ORVANE_E2E_SINK_INPUTS").empty()) << "run through sound_fixture.sh";
    const std::string folder = MakeTempDir();
    const std::string first = folder + "\\first.wav";
    const std::string second = folder + "\\second.wav";
    WriteWav(first, 30, 440);
    WriteWav(second, 30, 660);

    Orvane orvane("");
    HWND main = orvane.Main();
    ASSERT_TRUE(main);
    HWND sound = ShowSoundWindow(orvane, main);
    ASSERT_TRUE(sound);
    ASSERT_TRUE(WaitUntil([] { return WineStreams().empty(); }, 10s)) << "a stream plays before the test";

    Click(sound, "BitBtn2");
    HWND dialog = WaitForFileDialog(orvane.Pid());
    ASSERT_TRUE(dialog);
    ConfirmFileDialog(dialog, first);
    std::set<int> playing;
    ASSERT_TRUE(WaitUntil([&] { return (playing = WineStreams()).size() == 1; }, 15s))
        << "the first file plays; the server lists:\n"
        << StreamListing();
    const int firstStream = *playing.begin();

    // A second choice replaces the first sound: its stream ends and one other plays.
    Click(sound, "BitBtn2");
    dialog = WaitForFileDialog(orvane.Pid());
    ASSERT_TRUE(dialog);
    ConfirmFileDialog(dialog, second);
    EXPECT_TRUE(WaitUntil(
        [&] {
            playing = WineStreams();
            return playing.size() == 1 && *playing.begin() != firstStream;
        },
        15s))
        << "the server lists:\n"
        << StreamListing();
}

}  // namespace
}  // namespace e2e
