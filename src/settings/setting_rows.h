#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "settings/settings_table.h"

// The settings key as one list of rows: the shell's, then those of every
// tool in the order the tool table holds them. A tool's rows are only ever
// appended, so the values a key already holds keep their places, and the
// orders a load reads and a save writes follow from the list.

namespace vix {

// The rows a tool declares, static storage; `page` names the settings
// dialog's page of those that have a caption (the tool's own page after the
// dialog's four).
struct SettingGroup {
    const wchar_t* page = L"";
    std::span<const SettingDef* const> rows;
};

class SettingRows {
  public:
    // The shell's rows alone.
    SettingRows();

    // Appends a tool's rows; a value name already taken throws
    // std::logic_error, as the tool table refuses any other clash at start.
    void Append(const SettingGroup& group);

    std::span<const SettingDef* const> All() const { return rows_; }
    // The groups appended, in their order.
    std::span<const SettingGroup> Groups() const { return groups_; }
    const SettingDef* Find(std::wstring_view name) const;

  private:
    std::vector<const SettingDef*> rows_;
    std::vector<SettingGroup> groups_;
};

// A load creates the missing values in the order of the rows, then reads
// every row with a field in that order; a save writes every written row
// with a field in that order.
std::vector<const SettingDef*> ReadOrder(std::span<const SettingDef* const> rows);
std::vector<const SettingDef*> WriteOrder(std::span<const SettingDef* const> rows);

}  // namespace vix
