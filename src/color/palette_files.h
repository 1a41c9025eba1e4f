#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "color/color_value.h"

// The colour library saved for other design tools: beside the Adobe Color
// Table (.act, written by the library itself) a GIMP palette (.gpl, read by
// GIMP, Inkscape and Krita), an Adobe Swatch Exchange file (.ase, read by
// Adobe's programs) and CSS custom properties (.css). Each holds the given
// colours in their order (the library's, newest first), each named by its
// six upper-case hex digits ("FF9933").

namespace vix {

enum class PaletteFormat { kAct, kGpl, kAse, kCss };

// The save dialog's filters in their order (indexes 1 to 4), the title and
// the extension the dialog adds to a name typed without one.
inline constexpr wchar_t kPaletteFilter[] =
    L".ACT (Adobe Color Table)|*.act|GIMP palette (*.gpl)|*.gpl|"
    L"Adobe Swatch Exchange (*.ase)|*.ase|CSS custom properties (*.css)|*.css";

struct PaletteTarget {
    PaletteFormat format;
    std::wstring fileName;
    friend bool operator==(const PaletteTarget&, const PaletteTarget&) = default;
};

// A name ending in ".act", ".gpl", ".ase" or ".css" (in any case) is saved
// in that format as it is, whatever the filter; any other name takes the
// filter's format and ending (filter 1, and any index the dialog should not
// give, the colour table's: "palette.txt" becomes "palette.txt.act").
PaletteTarget ChoosePaletteTarget(const std::wstring& chosenName, int filterIndex);

// The six hex digits that name a colour.
std::string ColorName(ColorWord c);

// The files' bytes.
std::vector<std::uint8_t> GimpPalette(std::span<const ColorWord> colors);
std::vector<std::uint8_t> SwatchExchange(std::span<const ColorWord> colors);
std::vector<std::uint8_t> CssProperties(std::span<const ColorWord> colors);

}  // namespace vix
