#include "settings_dialog/tool_setting_fields.h"

#include <algorithm>
#include <cstdint>

namespace vix {

bool ShownOnDialog(const SettingDef& setting) {
    return !setting.caption.empty() &&
           (setting.type == SettingType::Flag || setting.type == SettingType::Number ||
            setting.type == SettingType::Text);
}

std::wstring FieldText(const Settings& settings, const SettingDef& setting) {
    if (setting.type == SettingType::Text) return TextSetting(settings, setting);
    return std::to_wstring(NumberSetting(settings, setting));
}

namespace {

// A decimal number with an optional minus sign, saturated beyond 32 bits
// so that a long run of digits reads as "very large", then clamped.
std::optional<std::int64_t> DecimalNumber(std::wstring_view text) {
    const bool negative = !text.empty() && text.front() == L'-';
    if (negative) text.remove_prefix(1);
    if (text.empty() || text.size() > 18) return std::nullopt;
    std::int64_t n = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return std::nullopt;
        n = n * 10 + (c - L'0');
    }
    return negative ? -n : n;
}

}  // namespace

std::optional<RegistryValue> TypedValue(const SettingDef& setting, std::wstring_view text) {
    if (setting.type == SettingType::Text) {
        if (setting.accepts && !setting.accepts(text)) return std::nullopt;
        return RegistryValue::Text(text);
    }
    const auto n = DecimalNumber(text);
    if (!n) return std::nullopt;
    const auto kept = std::clamp<std::int64_t>(*n, setting.low, setting.high);
    return RegistryValue::Dword(static_cast<std::uint32_t>(static_cast<std::int32_t>(kept)));
}

}  // namespace vix
