#pragma once

#include <cstdint>

#include "color/color_value.h"

namespace vix {

// The nearest level of the web-safe palette (0, 51, 102, 153, 204, 255); a
// value 25 below a level goes down.
std::uint8_t RoundToWebSafe(std::uint8_t v);
ColorWord WebSafeColor(ColorWord c);

}  // namespace vix
