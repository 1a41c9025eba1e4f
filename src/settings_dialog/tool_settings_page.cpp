#include "settings_dialog/tool_settings_page.h"

#include <algorithm>

#include "platform/window.h"
#include "settings_dialog/tool_setting_fields.h"
#include "ui/skin.h"
#include "ui/standard_controls.h"

namespace vix {
namespace {

constexpr int kToolRowHeight = 26;
constexpr int kToolFieldLeft = 150;

HWND FieldControl(HWND page, const wchar_t* cls, std::wstring_view text, DWORD style,
                  const Rect& bounds, int id = 0) {
    return ui::CreateStandardControl(page, cls, text, style, bounds, id,
                                     ui::SkinFont(ui::FontId::Dialog));
}

}  // namespace

bool ToolSettingsPage::HasFields(const SettingGroup& group) {
    return std::any_of(group.rows.begin(), group.rows.end(),
                       [](const SettingDef* s) { return ShownOnDialog(*s); });
}

void ToolSettingsPage::Build(HWND page, int firstId) {
    int top = 14;
    for (const SettingDef* setting : group_.rows) {
        if (!ShownOnDialog(*setting)) continue;
        const std::wstring caption(setting->caption);
        HWND control = nullptr;
        if (setting->type == SettingType::Flag) {
            control = FieldControl(page, L"BUTTON", caption, WS_TABSTOP | BS_AUTOCHECKBOX,
                                   Rect::FromBounds(16, top, 276, 18));
        } else {
            FieldControl(page, L"STATIC", caption, SS_NOPREFIX,
                         Rect::FromBounds(16, top + 3, kToolFieldLeft - 20, 16));
            control = FieldControl(page, L"EDIT", L"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL,
                                   Rect::FromBounds(kToolFieldLeft, top, 142, 21),
                                   firstId + static_cast<int>(fields_.size()));
        }
        fields_.push_back({setting, control});
        top += kToolRowHeight;
    }
}

void ToolSettingsPage::Fill(const Settings& settings) {
    for (const Field& f : fields_) {
        if (f.setting->type == SettingType::Flag)
            ui::SetChecked(f.control, FlagSetting(settings, *f.setting));
        else
            ::SetWindowTextW(f.control, FieldText(settings, *f.setting).c_str());
    }
}

const SettingDef* ToolSettingsPage::Refused() const {
    for (const Field& f : fields_)
        if (f.setting->type != SettingType::Flag &&
            !TypedValue(*f.setting, platform::WindowText(f.control)))
            return f.setting;
    return nullptr;
}

void ToolSettingsPage::Apply(Settings& settings) const {
    for (const Field& f : fields_) {
        if (f.setting->type == SettingType::Flag) {
            SetField(settings, *f.setting, RegistryValue::Dword(ui::IsChecked(f.control)));
        } else if (const auto value = TypedValue(*f.setting, platform::WindowText(f.control))) {
            SetField(settings, *f.setting, *value);
        }
    }
}

HWND ToolSettingsPage::ControlOf(const SettingDef& setting) const {
    for (const Field& f : fields_)
        if (f.setting == &setting) return f.control;
    return nullptr;
}

}  // namespace vix
