#pragma once

#include <span>
#include <string>

#include "common/registry_store.h"
#include "settings/settings.h"

namespace vix {
struct SettingDef;
}

// Loading and saving the settings key, as the settings table declares it.

namespace vix {

struct SettingsLoad {
    // False when the key could neither be opened nor created: nothing was
    // read and the fields kept their values.
    bool keyOpened = false;
};

// The rows of the key, the shell's and the tools' (setting_rows.h); the
// shell's alone when none are given.
using SettingRowList = std::span<const SettingDef* const>;

// Creates every missing value of `rows` with its default (a value stored
// with another type, or a number of the wrong size, counts as missing and is
// replaced), then reads the values into `settings` in the rows' read order.
// "HintCheck" is read when present and otherwise left as it was.
SettingsLoad LoadSettingsKey(RegistryStore& registry, Settings& settings, SettingRowList rows = {});

// Writes every stored value back, in the rows' write order; false when the
// key cannot be opened. A value that cannot be written is skipped: the save
// keeps what it could write.
bool SaveSettingsKey(RegistryStore& registry, const Settings& settings, SettingRowList rows = {});

// The default profile's picture folder, or "C:\" when it cannot be read.
std::wstring DefaultPicturePath(RegistryStore& registry);

}  // namespace vix
