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

// The settings key, declared once: every value with its name, type, default,
// the field of Settings that mirrors it and whether a save writes it back;
// and the orders in which a load reads and a save writes them. The load and
// the save are driven by this table, and so is anything that edits settings
// one by one (the settings dialog binds its controls to these entries).

namespace vix {

// How a value is stored. Flags, numbers and colours are REG_DWORD; a flag is
// written as 1 or 0 and read as true when not 0; a number is a signed 32-bit
// value; a colour is a platform colour word.
enum class SettingType : std::uint8_t { Flag, Number, Color, Text, Bytes };

// The mirroring field; none for the two values that are only created.
using SettingField =
    std::variant<std::monostate, bool Settings::*, std::int32_t Settings::*,
                 std::uint32_t Settings::*, std::wstring Settings::*, HintCheckBytes Settings::*>;

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
};
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

    RegistryType storedType() const {
        switch (type) {
            case SettingType::Text: return RegistryType::String;
            case SettingType::Bytes: return RegistryType::Binary;
            default: return RegistryType::Dword;
        }
    }
};

// The whole table, by SettingId.
std::span<const SettingDef, kSettingCount> SettingsTable();
const SettingDef& Setting(SettingId id);
// The entry named `name` (the registry's value name, compared exactly).
const SettingDef* FindSetting(std::wstring_view name);

// A load reads these, in this order, after creating the missing values;
// "TimeBasedRefreshSampleWindows" and "ImgPath" are never read.
extern const std::array<SettingId, 30> kSettingsReadOrder;
// A save writes these, in this order.
extern const std::array<SettingId, 30> kSettingsWriteOrder;

// The field of `setting` as the registry stores it; nothing for a value
// without a field.
std::optional<RegistryValue> FieldValue(const Settings& settings, const SettingDef& setting);
// Sets the field from a stored value, a number brought into its range and a
// text the entry does not accept replaced by its default. A
// value of another type, or a number of the wrong size, leaves the field as
// it was; so does a value without a field. A binary value fills the field's
// bytes as far as it reaches. Returns whether the field was set.
bool SetField(Settings& settings, const SettingDef& setting, const RegistryValue& value);

}  // namespace vix
