#include "settings/settings_store.h"

#include <optional>

#include "settings/setting_rows.h"
#include "settings/settings_table.h"

namespace vix {
namespace {

constexpr wchar_t kShellFolders[] =
    L".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

bool HasStoredType(const std::optional<RegistryValue>& value, const SettingDef& setting) {
    if (!value) return false;
    if (setting.storedType() == RegistryType::Dword) return value->AsDword().has_value();
    return value->type == setting.storedType();
}

RegistryValue DefaultValue(const SettingDef& setting, RegistryStore& registry) {
    if (setting.storedType() == RegistryType::Dword) return RegistryValue::Dword(setting.number);
    if (setting.lookup) return RegistryValue::Text(setting.lookup(registry));
    return RegistryValue::Text(setting.text);
}

const SettingRows& ShellRows() {
    static const SettingRows rows;
    return rows;
}

SettingRowList RowsOrShell(SettingRowList rows) { return rows.empty() ? ShellRows().All() : rows; }

}  // namespace

std::wstring DefaultPicturePath(RegistryStore& registry) {
    if (auto key = registry.Open(RegistryRoot::Users, kShellFolders, OpenMode::Existing))
        if (auto value = key->Read(L"My Pictures"))
            if (auto text = value->AsText(/*allowExpand=*/true)) return *text;
    return L"C:\\";
}

SettingsLoad LoadSettingsKey(RegistryStore& registry, Settings& settings, SettingRowList rows) {
    rows = RowsOrShell(rows);
    auto key = registry.Open(RegistryRoot::CurrentUser, kSettingsKeyPath, OpenMode::Create);
    if (!key) return {};
    for (const SettingDef* setting : rows)
        if (setting->created && !HasStoredType(key->Read(setting->name), *setting))
            key->Write(setting->name, DefaultValue(*setting, registry));
    // A value that is missing or of another type (only possible when writing
    // its default failed) leaves its field alone.
    for (const SettingDef* setting : ReadOrder(rows))
        if (const auto value = key->Read(setting->name)) SetField(settings, *setting, *value);
    return {.keyOpened = true};
}

bool SaveSettingsKey(RegistryStore& registry, const Settings& settings, SettingRowList rows) {
    auto key = registry.Open(RegistryRoot::CurrentUser, kSettingsKeyPath, OpenMode::Create);
    if (!key) return false;
    for (const SettingDef* setting : WriteOrder(RowsOrShell(rows)))
        if (const auto value = FieldValue(settings, *setting)) key->Write(setting->name, *value);
    return true;
}

}  // namespace vix
