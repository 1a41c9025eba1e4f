#pragma once

#include "tools/control_ids.h"

// The colour picker's child-window identifiers: its hundred of the tools'
// ids (tools/control_ids.h).

namespace vix {

enum ColorControlId : int {
    kIdPickerView = 1101,
    kIdLiveSwatch = 1102,
    kIdSampledSwatch = 1103,
    kIdLiveRed = 1104,
    kIdLiveGreen = 1105,
    kIdLiveBlue = 1106,
    kIdSummary = 1107,
    kIdSampleSizeList = 1108,
    kIdColorInfoFirst = 1110,  // + 0..6: C, M, Y, K, H, S, B
    kIdContrast = 1117,
    kIdLibraryGrid = 1120,
    kIdHoverRed = 1121,
    kIdHoverGreen = 1122,
    kIdHoverBlue = 1123,
    kIdDichromacyFirst = 1124,  // + 0..2: protanopia, deuteranopia, tritanopia
};
static_assert(kIdPickerView > kIdToolsFirst && kIdDichromacyFirst + 2 < kIdToolsFirst + 100);

}  // namespace vix
