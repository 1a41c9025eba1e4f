#pragma once

#include "tools/control_ids.h"

// The ruler's child-window identifiers: its hundred of the tools' ids
// (tools/control_ids.h).

namespace vix {

enum RulerControlId : int {
    kIdRulerX = 1201,
    kIdRulerY = 1202,
    kIdRulerLength = 1203,
    kIdRulerUnits = 1204,
    kIdRulerBeginView = 1205,
    kIdRulerEndView = 1206,
    kIdRulerInfoFirst = 1210,  // + 0..5: pixels, inches, centimetres, picas, percent, DPI
};
static_assert(kIdRulerX > kIdToolsFirst + 100 && kIdRulerInfoFirst + 5 < kIdToolsFirst + 200);

}  // namespace vix
