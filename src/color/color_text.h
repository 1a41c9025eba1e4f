#pragma once

#include <cstdint>
#include <string>

#include "color/color_value.h"

// Every text form of a colour: the component texts of the live and hover
// labels, the summary line of the sampled colour and the clipboard texts.

namespace vix {

// The display formats, as the items of the value-form buttons; kNoFormat
// while none is chosen.
enum ValueFormat : int { kNoFormat = -1, kFormatRgb = 0, kFormatHex = 1, kFormatPercent = 2 };

// The format of button `index`; kNoFormat for anything else.
constexpr ValueFormat ValueFormatAt(int index) {
    return index >= kFormatRgb && index <= kFormatPercent ? static_cast<ValueFormat>(index)
                                                          : kNoFormat;
}

// Where a percentage of 100 shows without decimals: the picker's labels and
// summary round first (254 and 255 both show 100%), the library's hover
// labels only for exactly 100 (254 shows 99.6%).
enum class PercentRule { Picker, Library };

// One component: "51", "#33" or "20.0%". kNoFormat gives no text.
std::wstring ComponentText(std::uint8_t v, ValueFormat format, PercentRule rule,
                           wchar_t decimal = L'.');

// The summary line of a sampled colour, e.g. "R:255  G:153  B:51".
std::wstring ColorSummaryText(ColorWord c, ValueFormat format, wchar_t decimal = L'.');

// The clipboard text of a colour in export format 0 to 7 (5 to 7 the CSS
// functions rgb(), hsl() and oklch()); empty for any other format (nothing
// is copied then).
std::wstring ClipboardText(ColorWord c, int exportFormat);

}  // namespace vix
