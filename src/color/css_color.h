#pragma once

#include <string>

#include "color/color_value.h"

// The CSS colour functions of the clipboard formats 5 to 7. CSS texts always
// use "." as decimal point, whatever the user's locale.

namespace vix {

// "rgb(255 153 51)"
std::wstring CssRgb(ColorWord c);
// "hsl(30 100% 60%)": hue in degrees, saturation and lightness in percent,
// each rounded to one decimal with a trailing ".0" dropped. A grey has hue 0.
std::wstring CssHsl(ColorWord c);
// "oklch(77.37% 0.1629 60.28)": Oklab's lightness in percent with two
// decimals, chroma with four, hue in degrees with two; where the chroma
// rounds to 0.0000 the hue is written 0 ("oklch(100.00% 0.0000 0)").
std::wstring CssOklch(ColorWord c);

}  // namespace vix
