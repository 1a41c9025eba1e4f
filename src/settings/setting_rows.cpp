#include "settings/setting_rows.h"

#include <algorithm>
#include <stdexcept>
#include <variant>

namespace vix {

SettingRows::SettingRows() {
    for (const SettingDef& setting : SettingsTable())
        rows_.push_back(&setting);
}

void SettingRows::Append(const SettingGroup& group) {
    for (const SettingDef* setting : group.rows) {
        if (Find(setting->name)) throw std::logic_error("two settings share a value name");
        rows_.push_back(setting);
    }
    groups_.push_back(group);
}

const SettingDef* SettingRows::Find(std::wstring_view name) const {
    const auto it = std::find_if(rows_.begin(), rows_.end(),
                                 [name](const SettingDef* s) { return s->name == name; });
    return it == rows_.end() ? nullptr : *it;
}

std::vector<const SettingDef*> ReadOrder(std::span<const SettingDef* const> rows) {
    std::vector<const SettingDef*> order;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(order), [](const SettingDef* s) {
        return !std::holds_alternative<std::monostate>(s->field);
    });
    return order;
}

std::vector<const SettingDef*> WriteOrder(std::span<const SettingDef* const> rows) {
    std::vector<const SettingDef*> order;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(order), [](const SettingDef* s) {
        return s->written && !std::holds_alternative<std::monostate>(s->field);
    });
    return order;
}

}  // namespace vix
