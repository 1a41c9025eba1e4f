#pragma once

#include <optional>
#include <string>

#include "color/color_value.h"
#include "vision/vision_matrix.h"

// Below the contrast line: the last sample as each of the three dichromacies
// sees it, and the contrast of the last two samples as that vision sees
// them, so that a pair that passes for normal vision and not for a
// deficiency shows at once: "Deuteranopia: #8C8C3A 3.10:1 AA large".

namespace vix {

inline constexpr Vision kDichromacies[] = {Vision::Protanopia, Vision::Deuteranopia,
                                           Vision::Tritanopia};

// `color` as `vision` sees it at full severity; the top byte is cleared.
ColorWord SeenAs(Vision vision, ColorWord color);

// "Protanopia: #RRGGBB" for the sample as seen, then, once there is a
// sample before it, the contrast of the two as seen, as the contrast line
// writes it.
std::wstring DichromacyLine(Vision vision, ColorWord sample, std::optional<ColorWord> before,
                            wchar_t decimal);

}  // namespace vix
