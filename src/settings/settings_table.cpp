#include "settings/settings_table.h"

#include <algorithm>

#include "settings/settings_store.h"

namespace vix {
namespace {

using S = Settings;
using Id = SettingId;

constexpr SettingDef Flag(Id id, std::wstring_view name, bool byDefault, bool S::*field) {
    return {.id = id,
            .name = name,
            .type = SettingType::Flag,
            .number = byDefault,
            .field = SettingField(std::in_place_index<1>, field)};
}

constexpr SettingDef Number(Id id, std::wstring_view name, std::int32_t byDefault,
                            std::int32_t S::*field,
                            std::int32_t low = std::numeric_limits<std::int32_t>::min(),
                            std::int32_t high = std::numeric_limits<std::int32_t>::max()) {
    return {.id = id,
            .name = name,
            .type = SettingType::Number,
            .number = static_cast<std::uint32_t>(byDefault),
            .low = low,
            .high = high,
            .field = SettingField(std::in_place_index<2>, field)};
}

constexpr SettingDef Text(Id id, std::wstring_view name, std::wstring_view byDefault,
                          std::wstring S::*field, bool (*accepts)(std::wstring_view) = nullptr) {
    return {.id = id,
            .name = name,
            .type = SettingType::Text,
            .text = byDefault,
            .accepts = accepts,
            .field = SettingField(std::in_place_index<4>, field)};
}

// The longest base name that leaves room in a file name of 255 characters
// for a counter of ten digits and ".jpg".
constexpr std::size_t kLongestSequenceName = 255 - 10 - 4;

// The sequence's files are named folder + "\" + this + number + ".jpg": a
// plain file name keeps them in the chosen folder. No separator, no "..",
// nothing Windows refuses in a name.
bool IsPlainSequenceName(std::wstring_view name) {
    if (name.size() > kLongestSequenceName || name.find(L"..") != std::wstring_view::npos)
        return false;
    return std::none_of(name.begin(), name.end(), [](wchar_t c) {
        return c < 32 || std::wstring_view(L"\\/:*?\"<>|").find(c) != std::wstring_view::npos;
    });
}

constexpr std::array<SettingDef, kSettingCount> kTable = {{
    // -1 for all tabs closed.
    Number(Id::ActivePageIndex, L"ActivePageIndex", 0, &S::ActivePageIndex, -1, 3),
    Flag(Id::PickerSectionOpen, L"_tab_ColorPickerpage", true, &S::pickerSectionOpen),
    Flag(Id::ColorInfoSectionOpen, L"_tab_ColorInfopage", false, &S::colorInfoSectionOpen),
    Flag(Id::LibrarySectionOpen, L"_tab_ColorLibPage", false, &S::librarySectionOpen),
    Flag(Id::RulerSectionOpen, L"_tab_RulerPage", true, &S::rulerSectionOpen),
    Flag(Id::RulerInfoSectionOpen, L"_tab_RulerInfoPage", false, &S::rulerInfoSectionOpen),
    Flag(Id::RulerViewsSectionOpen, L"_tab_RulerViewsPage", false, &S::rulerViewsSectionOpen),
    Flag(Id::CaptureSectionOpen, L"_tab_CapturePage", true, &S::captureSectionOpen),
    Flag(Id::RememberPosition, L"RememberLastVixPosition", true, &S::rememberPosition),
    Flag(Id::RememberLayout, L"Rememberinterfacelayout", true, &S::rememberLayout),
    Text(Id::PhotoshopVersion, L"PhotoShopVersion", L"", &S::photoshopVersion),
    Text(Id::LastListedPhotoshopVersion, L"LastPhotoShopVersion", L"",
         &S::lastListedPhotoshopVersion),
    Flag(Id::ShowInformationBar, L"ShowInformationBar", true, &S::showInformationBar),
    Number(Id::LastX, L"LastX", kUnsetPosition, &S::lastX),
    Number(Id::LastY, L"LastY", kUnsetPosition, &S::lastY),
    // Created for the sake of older versions; nothing reads it.
    {.id = Id::UnusedRefreshFlag,
     .name = L"TimeBasedRefreshSampleWindows",
     .type = SettingType::Flag,
     .number = 1,
     .written = false},
    Flag(Id::CopySamplesToClipboard, L"AutoSampleToClipboard", true, &S::copySamplesToClipboard),
    Flag(Id::KeepRepeatedSamples, L"AddDoubleSamples", false, &S::keepRepeatedSamples),
    Flag(Id::ClearLibraryOnLoad, L"ResetLibraryOnstartup", false, &S::clearLibraryOnLoad),
    Number(Id::ColorValueForm, L"DefaultColorValues", 0, &S::colorValueForm, 0, 2),
    Number(Id::ClipboardFormat, L"CPExportFormat", 0, &S::clipboardFormat, 0,
           kClipboardFormatCount - 1),
    // -1 for a unit typed in the settings dialog that names none.
    Number(Id::RulerUnit, L"RulerValue", 0, &S::rulerUnit, -1, 4),
    {.id = Id::RulerColor,
     .name = L"RulerColor",
     .type = SettingType::Color,
     .number = 0xFFFFFF,  // white
     .field = SettingField(std::in_place_index<3>, &S::rulerColor)},
    Flag(Id::PhotoshopForeground, L"PSForegroundCol", true, &S::photoshopForeground),
    Number(Id::JpegQuality, L"JPGQuality", 10, &S::jpegQuality, 0, 10),
    Text(Id::SequenceName, L"ImgName", L"Img_Sequence", &S::sequenceName, &IsPlainSequenceName),
    Number(Id::SequenceDigits, L"ImgNr", 3, &S::sequenceDigits, 1, 10),
    Text(Id::SkippedUpdateVersions, L"Update_dontnotifystring", L"", &S::skippedUpdateVersions),
    Number(Id::DownloadedUpdateVersion, L"Update_program_version", 0, &S::downloadedUpdateVersion),
    // Created only; its default is the default profile's picture folder.
    {.id = Id::UnusedPicturePath,
     .name = L"ImgPath",
     .type = SettingType::Text,
     .lookup = &DefaultPicturePath,
     .written = false},
    Number(Id::SequenceFormat, L"ImgFormat", 0, &S::sequenceFormat),
    // Never created: read when present, written back unchanged.
    {.id = Id::HintCheck,
     .name = L"HintCheck",
     .type = SettingType::Bytes,
     .field = SettingField(std::in_place_index<5>, &S::hintCheck),
     .created = false},
}};

constexpr bool InIdOrder() {
    for (std::size_t i = 0; i < kTable.size(); ++i)
        if (static_cast<std::size_t>(kTable[i].id) != i) return false;
    return true;
}
static_assert(InIdOrder(), "the table lists every setting at its SettingId");

}  // namespace

std::span<const SettingDef, kSettingCount> SettingsTable() { return kTable; }

const SettingDef& Setting(SettingId id) { return kTable[static_cast<std::size_t>(id)]; }

const SettingDef* FindSetting(std::wstring_view name) {
    const auto it = std::find_if(kTable.begin(), kTable.end(),
                                 [name](const SettingDef& s) { return s.name == name; });
    return it == kTable.end() ? nullptr : &*it;
}

std::optional<RegistryValue> FieldValue(const Settings& s, const SettingDef& setting) {
    struct Visitor {
        const Settings& s;
        const SettingDef& setting;
        std::optional<RegistryValue> operator()(std::monostate) const { return std::nullopt; }
        std::optional<RegistryValue> operator()(bool S::*f) const {
            return RegistryValue::Dword(s.*f ? 1 : 0);
        }
        std::optional<RegistryValue> operator()(std::int32_t S::*f) const {
            return RegistryValue::Dword(static_cast<std::uint32_t>(s.*f));
        }
        std::optional<RegistryValue> operator()(std::uint32_t S::*f) const {
            return RegistryValue::Dword(s.*f);
        }
        std::optional<RegistryValue> operator()(std::wstring S::*f) const {
            return RegistryValue::Text(s.*f);
        }
        std::optional<RegistryValue> operator()(HintCheckBytes S::*f) const {
            return RegistryValue::Binary(s.*f);
        }
        std::optional<RegistryValue> operator()(ToolValue) const {
            const auto it = s.toolValues.find(setting.name);
            if (it != s.toolValues.end()) return it->second;
            if (setting.type == SettingType::Text) return RegistryValue::Text(setting.text);
            if (setting.type == SettingType::Bytes) return RegistryValue::Binary({});
            return RegistryValue::Dword(setting.number);
        }
    };
    return std::visit(Visitor{s, setting}, setting.field);
}

bool SetField(Settings& s, const SettingDef& setting, const RegistryValue& value) {
    struct Visitor {
        Settings& s;
        const SettingDef& setting;
        const RegistryValue& value;
        bool operator()(std::monostate) const { return false; }
        bool operator()(bool S::*f) const {
            const auto n = value.AsDword();
            if (n) s.*f = *n != 0;
            return n.has_value();
        }
        bool operator()(std::int32_t S::*f) const {
            const auto n = value.AsDword();
            if (n) s.*f = std::clamp(static_cast<std::int32_t>(*n), setting.low, setting.high);
            return n.has_value();
        }
        bool operator()(std::uint32_t S::*f) const {
            const auto n = value.AsDword();
            if (n) s.*f = *n;
            return n.has_value();
        }
        bool operator()(std::wstring S::*f) const {
            auto text = value.AsText();
            if (!text) return false;
            s.*f = !setting.accepts || setting.accepts(*text) ? std::move(*text)
                                                              : std::wstring(setting.text);
            return true;
        }
        bool operator()(HintCheckBytes S::*f) const {
            if (value.type != RegistryType::Binary) return false;
            std::copy_n(value.data.begin(), std::min(value.data.size(), (s.*f).size()),
                        (s.*f).begin());
            return true;
        }
        // Kept as the registry stores it, brought into range as the shell's
        // fields are: a flag as 1 or 0, a number clamped, a text accepted.
        bool operator()(ToolValue) const {
            std::optional<RegistryValue> kept;
            switch (setting.type) {
                case SettingType::Flag:
                    if (const auto n = value.AsDword()) kept = RegistryValue::Dword(*n != 0);
                    break;
                case SettingType::Number:
                    if (const auto n = value.AsDword())
                        kept = RegistryValue::Dword(static_cast<std::uint32_t>(
                            std::clamp(static_cast<std::int32_t>(*n), setting.low, setting.high)));
                    break;
                case SettingType::Color:
                    if (const auto n = value.AsDword()) kept = RegistryValue::Dword(*n);
                    break;
                case SettingType::Text:
                    if (auto text = value.AsText())
                        kept = RegistryValue::Text(!setting.accepts || setting.accepts(*text)
                                                       ? *text
                                                       : std::wstring(setting.text));
                    break;
                case SettingType::Bytes:
                    if (value.type == RegistryType::Binary) kept = value;
                    break;
            }
            if (!kept) return false;
            s.toolValues.insert_or_assign(std::wstring(setting.name), std::move(*kept));
            return true;
        }
    };
    return std::visit(Visitor{s, setting, value}, setting.field);
}

bool FlagSetting(const Settings& settings, const SettingDef& setting) {
    const auto value = FieldValue(settings, setting);
    const auto n = value ? value->AsDword() : std::nullopt;
    return n ? *n != 0 : setting.number != 0;
}

std::int32_t NumberSetting(const Settings& settings, const SettingDef& setting) {
    const auto value = FieldValue(settings, setting);
    const auto n = value ? value->AsDword() : std::nullopt;
    return static_cast<std::int32_t>(n ? *n : setting.number);
}

std::uint32_t ColorSetting(const Settings& settings, const SettingDef& setting) {
    return static_cast<std::uint32_t>(NumberSetting(settings, setting));
}

std::wstring TextSetting(const Settings& settings, const SettingDef& setting) {
    const auto value = FieldValue(settings, setting);
    auto text = value ? value->AsText() : std::nullopt;
    return text ? std::move(*text) : std::wstring(setting.text);
}

}  // namespace vix
