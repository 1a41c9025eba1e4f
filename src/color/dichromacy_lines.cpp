#include "color/dichromacy_lines.h"

#include <cwchar>

#include "color/contrast.h"
#include "vision/vision_filter.h"

namespace vix {
namespace {

const wchar_t* DichromacyName(Vision vision) {
    switch (vision) {
        case Vision::Protanopia: return L"Protanopia";
        case Vision::Deuteranopia: return L"Deuteranopia";
        case Vision::Tritanopia: return L"Tritanopia";
        default: return L"Normal";
    }
}

}  // namespace

ColorWord SeenAs(Vision vision, ColorWord color) {
    // Made per call: nine tables of 256 products, little for a sample taken
    // now and then.
    const VisionFilter filter(vision, 100);
    const std::uint32_t pixel = static_cast<std::uint32_t>(Red(color)) << 16 |
                                static_cast<std::uint32_t>(Green(color)) << 8 | Blue(color);
    return FromPixel(filter.ApplyToPixel(pixel));
}

std::wstring DichromacyLine(Vision vision, ColorWord sample, std::optional<ColorWord> before,
                            wchar_t decimal) {
    const ColorWord seen = SeenAs(vision, sample);
    wchar_t hex[8];
    std::swprintf(hex, std::size(hex), L"#%02X%02X%02X", Red(seen), Green(seen), Blue(seen));
    std::wstring line = std::wstring(DichromacyName(vision)) + L": " + hex;
    if (before) line += L" " + RatioText(ContrastRatio(SeenAs(vision, *before), seen), decimal);
    return line;
}

}  // namespace vix
