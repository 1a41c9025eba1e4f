#include "color/color_text.h"

#include <cmath>

#include "color/css_color.h"
#include "common/number_text.h"

namespace vix {
namespace {

std::wstring Hex2(std::uint8_t v) {
    static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
    return {kDigits[v >> 4], kDigits[v & 0xF]};
}

// "%3.1f" of the percentage, with the user's decimal separator.
std::wstring Percent(std::uint8_t v, PercentRule rule, wchar_t decimal) {
    // v / 2.55, computed so that 255 gives exactly 100. No component lies
    // on a rounding tie of one decimal, so the tiny difference to a
    // division by 2.55 never shows.
    const double p = v * 100.0 / 255.0;
    const bool hundred = rule == PercentRule::Picker ? std::lround(p) == 100 : p == 100.0;
    if (hundred) return L"100";
    return FormatFixed("%3.1f", p, decimal);
}

}  // namespace

std::wstring ComponentText(std::uint8_t v, ValueFormat format, PercentRule rule, wchar_t decimal) {
    switch (format) {
        case kFormatRgb: return std::to_wstring(v);
        case kFormatHex: return L"#" + Hex2(v);
        case kFormatPercent: return Percent(v, rule, decimal) + L"%";
        default: return {};
    }
}

std::wstring ColorSummaryText(ColorWord c, ValueFormat format, wchar_t decimal) {
    if (format < kFormatRgb || format > kFormatPercent) return {};
    const auto part = [&](std::uint8_t v) {
        return ComponentText(v, format, PercentRule::Picker, decimal);
    };
    return L"R:" + part(Red(c)) + L"  G:" + part(Green(c)) + L"  B:" + part(Blue(c));
}

std::wstring ClipboardText(ColorWord c, int exportFormat) {
    const std::wstring rgb = Hex2(Red(c)) + Hex2(Green(c)) + Hex2(Blue(c));
    const std::wstring bgr = Hex2(Blue(c)) + Hex2(Green(c)) + Hex2(Red(c));
    switch (exportFormat) {
        case 0: return L"#" + rgb;
        case 1: return L"color=\"#" + rgb + L"\"";
        case 2: return L"0x00" + bgr;
        case 3: return L"$00" + bgr;
        case 4: return L"0x" + rgb;
        case 5: return CssRgb(c);
        case 6: return CssHsl(c);
        case 7: return CssOklch(c);
        default: return {};
    }
}

}  // namespace vix
