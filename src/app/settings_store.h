#pragma once

#include <array>
#include <string_view>

#include "app/settings.h"
#include "common/registry_store.h"

// The settings key: which values exist, their types and defaults, and the
// orders in which they are created, read and written.

namespace vix {

struct SettingSpec {
    std::wstring_view name;
    RegistryType type;
    std::uint32_t number;    // default of a flag or number
    std::wstring_view text;  // default of a text
};

// The thirty values a load creates when missing, in creation order. The
// default of "ImgPath" is looked up when it is needed (DefaultPicturePath).
extern const std::array<SettingSpec, 30> kSettingSpecs;

inline constexpr std::uint32_t kUnsetPosition = 231;

struct SettingsLoad {
    // False when the key could neither be opened nor created: nothing was
    // read and the fields kept their values.
    bool keyOpened = false;
};

// Creates every missing value with its default (a value stored with another
// type, or a number of the wrong size, counts as missing and is replaced),
// then reads all values into `settings`. "HintCheck" is read when present
// and otherwise left as it was.
SettingsLoad LoadSettingsKey(RegistryStore& registry, Settings& settings);

// Writes every stored value back; false when the key cannot be opened.
bool SaveSettingsKey(RegistryStore& registry, const Settings& settings);

// The default profile's picture folder, or "C:\" when it cannot be read.
std::wstring DefaultPicturePath(RegistryStore& registry);

}  // namespace vix
