// The platform layer's own calls against Wine, where what they answer cannot be seen from the program's
// windows: the driver links the real system object and asks it directly.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/win32/win32_system.h"
#include "tests/e2e/harness.h"

namespace e2e {
namespace {

TEST(PlatformCalls, AFileIsReadWholeAndAReadThatFailsIsAnError) {
    orvane::win32::Win32System system;
    // Longer than one read, so that the file is read in several parts.
    std::string bytes;
    for (int i = 0; bytes.size() < 200000; ++i) bytes += "line " + std::to_string(i) + "\r\n";
    const std::string path = MakeTempDir() + "\\whole.txt";
    std::ofstream(path, std::ios::binary) << bytes;
    const orvane::platform::ReadAnswer whole = system.ReadFileBytes(path);
    EXPECT_EQ(whole.bytes, bytes);
    EXPECT_EQ(whole.error, 0);
    DeleteFileA(path.c_str());

    // Linux's /proc/self/mem, on Wine's drive Z:, opens for reading and fails the read at its start (the
    // process has nothing mapped at address 0): the read error is an error, not an empty file.
    const orvane::platform::ReadAnswer failed = system.ReadFileBytes("Z:\\proc\\self\\mem");
    EXPECT_EQ(failed.bytes, std::nullopt) << "a failed read read as " << failed.bytes.value_or("").size() << " bytes";
    EXPECT_NE(failed.error, 0);
}

}  // namespace
}  // namespace e2e
