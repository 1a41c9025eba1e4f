#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "common/registry_store.h"
#include "settings/settings.h"

// The settings key, declared as rows: every value with its name, type,
// default, range, the field that mirrors it and whether a save writes it
// back. The shell's rows are the values the program has always kept, in the
// order a load creates them; a tool declares the rows of its own values in
// its folder, and the tool table appends them (setting_rows.h). The load and
// the save are driven by the rows, and so is anything that edits settings
// one by one (the settings dialog binds its controls to them).

namespace vix {

// How a value is stored. Flags, numbers and colours are REG_DWORD; a flag is
// written as 1 or 0 and read as true when not 0; a number is a signed 32-bit
// value; a colour is a platform colour word.
enum class SettingType : std::uint8_t { Flag, Number, Color, Text, Bytes };

// A tool's value: kept in Settings::toolValues under its name.
struct ToolValue {
    friend constexpr bool operator==(ToolValue, ToolValue) { return true; }
};

// The mirroring field; none for the two values that are only created.
using SettingField = std::variant<std::monostate, bool Settings::*, std::int32_t Settings::*,
                                  std::uint32_t Settings::*, std::wstring Settings::*,
                                  HintCheckBytes Settings::*, ToolValue>;

// A default that has to be looked up in the registry when it is needed.
using DefaultLookup = std::wstring (*)(RegistryStore& registry);

// Every value, in the order a load creates missing ones ("HintCheck", which
// is never created, last).
enum class SettingId : std::uint8_t {
    ActivePageIndex,
    PickerSectionOpen,
    ColorInfoSectionOpen,
    LibrarySectionOpen,
    RulerSectionOpen,
    RulerInfoSectionOpen,
    RulerViewsSectionOpen,
    CaptureSectionOpen,
    RememberPosition,
    RememberLayout,
    PhotoshopVersion,
    LastListedPhotoshopVersion,
    ShowInformationBar,  // ShowInformationBar
    LastX,               // LastX
    LastY,               // LastY
    UnusedRefreshFlag,
    CopySamplesToClipboard,
    KeepRepeatedSamples,
    ClearLibraryOnLoad,
    ColorValueForm,
    ClipboardFormat,
    RulerUnit,
    RulerColor,  // RulerColor
    PhotoshopForeground,
    JpegQuality,
    SequenceName,
    SequenceDigits,
    SkippedUpdateVersions,
    DownloadedUpdateVersion,
    UnusedPicturePath,
    SequenceFormat,
    HintCheck,  // HintCheck
    // A row a tool declares: found by its address, not by an id.
    OfTool = 255,
};
// The shell's rows.
inline constexpr std::size_t kSettingCount = 32;

struct SettingDef {
    SettingId id;
    std::wstring_view name;
    SettingType type;
    std::uint32_t number = 0;     // default of a flag, number or colour
    std::wstring_view text = {};  // default of a text
    // The range of a number as the program uses it; a stored number outside
    // is read as the nearer end.
    std::int32_t low = std::numeric_limits<std::int32_t>::min();
    std::int32_t high = std::numeric_limits<std::int32_t>::max();
    // Whether a stored text is one the program can use; another is read as
    // the default. Any text when none.
    bool (*accepts)(std::wstring_view text) = nullptr;
    DefaultLookup lookup = nullptr;
    SettingField field = {};
    bool created = true;  // a load writes the default of a missing value
    bool written = true;  // a save writes the field back
    // The settings dialog's label for a tool's value the user changes; a row
    // without one is not shown there.
    std::wstring_view caption = {};

    RegistryType storedType() const {
        switch (type) {
            case SettingType::Text: return RegistryType::String;
            case SettingType::Bytes: return RegistryType::Binary;
            default: return RegistryType::Dword;
        }
    }
};

// A tool's rows, made where the tool declares them.
constexpr SettingDef ToolFlag(std::wstring_view name, bool byDefault,
                              std::wstring_view caption = {}) {
    return {.id = SettingId::OfTool,
            .name = name,
            .type = SettingType::Flag,
            .number = byDefault,
            .field = ToolValue{},
            .caption = caption};
}
constexpr SettingDef ToolNumber(std::wstring_view name, std::int32_t byDefault, std::int32_t low,
                                std::int32_t high, std::wstring_view caption = {}) {
    return {.id = SettingId::OfTool,
            .name = name,
            .type = SettingType::Number,
            .number = static_cast<std::uint32_t>(byDefault),
            .low = low,
            .high = high,
            .field = ToolValue{},
            .caption = caption};
}
constexpr SettingDef ToolColor(std::wstring_view name, std::uint32_t byDefault,
                               std::wstring_view caption = {}) {
    return {.id = SettingId::OfTool,
            .name = name,
            .type = SettingType::Color,
            .number = byDefault,
            .field = ToolValue{},
            .caption = caption};
}
constexpr SettingDef ToolText(std::wstring_view name, std::wstring_view byDefault,
                              bool (*accepts)(std::wstring_view) = nullptr,
                              std::wstring_view caption = {}) {
    return {.id = SettingId::OfTool,
            .name = name,
            .type = SettingType::Text,
            .text = byDefault,
            .accepts = accepts,
            .field = ToolValue{},
            .caption = caption};
}

// The shell's rows, by SettingId.
std::span<const SettingDef, kSettingCount> SettingsTable();
const SettingDef& Setting(SettingId id);
// The shell's row named `name` (the registry's value name, compared exactly).
const SettingDef* FindSetting(std::wstring_view name);

// The field of `setting` as the registry stores it; nothing for a value
// without a field. A tool's value not loaded yet is its default.
std::optional<RegistryValue> FieldValue(const Settings& settings, const SettingDef& setting);
// Sets the field from a stored value, a number brought into its range and a
// text the entry does not accept replaced by its default. A
// value of another type, or a number of the wrong size, leaves the field as
// it was; so does a value without a field. A binary value fills the field's
// bytes as far as it reaches. Returns whether the field was set.
bool SetField(Settings& settings, const SettingDef& setting, const RegistryValue& value);

}  // namespace vix

namespace vix {

// A value as its row's type reads it: the field, or for a tool's row the
// loaded value or else the default.
bool FlagSetting(const Settings& settings, const SettingDef& setting);
std::int32_t NumberSetting(const Settings& settings, const SettingDef& setting);
std::uint32_t ColorSetting(const Settings& settings, const SettingDef& setting);
std::wstring TextSetting(const Settings& settings, const SettingDef& setting);

}  // namespace vix
