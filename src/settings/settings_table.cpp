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
                            std::int32_t S::*field) {
    return {.id = id,
            .name = name,
            .type = SettingType::Number,
            .number = static_cast<std::uint32_t>(byDefault),
            .field = SettingField(std::in_place_index<2>, field)};
}

constexpr SettingDef Text(Id id, std::wstring_view name, std::wstring_view byDefault,
                          std::wstring S::*field) {
    return {.id = id,
            .name = name,
            .type = SettingType::Text,
            .text = byDefault,
            .field = SettingField(std::in_place_index<4>, field)};
}

constexpr std::array<SettingDef, kSettingCount> kTable = {{
    Number(Id::ActivePageIndex, L"ActivePageIndex", 0, &S::ActivePageIndex),
    Flag(Id::TabColorPickerPage, L"_tab_ColorPickerpage", true, &S::_tab_ColorPickerpage),
    Flag(Id::TabColorInfoPage, L"_tab_ColorInfopage", false, &S::_tab_ColorInfopage),
    Flag(Id::TabColorLibPage, L"_tab_ColorLibPage", false, &S::_tab_ColorLibPage),
    Flag(Id::TabRulerPage, L"_tab_RulerPage", true, &S::_tab_RulerPage),
    Flag(Id::TabRulerInfoPage, L"_tab_RulerInfoPage", false, &S::_tab_RulerInfoPage),
    Flag(Id::TabRulerViewsPage, L"_tab_RulerViewsPage", false, &S::_tab_RulerViewsPage),
    Flag(Id::TabCapturePage, L"_tab_CapturePage", true, &S::_tab_CapturePage),
    Flag(Id::RememberLastVixPosition, L"RememberLastVixPosition", true,
         &S::RememberLastVixPosition),
    Flag(Id::Rememberinterfacelayout, L"Rememberinterfacelayout", true,
         &S::Rememberinterfacelayout),
    Text(Id::PhotoShopVersion, L"PhotoShopVersion", L"", &S::PhotoShopVersion),
    Text(Id::LastPhotoShopVersion, L"LastPhotoShopVersion", L"", &S::LastPhotoShopVersion),
    Flag(Id::ShowInformationBar, L"ShowInformationBar", true, &S::ShowInformationBar),
    Number(Id::LastX, L"LastX", kUnsetPosition, &S::LastX),
    Number(Id::LastY, L"LastY", kUnsetPosition, &S::LastY),
    // Created for the sake of older versions; nothing reads it.
    {.id = Id::TimeBasedRefreshSampleWindows,
     .name = L"TimeBasedRefreshSampleWindows",
     .type = SettingType::Flag,
     .number = 1,
     .written = false},
    Flag(Id::AutoSampleToClipboard, L"AutoSampleToClipboard", true, &S::AutoSampleToClipboard),
    Flag(Id::AddDoubleSamples, L"AddDoubleSamples", false, &S::AddDoubleSamples),
    Flag(Id::ResetLibraryOnstartup, L"ResetLibraryOnstartup", false, &S::ResetLibraryOnstartup),
    Number(Id::DefaultColorValues, L"DefaultColorValues", 0, &S::DefaultColorValues),
    Number(Id::CPExportFormat, L"CPExportFormat", 0, &S::CPExportFormat),
    Number(Id::RulerValue, L"RulerValue", 0, &S::RulerValue),
    {.id = Id::RulerColor,
     .name = L"RulerColor",
     .type = SettingType::Color,
     .number = 0xFFFFFF,  // white
     .field = SettingField(std::in_place_index<3>, &S::RulerColor)},
    Flag(Id::PSForegroundCol, L"PSForegroundCol", true, &S::PSForegroundCol),
    Number(Id::JPGQuality, L"JPGQuality", 10, &S::JPGQuality),
    Text(Id::ImgName, L"ImgName", L"Img_Sequence", &S::ImgName),
    Number(Id::ImgNr, L"ImgNr", 3, &S::ImgNr),
    Text(Id::Update_dontnotifystring, L"Update_dontnotifystring", L"", &S::Update_dontnotifystring),
    Number(Id::Update_program_version, L"Update_program_version", 0, &S::Update_program_version),
    // Created only; its default is the default profile's picture folder.
    {.id = Id::ImgPath,
     .name = L"ImgPath",
     .type = SettingType::Text,
     .lookup = &DefaultPicturePath,
     .written = false},
    // Never created: read when present, written back unchanged.
    {.id = Id::HintCheck,
     .name = L"HintCheck",
     .type = SettingType::Bytes,
     .field = SettingField(std::in_place_index<5>, &S::HintCheck),
     .created = false},
}};

constexpr bool InIdOrder() {
    for (std::size_t i = 0; i < kTable.size(); ++i)
        if (static_cast<std::size_t>(kTable[i].id) != i) return false;
    return true;
}
static_assert(InIdOrder(), "the table lists every setting at its SettingId");

}  // namespace

const std::array<SettingId, 29> kSettingsReadOrder = {
    Id::ActivePageIndex,
    Id::TabColorPickerPage,
    Id::TabColorInfoPage,
    Id::TabColorLibPage,
    Id::TabRulerPage,
    Id::TabRulerInfoPage,
    Id::TabRulerViewsPage,
    Id::TabCapturePage,
    Id::RememberLastVixPosition,
    Id::Rememberinterfacelayout,
    Id::LastX,
    Id::LastY,
    Id::AddDoubleSamples,
    Id::ResetLibraryOnstartup,
    Id::DefaultColorValues,
    Id::CPExportFormat,
    Id::RulerValue,
    Id::RulerColor,
    Id::PSForegroundCol,
    Id::JPGQuality,
    Id::ImgName,
    Id::ImgNr,
    Id::HintCheck,
    Id::AutoSampleToClipboard,
    Id::PhotoShopVersion,
    Id::LastPhotoShopVersion,
    Id::ShowInformationBar,
    Id::Update_dontnotifystring,
    Id::Update_program_version,
};

const std::array<SettingId, 29> kSettingsWriteOrder = {
    Id::ActivePageIndex,
    Id::TabColorPickerPage,
    Id::TabColorInfoPage,
    Id::TabColorLibPage,
    Id::TabRulerPage,
    Id::TabRulerInfoPage,
    Id::TabRulerViewsPage,
    Id::TabCapturePage,
    Id::RememberLastVixPosition,
    Id::Rememberinterfacelayout,
    Id::PhotoShopVersion,
    Id::LastPhotoShopVersion,
    Id::LastX,
    Id::LastY,
    Id::ShowInformationBar,
    Id::AutoSampleToClipboard,
    Id::AddDoubleSamples,
    Id::ResetLibraryOnstartup,
    Id::DefaultColorValues,
    Id::RulerValue,
    Id::RulerColor,
    Id::PSForegroundCol,
    Id::ImgName,
    Id::ImgNr,
    Id::CPExportFormat,
    Id::JPGQuality,
    Id::HintCheck,
    Id::Update_dontnotifystring,
    Id::Update_program_version,
};

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
    };
    return std::visit(Visitor{s}, setting.field);
}

bool SetField(Settings& s, const SettingDef& setting, const RegistryValue& value) {
    struct Visitor {
        Settings& s;
        const RegistryValue& value;
        bool operator()(std::monostate) const { return false; }
        bool operator()(bool S::*f) const {
            const auto n = value.AsDword();
            if (n) s.*f = *n != 0;
            return n.has_value();
        }
        bool operator()(std::int32_t S::*f) const {
            const auto n = value.AsDword();
            if (n) s.*f = static_cast<std::int32_t>(*n);
            return n.has_value();
        }
        bool operator()(std::uint32_t S::*f) const {
            const auto n = value.AsDword();
            if (n) s.*f = *n;
            return n.has_value();
        }
        bool operator()(std::wstring S::*f) const {
            auto text = value.AsText();
            if (text) s.*f = std::move(*text);
            return text.has_value();
        }
        bool operator()(HintCheckBytes S::*f) const {
            if (value.type != RegistryType::Binary) return false;
            std::copy_n(value.data.begin(), std::min(value.data.size(), (s.*f).size()),
                        (s.*f).begin());
            return true;
        }
    };
    return std::visit(Visitor{s, value}, setting.field);
}

}  // namespace vix
