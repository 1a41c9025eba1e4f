#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/registry_store.h"
#include "settings/settings_table.h"

// A tool's value on its page of the settings dialog: a flag is a check box,
// a number or a text an edit field beside its caption. These turn the value
// into the field's text and what is typed back into a value.

namespace vix {

// Whether the row is on the dialog: it has a caption and a type the page can
// show (a flag, a number or a text).
bool ShownOnDialog(const SettingDef& setting);

// The field's text: a number in decimal, a text as it is.
std::wstring FieldText(const Settings& settings, const SettingDef& setting);

// What OK stores for the typed `text`: a number read in decimal and brought
// into the row's range, a text the row accepts. Nothing for a text that is
// no number, or one the row refuses: the dialog then stays open.
std::optional<RegistryValue> TypedValue(const SettingDef& setting, std::wstring_view text);

}  // namespace vix
