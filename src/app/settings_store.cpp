#include "app/settings_store.h"

#include <algorithm>
#include <optional>

namespace vix {
namespace {

constexpr auto kFlag = RegistryType::Dword;
constexpr auto kNumber = RegistryType::Dword;
constexpr auto kText = RegistryType::String;

constexpr wchar_t kShellFolders[] =
    L".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

bool HasExpectedType(const std::optional<RegistryValue>& value, RegistryType type) {
    if (!value) return false;
    if (type == RegistryType::Dword) return value->AsDword().has_value();
    return value->type == type;
}

RegistryValue DefaultValue(const SettingSpec& spec, RegistryStore& registry) {
    if (spec.type == RegistryType::Dword) return RegistryValue::Dword(spec.number);
    if (spec.name == L"ImgPath") return RegistryValue::Text(DefaultPicturePath(registry));
    return RegistryValue::Text(spec.text);
}

// Reads into a mirrored field; a value that is missing or of another type
// (only possible when writing its default failed) leaves the field alone.
class FieldReader {
  public:
    explicit FieldReader(const RegistryKey& key) : key_(key) {}

    void Flag(std::wstring_view name, bool& field) const {
        if (auto v = Number(name)) field = *v != 0;
    }
    void Int(std::wstring_view name, std::int32_t& field) const {
        if (auto v = Number(name)) field = static_cast<std::int32_t>(*v);
    }
    void Color(std::wstring_view name, std::uint32_t& field) const {
        if (auto v = Number(name)) field = *v;
    }
    void Text(std::wstring_view name, std::wstring& field) const {
        if (auto v = key_.Read(name))
            if (auto text = v->AsText()) field = std::move(*text);
    }
    void Bytes(std::wstring_view name, std::array<std::uint8_t, kHintCheckSize>& field) const {
        auto v = key_.Read(name);
        if (!v || v->type != RegistryType::Binary) return;
        std::copy_n(v->data.begin(), std::min(v->data.size(), field.size()), field.begin());
    }

  private:
    std::optional<std::uint32_t> Number(std::wstring_view name) const {
        auto v = key_.Read(name);
        return v ? v->AsDword() : std::nullopt;
    }
    const RegistryKey& key_;
};

// Writes fields; failures are ignored like every other registry failure of a
// save, which keeps what it could write.
class FieldWriter {
  public:
    explicit FieldWriter(RegistryKey& key) : key_(key) {}

    void Flag(std::wstring_view name, bool value) { key_.Write(name, RegistryValue::Dword(value)); }
    void Int(std::wstring_view name, std::int32_t value) {
        key_.Write(name, RegistryValue::Dword(static_cast<std::uint32_t>(value)));
    }
    void Color(std::wstring_view name, std::uint32_t value) {
        key_.Write(name, RegistryValue::Dword(value));
    }
    void Text(std::wstring_view name, std::wstring_view value) {
        key_.Write(name, RegistryValue::Text(value));
    }
    void Bytes(std::wstring_view name, std::span<const std::uint8_t> value) {
        key_.Write(name, RegistryValue::Binary(value));
    }

  private:
    RegistryKey& key_;
};

}  // namespace

const std::array<SettingSpec, 30> kSettingSpecs = {{
    {L"ActivePageIndex", kNumber, 0, {}},
    {L"_tab_ColorPickerpage", kFlag, 1, {}},
    {L"_tab_ColorInfopage", kFlag, 0, {}},
    {L"_tab_ColorLibPage", kFlag, 0, {}},
    {L"_tab_RulerPage", kFlag, 1, {}},
    {L"_tab_RulerInfoPage", kFlag, 0, {}},
    {L"_tab_RulerViewsPage", kFlag, 0, {}},
    {L"_tab_CapturePage", kFlag, 1, {}},
    {L"RememberLastVixPosition", kFlag, 1, {}},
    {L"Rememberinterfacelayout", kFlag, 1, {}},
    {L"PhotoShopVersion", kText, 0, L""},
    {L"LastPhotoShopVersion", kText, 0, L""},
    {L"ShowInformationBar", kFlag, 1, {}},
    {L"LastX", kNumber, kUnsetPosition, {}},
    {L"LastY", kNumber, kUnsetPosition, {}},
    {L"TimeBasedRefreshSampleWindows", kFlag, 1, {}},
    {L"AutoSampleToClipboard", kFlag, 1, {}},
    {L"AddDoubleSamples", kFlag, 0, {}},
    {L"ResetLibraryOnstartup", kFlag, 0, {}},
    {L"DefaultColorValues", kNumber, 0, {}},
    {L"CPExportFormat", kNumber, 0, {}},
    {L"RulerValue", kNumber, 0, {}},
    {L"RulerColor", kNumber, 0xFFFFFF, {}},
    {L"PSForegroundCol", kFlag, 1, {}},
    {L"JPGQuality", kNumber, 10, {}},
    {L"ImgName", kText, 0, L"Img_Sequence"},
    {L"ImgNr", kNumber, 3, {}},
    {L"Update_dontnotifystring", kText, 0, L""},
    {L"Update_program_version", kNumber, 0, {}},
    {L"ImgPath", kText, 0, {}},
}};

std::wstring DefaultPicturePath(RegistryStore& registry) {
    if (auto key = registry.Open(RegistryRoot::Users, kShellFolders, OpenMode::Existing))
        if (auto value = key->Read(L"My Pictures"))
            if (auto text = value->AsText(/*allowExpand=*/true)) return *text;
    return L"C:\\";
}

SettingsLoad LoadSettingsKey(RegistryStore& registry, Settings& s) {
    auto key = registry.Open(RegistryRoot::CurrentUser, kSettingsKeyPath, OpenMode::Create);
    if (!key) return {};

    for (const SettingSpec& spec : kSettingSpecs)
        if (!HasExpectedType(key->Read(spec.name), spec.type))
            key->Write(spec.name, DefaultValue(spec, registry));

    const FieldReader r(*key);
    r.Int(L"ActivePageIndex", s.ActivePageIndex);
    r.Flag(L"_tab_ColorPickerpage", s._tab_ColorPickerpage);
    r.Flag(L"_tab_ColorInfopage", s._tab_ColorInfopage);
    r.Flag(L"_tab_ColorLibPage", s._tab_ColorLibPage);
    r.Flag(L"_tab_RulerPage", s._tab_RulerPage);
    r.Flag(L"_tab_RulerInfoPage", s._tab_RulerInfoPage);
    r.Flag(L"_tab_RulerViewsPage", s._tab_RulerViewsPage);
    r.Flag(L"_tab_CapturePage", s._tab_CapturePage);
    r.Flag(L"RememberLastVixPosition", s.RememberLastVixPosition);
    r.Flag(L"Rememberinterfacelayout", s.Rememberinterfacelayout);
    r.Int(L"LastX", s.LastX);
    r.Int(L"LastY", s.LastY);
    r.Flag(L"AddDoubleSamples", s.AddDoubleSamples);
    r.Flag(L"ResetLibraryOnstartup", s.ResetLibraryOnstartup);
    r.Int(L"DefaultColorValues", s.DefaultColorValues);
    r.Int(L"CPExportFormat", s.CPExportFormat);
    r.Int(L"RulerValue", s.RulerValue);
    r.Color(L"RulerColor", s.RulerColor);
    r.Flag(L"PSForegroundCol", s.PSForegroundCol);
    r.Int(L"JPGQuality", s.JPGQuality);
    r.Text(L"ImgName", s.ImgName);
    r.Int(L"ImgNr", s.ImgNr);
    r.Bytes(L"HintCheck", s.HintCheck);
    r.Flag(L"AutoSampleToClipboard", s.AutoSampleToClipboard);
    r.Text(L"PhotoShopVersion", s.PhotoShopVersion);
    r.Text(L"LastPhotoShopVersion", s.LastPhotoShopVersion);
    r.Flag(L"ShowInformationBar", s.ShowInformationBar);
    r.Text(L"Update_dontnotifystring", s.Update_dontnotifystring);
    r.Int(L"Update_program_version", s.Update_program_version);
    return {.keyOpened = true};
}

bool SaveSettingsKey(RegistryStore& registry, const Settings& s) {
    auto key = registry.Open(RegistryRoot::CurrentUser, kSettingsKeyPath, OpenMode::Create);
    if (!key) return false;
    FieldWriter w(*key);
    w.Int(L"ActivePageIndex", s.ActivePageIndex);
    w.Flag(L"_tab_ColorPickerpage", s._tab_ColorPickerpage);
    w.Flag(L"_tab_ColorInfopage", s._tab_ColorInfopage);
    w.Flag(L"_tab_ColorLibPage", s._tab_ColorLibPage);
    w.Flag(L"_tab_RulerPage", s._tab_RulerPage);
    w.Flag(L"_tab_RulerInfoPage", s._tab_RulerInfoPage);
    w.Flag(L"_tab_RulerViewsPage", s._tab_RulerViewsPage);
    w.Flag(L"_tab_CapturePage", s._tab_CapturePage);
    w.Flag(L"RememberLastVixPosition", s.RememberLastVixPosition);
    w.Flag(L"Rememberinterfacelayout", s.Rememberinterfacelayout);
    w.Text(L"PhotoShopVersion", s.PhotoShopVersion);
    w.Text(L"LastPhotoShopVersion", s.LastPhotoShopVersion);
    w.Int(L"LastX", s.LastX);
    w.Int(L"LastY", s.LastY);
    w.Flag(L"ShowInformationBar", s.ShowInformationBar);
    w.Flag(L"AutoSampleToClipboard", s.AutoSampleToClipboard);
    w.Flag(L"AddDoubleSamples", s.AddDoubleSamples);
    w.Flag(L"ResetLibraryOnstartup", s.ResetLibraryOnstartup);
    w.Int(L"DefaultColorValues", s.DefaultColorValues);
    w.Int(L"RulerValue", s.RulerValue);
    w.Color(L"RulerColor", s.RulerColor);
    w.Flag(L"PSForegroundCol", s.PSForegroundCol);
    w.Text(L"ImgName", s.ImgName);
    w.Int(L"ImgNr", s.ImgNr);
    w.Int(L"CPExportFormat", s.CPExportFormat);
    w.Int(L"JPGQuality", s.JPGQuality);
    w.Bytes(L"HintCheck", s.HintCheck);
    w.Text(L"Update_dontnotifystring", s.Update_dontnotifystring);
    w.Int(L"Update_program_version", s.Update_program_version);
    return true;
}

}  // namespace vix
