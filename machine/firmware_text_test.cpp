#include "machine/firmware_text.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane::machine {
namespace {

TEST(FirmwareText, PlaceholdersAreAbsent) {
    const std::string placeholders[] = {
        "To be filled by O.E.M.",
        "To Be Filled By O.E.M.",
        "  To be filled by O.E.M.  ",
        "Default string",
        "DEFAULT STRING",
        "System Product Name",
        "System Version",
        "System Serial Number",
        "Not Specified",
        "Not Available",
        "Not Defined",
        "None",
        "N/A",
        "Unknown",
        "Undefined",
        "Empty",
        "No Enclosure",
        "0123456789",
        "1234567890",
        "1234567890.",
        "BSN12345678901234567",
        "9876543210",
        "00000000",
        "0",
        "FFF",
        "FFFFFFFF",
        "x.x",
        "XXXXXXXX",
        ".XXXXXXX.XXXXXXXXXXXXXX.",
        "...............................",
        "-----",
        "",
        "                      ",
        std::string(8, '\xFF'),
        std::string("\0\0\0", 3),
        "Type2 - Board Vendor Name1",
        "Type2 - Board Version",
        "Type1Family",
        "OEM Chassis Manufacturer",
        "SKU Number",
        "Family",
        "SerNum0",
        "PartNum3",
        "Manufacturer01",
        "AssetTagNum2",
    };
    for (const std::string& text : placeholders) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(FirmwareText(text));
    }
}

TEST(FirmwareText, ValuesStayTrimmedOfTheirPadding) {
    struct Case {
        const char* raw;
        const char* shown;
    };
    const Case cases[] = {
        {"ASUSTeK COMPUTER INC.", "ASUSTeK COMPUTER INC."},
        {"FCN0CJ03468352B     ", "FCN0CJ03468352B"},
        {"N22ET52W (1.29 )", "N22ET52W (1.29 )"},
        {"1.0       ", "1.0"},
        {"F8", "F8"},
        {"A00", "A00"},
        {"x.2", "x.2"},
        {"F", "F"},
        {"Type C", "Type C"},
        {"Manufacturer A", "Manufacturer A"},
        {"HP647647-071-HYE  ", "HP647647-071-HYE"},
        {"VMware-56 4d e2 c3 c3 c0 e1 e2-46 22 55 4d c5 eb 6b a1", "VMware-56 4d e2 c3 c3 c0 e1 e2-46 22 55 4d c5 eb 6b a1"},
        {"SKU=NotProvided;ModelName=PowerEdge R640", "SKU=NotProvided;ModelName=PowerEdge R640"},
        {"E8FBFFE2", "E8FBFFE2"},
        {"00AD00B300AD", "00AD00B300AD"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.raw);
        EXPECT_EQ(FirmwareText(c.raw), c.shown);
    }
}

}  // namespace
}  // namespace orvane::machine
