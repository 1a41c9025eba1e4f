#pragma once

#include "color/color_value.h"
#include "platform/gdi_color.h"

// The program's colour word on the Windows side: GDI takes the three
// components alone, never the flags of the top byte.

namespace vix {

constexpr platform::GdiColor ToGdi(ColorWord c) {
    return platform::GdiColor::Rgb(Red(c), Green(c), Blue(c));
}

// A drawn colour as the program holds it, top byte cleared.
constexpr ColorWord FromGdi(platform::GdiColor c) {
    return MakeColor(c.Red(), c.Green(), c.Blue());
}

}  // namespace vix
