#pragma once

#include <string>

#include "common/registry_store.h"
#include "settings/settings.h"

// Loading and saving the settings key, as the settings table declares it.

namespace vix {

struct SettingsLoad {
    // False when the key could neither be opened nor created: nothing was
    // read and the fields kept their values.
    bool keyOpened = false;
};

// Creates every missing value with its default (a value stored with another
// type, or a number of the wrong size, counts as missing and is replaced),
// then reads the values into `settings` in the table's read order.
// "HintCheck" is read when present and otherwise left as it was.
SettingsLoad LoadSettingsKey(RegistryStore& registry, Settings& settings);

// Writes every stored value back, in the table's write order; false when the
// key cannot be opened. A value that cannot be written is skipped: the save
// keeps what it could write.
bool SaveSettingsKey(RegistryStore& registry, const Settings& settings);

// The default profile's picture folder, or "C:\" when it cannot be read.
std::wstring DefaultPicturePath(RegistryStore& registry);

}  // namespace vix
