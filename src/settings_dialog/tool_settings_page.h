#pragma once

#include <windows.h>

#include <vector>

#include "settings/setting_rows.h"
#include "settings/settings.h"

// A tool's own page of the settings dialog, made from its rows: a check box
// for each flag, a caption and an edit field for each number or text.

namespace vix {

class ToolSettingsPage {
  public:
    explicit ToolSettingsPage(const SettingGroup& group) : group_(group) {}

    // Whether the group has a row the dialog shows.
    static bool HasFields(const SettingGroup& group);

    const wchar_t* Name() const { return group_.page; }
    // Makes the controls on `page`; `firstId` numbers the edit fields.
    void Build(HWND page, int firstId);
    void Fill(const Settings& settings);
    // The first row whose typed text cannot be stored; none when all can.
    const SettingDef* Refused() const;
    // Copies every field into `settings`; call after Refused() said none.
    void Apply(Settings& settings) const;
    // The control of `setting`, for the focus after a refusal.
    HWND ControlOf(const SettingDef& setting) const;

  private:
    struct Field {
        const SettingDef* setting;
        HWND control;
    };

    SettingGroup group_;
    std::vector<Field> fields_;
};

}  // namespace vix
