#pragma once
// What TfrmDisplay shows: the display adapters of the registry's device-class tree with their chip,
// DAC and memory texts, the 3D accelerators, the video BIOS and the screen's metrics. The window only
// displays this model: it hands Refresh1Click and cbDisplayChange to it and writes back what it holds.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/system.h"
#include "screens/detail/shown_text.h"

namespace orvane {

inline constexpr const char* kClassRootNt = "SYSTEM\\CurrentControlSet\\Control\\Class";
inline constexpr const char* kClassRootWindows = "SYSTEM\\CurrentControlSet\\Services\\Class";
inline constexpr const char* kInfoNotAvailable = "<info not available>";

// The display window's NT test: every system of the NT platform, whatever its version (the window once
// counted only versions 3 to 5, and so found no adapter on any system since Vista).
bool IsDisplayNtFamily(const std::optional<platform::OsVersion>& version);

// The class-key walk: the first class key under root whose "Class" value equals className (ASCII case
// ignored), and the distinct texts (case ignored) of valueName in its instance keys, in registry order.
// On NT the class key is found directly; elsewhere through the class's "Link" value, upper-cased. The
// outputs are cleared first and hold what was gathered when a registry type error ends the walk.
// instances, where given, receives the instance key ("0000") each listed text was first found in.
void FindClassValues(platform::Registry& registry, bool ntFamily, std::string_view root, std::string_view className,
                     std::string_view valueName, std::string& classKey, std::vector<std::string>& values,
                     std::vector<std::string>* instances = nullptr);

// UTF-16LE registry bytes as 8-bit text: every non-zero byte in order, up to the first two consecutive
// zero bytes.
std::string WideBytesToText(std::span<const std::uint8_t> bytes);

// A "HardwareInformation.*" text: converted to the ANSI code page when it holds characters outside
// ASCII; ASCII text (and text the conversion refuses) by the byte rule above.
std::string HardwareInformationText(platform::Locale& locale, std::span<const std::uint8_t> bytes);

// The key path a video device map entry names: what follows "Machine\" (from the eighth character on when
// it does not occur), at most 255 characters.
std::string VideoKeyPath(std::string_view deviceMapValue);

// The TECHNOLOGY capability's name; the empty text for a value outside 0 to 6.
std::string TechnologyName(int technology);

struct ScreenMetrics {
    int fontResolution = 0;  // LOGPIXELSY
    int horizontal = 0;
    int vertical = 0;
    int bitsPerPixel = 0;
    int technology = 0;
    int pixelWidth = 0;  // ASPECTX
    int pixelHeight = 0;
    int pixelDiagonal = 0;
};
ScreenMetrics ReadScreenMetrics(platform::Screen& screen);

inline constexpr const char* kAdapterComboName = "cbDisplay";
inline constexpr RowSpec kDisplayRows[] = {
    {"Desc1", "Adapters", kAdapterComboName},
    {"Desc2", "3D Accelerators", "Info2"},
    {"Desc3", "Chipset", "Info3"},
    {"Desc4", "DAC", "Info4"},
    {"Desc6", "Memory", "Info5"},
    {"Desc21", "BIOS", "Info6"},
    {"Edit3", "Technology", "Info7"},
    {"Edit5", "Metrics", "Info8"},
    {"Edit6", "Font Resolution", "Info9"},
    {"Edit1", "Pixel Width", "Info10"},
    {"Edit7", "Pixel Height", "Info11"},
    {"Edit9", "Pixel Diagonal", "Info12"},
};

class DisplayWindowModel {
public:
    // The detail lists match adapters by position; an adapter read from its own class key may leave a gap
    // where it has no such value.
    using DetailList = std::vector<std::optional<std::string>>;

    // Refresh1Click: gathers everything again and shows it. A registry type error ("Invalid data type
    // for '%s'", a RegistryError) ends the refresh where it is: nothing new is shown, and the lists keep
    // what was gathered so far, which a later adapter change uses.
    void Refresh(platform::System& system);
    // cbDisplayChange: the combo's selected index (-1 for none, as when the user types a text of their
    // own) sets the chipset, DAC and memory rows.
    void SelectAdapter(int index);

    // cbDisplay's items and selected index (-1: none).
    const std::vector<std::string>& AdapterItems() const { return items_; }
    int SelectedAdapter() const { return selected_; }
    // The texts of Info2 to Info12, in row order.
    std::vector<ShownText> Rows() const;
    // One value control's text by its name (any case); empty for a name that is not a row.
    std::string Text(std::string_view control) const;

    // What the last refresh gathered, for readers other than the window: the lists by adapter position
    // (they match adapters by position only; the memory sizes are decimal byte counts), the accelerators'
    // names and the screen's metrics.
    const DetailList& ChipTypes() const { return chipTypes_; }
    const DetailList& DacTypes() const { return dacTypes_; }
    const DetailList& MemorySizes() const { return memorySizes_; }
    const std::vector<std::string>& Accelerators() const { return accelerators_; }
    const ScreenMetrics& Metrics() const { return metrics_; }

private:
    static constexpr std::size_t kRowCount = 11;  // Info2 to Info12
    std::string& Row(int info) { return rows_[static_cast<std::size_t>(info - 2)]; }

    // FAdapters, FChipTypes, FDacTypes, FMemorySizes, FAccelerators.
    std::vector<std::string> adapters_;
    DetailList chipTypes_;
    DetailList dacTypes_;
    DetailList memorySizes_;
    DetailList biosTexts_;  // HardwareInformation.BiosString
    std::vector<std::string> accelerators_;
    // Set where the system keeps no video BIOS values (UEFI machines): the BIOS row then shows the
    // selected adapter's BIOS text.
    bool biosFromAdapter_ = false;
    ScreenMetrics metrics_;

    std::vector<std::string> items_;
    int selected_ = -1;
    std::string rows_[kRowCount];
};

}  // namespace orvane
