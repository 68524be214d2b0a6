#include "screens/display/display_model.h"

#include <algorithm>

#include "core/text.h"
#include "probes/registry_reader.h"

namespace orvane {

namespace {

std::string Join(std::string_view a, std::string_view b) {
    std::string path(a);
    path += '\\';
    path.append(b);
    return path;
}

bool HoldsIgnoringCase(const std::vector<std::string>& list, std::string_view text) {
    return std::any_of(list.begin(), list.end(), [&](const std::string& item) { return EqualsIgnoreCase(item, text); });
}

// The raw reads of the video keys pass over a value of the wrong type or size without a word.
std::optional<std::vector<std::uint8_t>> ReadRawQuietly(RegKey& key, std::string_view name, std::size_t capacity) {
    if (!key.HasValue(name)) return std::nullopt;
    try {
        return key.ReadRaw(name, capacity);
    } catch (const RegistryError&) {
        return std::nullopt;
    }
}

// A "HardwareInformation.*" text: UTF-16 in raw bytes as drivers write it; nothing for a value the raw
// read passes over.
std::optional<std::string> HardwareText(platform::Locale& locale, RegKey& key, std::string_view name) {
    const auto raw = ReadRawQuietly(key, name, 255);
    if (!raw) return std::nullopt;
    return HardwareInformationText(locale, *raw);
}

std::uint64_t LittleEndian(const std::vector<std::uint8_t>& bytes) {
    std::uint64_t number = 0;
    for (std::size_t i = std::min<std::size_t>(bytes.size(), 8); i-- > 0;) number = (number << 8) | bytes[i];
    return number;
}

// The adapter's video memory in bytes. Adapters of 4 GB and more carry the 64-bit count beside a
// 32-bit "MemorySize" too small for it; drivers store that one as binary or as a number.
std::optional<std::uint64_t> VideoMemoryBytes(RegKey& key) {
    const auto wide = ReadRawQuietly(key, "HardwareInformation.qwMemorySize", 8);
    if (wide && !wide->empty()) return LittleEndian(*wide);
    const char* name = "HardwareInformation.MemorySize";
    if (!key.HasValue(name)) return std::nullopt;
    if (const auto raw = ReadRawQuietly(key, name, 4)) return LittleEndian(*raw);
    try {
        return key.ReadInteger(name);
    } catch (const RegistryError&) {
        return std::nullopt;
    }
}

}  // namespace

bool IsDisplayNtFamily(const std::optional<platform::OsVersion>& version) {
    return version && version->platformId == platform::kPlatformNt;
}

void FindClassValues(platform::Registry& registry, bool ntFamily, std::string_view root, std::string_view className,
                     std::string_view valueName, std::string& classKey, std::vector<std::string>& values,
                     std::vector<std::string>* instanceKeys) {
    values.clear();
    classKey.clear();
    if (instanceKeys) instanceKeys->clear();
    RegKey rootKey = RegKey::Open(registry, root);
    if (!rootKey.IsOpen()) return;
    const std::vector<std::string> classNames = rootKey.SubkeyNames();
    rootKey.Close();

    const std::string wanted = ToUpperAscii(className);
    for (const std::string& name : classNames) {
        RegKey key = RegKey::Open(registry, Join(root, name));
        if (!key.IsOpen() || !key.HasValue("Class") || ToUpperAscii(key.ReadText("Class")) != wanted) continue;

        std::string found = name;
        if (!ntFamily) {
            found = ToUpperAscii(key.ReadText("Link"));
            key = RegKey::Open(registry, Join(root, found));
            if (!key.IsOpen()) return;
        }
        classKey = found;
        const std::vector<std::string> instances = key.SubkeyNames();
        key.Close();
        for (const std::string& instance : instances) {
            RegKey instanceKey = RegKey::Open(registry, Join(Join(root, found), instance));
            if (!instanceKey.IsOpen() || !instanceKey.HasValue(valueName)) continue;
            std::string text = instanceKey.ReadText(valueName);
            if (HoldsIgnoringCase(values, text)) continue;
            values.push_back(std::move(text));
            if (instanceKeys) instanceKeys->push_back(instance);
        }
        return;  // only the first matching class counts
    }
}

std::string WideBytesToText(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == 0) {
            if (i + 1 < bytes.size() && bytes[i + 1] == 0) break;
            continue;
        }
        text += static_cast<char>(bytes[i]);
    }
    return text;
}

std::string HardwareInformationText(platform::Locale& locale, std::span<const std::uint8_t> bytes) {
    std::u16string units;
    bool ascii = true;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto unit = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
        if (unit == 0) break;
        if (unit >= 0x80) ascii = false;
        units += unit;
    }
    if (!ascii) {
        if (auto ansi = locale.WideToAnsi(units)) return *std::move(ansi);
    }
    return WideBytesToText(bytes);
}

std::string VideoKeyPath(std::string_view deviceMapValue) {
    constexpr std::string_view kMachine = "Machine\\";
    const std::size_t found = deviceMapValue.find(kMachine);
    const std::size_t start = found == std::string_view::npos ? 7 : found + kMachine.size();
    if (start >= deviceMapValue.size()) return std::string();
    return std::string(deviceMapValue.substr(start, 255));
}

std::string TechnologyName(int technology) {
    static constexpr const char* kNames[] = {"Vector Plotter",   "Raster Display", "Raster Printer", "Raster Camera",
                                             "Character Stream", "Metafile",       "Display File"};
    if (technology < 0 || technology >= static_cast<int>(std::size(kNames))) return std::string();
    return kNames[technology];
}

ScreenMetrics ReadScreenMetrics(platform::Screen& screen) {
    ScreenMetrics metrics;
    metrics.fontResolution = screen.ScreenDeviceCaps(platform::kCapsLogPixelsY);
    metrics.horizontal = screen.ScreenDeviceCaps(platform::kCapsHorzRes);
    metrics.vertical = screen.ScreenDeviceCaps(platform::kCapsVertRes);
    metrics.bitsPerPixel = screen.ScreenDeviceCaps(platform::kCapsBitsPixel);
    metrics.technology = screen.ScreenDeviceCaps(platform::kCapsTechnology);
    metrics.pixelWidth = screen.ScreenDeviceCaps(platform::kCapsAspectX);
    metrics.pixelHeight = screen.ScreenDeviceCaps(platform::kCapsAspectY);
    metrics.pixelDiagonal = screen.ScreenDeviceCaps(platform::kCapsAspectXY);
    return metrics;
}

void DisplayWindowModel::Refresh(platform::System& system) {
    const bool nt = IsDisplayNtFamily(system.Version());
    const std::string root = nt ? kClassRootNt : kClassRootWindows;
    const ScreenMetrics metrics = ReadScreenMetrics(system);

    adapters_.clear();
    chipTypes_.clear();
    dacTypes_.clear();
    memorySizes_.clear();
    biosTexts_.clear();
    std::string classKey;
    std::vector<std::string> adapterInstances;
    FindClassValues(system, nt, root, "Display", "DriverDesc", classKey, adapters_, &adapterInstances);

    // The 95/98/ME drivers describe each adapter in an INFO key of its instance.
    bool infoFound = false;
    if (!classKey.empty()) {
        const std::string classPath = Join(root, classKey);
        RegKey key = RegKey::Open(system, classPath);
        const std::vector<std::string> instances = key.SubkeyNames();
        key.Close();
        for (const std::string& instance : instances) {
            RegKey info = RegKey::Open(system, Join(Join(classPath, instance), "INFO"));
            if (!info.IsOpen()) continue;
            infoFound = true;
            if (info.HasValue("DACType")) dacTypes_.push_back(info.ReadText("DACType"));
            if (info.HasValue("ChipType")) chipTypes_.push_back(info.ReadText("ChipType"));
            if (info.HasValue("Revision") && !chipTypes_.empty()) {
                *chipTypes_.back() += " Rev " + info.ReadText("Revision");
            }
            if (info.HasValue("VideoMemory")) memorySizes_.push_back(std::to_string(info.ReadInteger("VideoMemory")));
        }
    }

    if (!infoFound && nt) {
        // NT drivers of today describe each adapter in its own class key, as its video key does: every
        // entry of the list shows its own figures.
        const std::size_t count = adapterInstances.size();
        chipTypes_.assign(count, std::nullopt);
        dacTypes_.assign(count, std::nullopt);
        memorySizes_.assign(count, std::nullopt);
        biosTexts_.assign(count, std::nullopt);
        for (std::size_t i = 0; i < count; ++i) {
            RegKey adapter = RegKey::Open(system, Join(Join(root, classKey), adapterInstances[i]));
            if (!adapter.IsOpen()) continue;
            chipTypes_[i] = HardwareText(system, adapter, "HardwareInformation.ChipType");
            dacTypes_[i] = HardwareText(system, adapter, "HardwareInformation.DacType");
            if (const auto memory = VideoMemoryBytes(adapter)) memorySizes_[i] = std::to_string(*memory);
            biosTexts_[i] = HardwareText(system, adapter, "HardwareInformation.BiosString");
        }
    }

    // NT drivers describe the primary adapter in the key the video device map names; it answers for
    // the first adapter what that adapter's class key does not.
    const auto firstLacks = [](const DetailList& list) { return list.empty() || !list.front(); };
    const auto setFirst = [](DetailList& list, std::string text) {
        if (list.empty()) list.emplace_back();
        list.front() = std::move(text);
    };
    if (!infoFound &&
        (firstLacks(chipTypes_) || firstLacks(dacTypes_) || firstLacks(memorySizes_) || firstLacks(biosTexts_))) {
        RegKey map = RegKey::Open(system, "HARDWARE\\DEVICEMAP\\VIDEO");
        std::string path;
        if (map.HasValue("\\Device\\Video0")) {
            path = map.ReadText("\\Device\\Video0");
        } else if (map.HasValue("\\\\Device\\\\Video0")) {
            path = map.ReadText("\\\\Device\\\\Video0");
        }
        map.Close();
        if (!path.empty()) {
            RegKey video = RegKey::Open(system, VideoKeyPath(path));
            if (video.IsOpen()) {
                const auto dac = HardwareText(system, video, "HardwareInformation.DacType");
                if (dac && firstLacks(dacTypes_)) setFirst(dacTypes_, *dac);
                const auto chip = HardwareText(system, video, "HardwareInformation.ChipType");
                if (chip && firstLacks(chipTypes_)) setFirst(chipTypes_, *chip);
                const auto memory = VideoMemoryBytes(video);
                if (memory && firstLacks(memorySizes_)) setFirst(memorySizes_, std::to_string(*memory));
                const auto bios = HardwareText(system, video, "HardwareInformation.BiosString");
                if (bios && firstLacks(biosTexts_)) setFirst(biosTexts_, *bios);
            }
        }
    }

    std::string biosVersion;
    std::string biosDate;
    {
        RegKey description = RegKey::Open(system, "HARDWARE\\DESCRIPTION\\System");
        // A multi-string value: its first string.
        if (const auto version = ReadRawQuietly(description, "VideoBiosVersion", 151)) {
            biosVersion = TextUpToNul(*version);
        }
        if (description.HasValue("VideoBiosDate")) biosDate = description.ReadText("VideoBiosDate");
    }

    std::string acceleratorKey;
    FindClassValues(system, nt, root, "3D Accelerators", "DriverDesc", acceleratorKey, accelerators_);

    // Everything is gathered: show it.
    items_ = adapters_;
    biosFromAdapter_ = biosVersion.empty() && biosDate.empty();
    Row(6) = Format("%s (%s)", biosVersion.c_str(), biosDate.c_str());
    SelectAdapter(items_.empty() ? -1 : 0);
    if (!accelerators_.empty()) Row(2) = accelerators_.front();
    const auto shown = [&](const DetailList& list) {
        return selected_ >= 0 && static_cast<std::size_t>(selected_) < list.size() &&
               list[static_cast<std::size_t>(selected_)];
    };
    if (shown(chipTypes_)) Row(3) = *chipTypes_[static_cast<std::size_t>(selected_)];
    if (shown(dacTypes_)) Row(4) = *dacTypes_[static_cast<std::size_t>(selected_)];
    if (shown(memorySizes_)) Row(5) = *memorySizes_[static_cast<std::size_t>(selected_)] + " bytes";
    metrics_ = metrics;
    Row(7) = TechnologyName(metrics.technology);
    Row(8) = Format("%d x %d - %d bit", metrics.horizontal, metrics.vertical, metrics.bitsPerPixel);
    Row(9) = Format("%d dpi", metrics.fontResolution);
    Row(10) = Format("%d", metrics.pixelWidth);
    Row(11) = Format("%d", metrics.pixelHeight);
    Row(12) = Format("%d", metrics.pixelDiagonal);
}

void DisplayWindowModel::SelectAdapter(int index) {
    selected_ = index >= 0 && static_cast<std::size_t>(index) < items_.size() ? index : -1;
    const auto entry = [&](const DetailList& list) -> std::optional<std::string> {
        // The lists match adapters by position only.
        if (selected_ < 0 || static_cast<std::size_t>(selected_) >= list.size()) return std::nullopt;
        return list[static_cast<std::size_t>(selected_)];
    };
    Row(3) = entry(chipTypes_).value_or(kInfoNotAvailable);
    Row(4) = entry(dacTypes_).value_or(kInfoNotAvailable);
    Row(5) = entry(memorySizes_).value_or(kInfoNotAvailable);
    if (biosFromAdapter_) Row(6) = entry(biosTexts_).value_or(" ()");
}

std::vector<ShownText> DisplayWindowModel::Rows() const {
    std::vector<ShownText> rows;
    for (std::size_t i = 1; i < std::size(kDisplayRows); ++i) rows.push_back({kDisplayRows[i].valueName, rows_[i - 1]});
    return rows;
}

std::string DisplayWindowModel::Text(std::string_view control) const {
    for (const ShownText& row : Rows()) {
        if (EqualsIgnoreCase(row.control, control)) return row.text;
    }
    return std::string();
}

}  // namespace orvane
