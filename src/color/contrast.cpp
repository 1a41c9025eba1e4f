#include "color/contrast.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vix {
namespace {

double Channel(std::uint8_t v) {
    const double c = v / 255.0;
    // WCAG 2.x names 0.03928 as the knee, the sRGB standard 0.04045; no
    // 8-bit value lies between them.
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(ColorWord c) {
    return 0.2126 * Channel(Red(c)) + 0.7152 * Channel(Green(c)) + 0.0722 * Channel(Blue(c));
}

double ContrastRatio(ColorWord a, ColorWord b) {
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

const wchar_t* ContrastLevel(double ratio) {
    if (ratio >= 7) return L"AAA";
    if (ratio >= 4.5) return L"AA";
    if (ratio >= 3) return L"AA large";
    return L"fails";
}

std::wstring RatioText(double ratio, wchar_t decimal) {
    // Hundredths, cut off; the tiny allowance keeps a ratio that is 4.5 in
    // exact arithmetic from showing as 4.49 after rounding errors.
    const auto hundredths = static_cast<std::int64_t>(std::floor(ratio * 100 + 1e-9));
    const std::int64_t fraction = hundredths % 100;
    std::wstring text = std::to_wstring(hundredths / 100) + decimal;
    if (fraction < 10) text += L'0';
    text += std::to_wstring(fraction);
    return text + L":1 " + ContrastLevel(ratio);
}

std::wstring ContrastText(ColorWord a, ColorWord b, wchar_t decimal) {
    return L"Contrast: " + RatioText(ContrastRatio(a, b), decimal);
}

}  // namespace vix
