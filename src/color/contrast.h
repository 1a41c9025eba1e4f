#pragma once

#include <string>

#include "color/color_value.h"

// The WCAG 2.x contrast of two colours, as the "Extended color information"
// section shows it for the last two samples: "Contrast: 9.60:1 AAA".

namespace vix {

inline constexpr wchar_t kContrastBeforeTwoSamples[] = L"Contrast: sample two colours";

// The relative luminance of a colour, 0 (black) to 1 (white).
double RelativeLuminance(ColorWord c);
// The lighter colour's luminance plus 0.05 over the darker's plus 0.05:
// 1 to 21, the same whichever colour comes first.
double ContrastRatio(ColorWord a, ColorWord b);
// The level the ratio reaches: at least 7 "AAA", at least 4.5 "AA", at
// least 3 "AA large", below that "fails".
const wchar_t* ContrastLevel(double ratio);
// The ratio truncated (not rounded) to two decimals with `decimal`, ":1 "
// and the level, e.g. "4.48:1 AA large".
std::wstring RatioText(double ratio, wchar_t decimal);
// "Contrast: " and the ratio truncated (not rounded) to two decimals with
// the user's decimal separator, ":1 " and the level, e.g.
// "Contrast: 4.48:1 AA large".
std::wstring ContrastText(ColorWord a, ColorWord b, wchar_t decimal);

}  // namespace vix
