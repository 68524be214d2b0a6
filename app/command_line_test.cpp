#include "app/command_line.h"

#include <gtest/gtest.h>

#include "app/version_gate.h"
#include "platform/testing/test_machine.h"

namespace orvane {
namespace {

TEST(ParseLaunchOptions, BatchModeNeedsExactlyAutoAndAPath) {
    struct Case {
        std::vector<std::string> parameters;
        const char* batchPath;  // nullptr: interactive
        bool noCom;
    };
    const Case cases[] = {
        {{"/AUTO", "C:\\DETAILS.TXT"}, "C:\\DETAILS.TXT", false},
        {{"/auto", "out.txt"}, "out.txt", false},
        {{"/Auto", "C:\\My Files\\out.txt"}, "C:\\My Files\\out.txt", false},
        {{"/AUTO"}, nullptr, false},
        {{"/AUTO", ""}, nullptr, false},
        {{"/AUTO", "C:\\My", "Files\\out.txt"}, nullptr, false},  // an unquoted path with a space
        {{"AUTO", "out.txt"}, nullptr, false},
        {{}, nullptr, false},
        {{"/nocom"}, nullptr, true},
        {{"/NOCOM"}, nullptr, true},
        {{"/NoCom", "x"}, nullptr, true},
        {{"/AUTO", "/nocom"}, "/nocom", false},  // only the first parameter is looked at
        {{"x", "/nocom"}, nullptr, false},
    };
    for (const Case& c : cases) {
        const LaunchOptions options = ParseLaunchOptions(c.parameters);
        const std::string shown = c.parameters.empty() ? "(none)" : c.parameters[0];
        if (c.batchPath) {
            ASSERT_TRUE(options.batchPath.has_value()) << shown;
            EXPECT_EQ(*options.batchPath, c.batchPath);
        } else {
            EXPECT_FALSE(options.batchPath.has_value()) << shown;
        }
        EXPECT_EQ(options.noCom, c.noCom) << shown;
    }
}

TEST(ParseLaunchOptions, InventoryRunsNeedAFormatAPathAndAtMostRedact) {
    struct Case {
        std::vector<std::string> parameters;
        bool inventory;  // an inventory command
        bool misread;    // an unattended run that ends with the command line's exit status
        InventoryFormat format;
        bool redact;
    };
    using enum InventoryFormat;
    const Case cases[] = {
        {{"/JSON", "C:\\out.json"}, true, false, Json, false},
        {{"/json", "out.json", "/Redact"}, true, false, Json, true},
        {{"/HTML", "C:\\My Files\\out.htm"}, true, false, Html, false},
        {{"/Html", "out.htm", "/REDACT"}, true, false, Html, true},
        {{"/JSON"}, false, true, Json, false},
        {{"/JSON", ""}, false, true, Json, false},
        {{"/HTML", "/REDACT"}, false, true, Json, false},
        {{"/JSON", "out.json", "/nocom"}, false, true, Json, false},
        {{"/JSON", "C:\\My", "Files\\out.json"}, false, true, Json, false},  // an unquoted path with a space
        {{"/JSON", "out.json", "/REDACT", "x"}, false, true, Json, false},
        {{"/REDACT"}, false, true, Json, false},
        {{"/REDACT", "/JSON", "out.json"}, false, true, Json, false},
        // The designed switches keep their rules.
        {{"/AUTO", "out.txt"}, false, false, Json, false},
        {{"/AUTO", "/JSON"}, false, false, Json, false},
        {{"out.json", "/JSON"}, false, false, Json, false},
        {{"/nocom"}, false, false, Json, false},
    };
    for (const Case& c : cases) {
        const LaunchOptions options = ParseLaunchOptions(c.parameters);
        const std::string shown = c.parameters.empty() ? "(none)" : c.parameters[0] + " (" +
                                                                        std::to_string(c.parameters.size()) + ")";
        EXPECT_EQ(options.inventory.has_value(), c.inventory) << shown;
        EXPECT_EQ(options.inventoryMisread, c.misread) << shown;
        if (c.inventory && options.inventory) {
            EXPECT_EQ(options.inventory->format, c.format) << shown;
            EXPECT_EQ(options.inventory->path, c.parameters[1]) << shown;
            EXPECT_EQ(options.inventory->redact, c.redact) << shown;
        }
    }
    EXPECT_EQ(ParseLaunchOptions({"/AUTO", "out.txt"}).batchPath, "out.txt");
}

TEST(GetWin9xRelease, RefusesWindows95AndWin32sOnly) {
    using namespace orvane::testing;
    struct Case {
        std::optional<platform::OsVersion> version;
        int code;
    };
    const Case cases[] = {
        {platform::OsVersion{3, 10, 0, 0, ""}, 1}, {Windows95(""), 1},      {Windows95(" B "), 1},
        {Windows98(""), 2},                        {Windows98(" A "), 2},   {WindowsMe(), 3},
        {platform::OsVersion{5, 0, 0, 1, ""}, 3},  {WindowsNt(4, 0, 1381), 0}, {WindowsNt(10, 0, 19045), 0},
        {platform::OsVersion{1, 0, 0, 3, ""}, 0},  // any platform above NT runs
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetWin9xRelease(c.version), c.code);
        EXPECT_EQ(RefusesToRun(c.version), c.code == 1);
    }
}

}  // namespace
}  // namespace orvane
