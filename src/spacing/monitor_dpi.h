#pragma once

#include <span>

#include "common/geometry.h"

// Which DPI a length measured on the desktop is shown at: monitors side by
// side may be scaled differently, and a length in inches or picas is the
// one on the monitor it was measured on.

namespace vix {

// The DPI of the monitor holding screen point `at`, `dpis[i]` being the DPI
// of `monitors[i]`; the first one listed where monitors overlap. A point on
// no monitor (a corner that monitors of different sizes leave empty) takes
// the nearest monitor's, the first listed of equally near ones. `fallback`
// when there is no monitor, or the chosen one's DPI is missing or not
// positive.
int DpiAt(Point at, std::span<const Rect> monitors, std::span<const int> dpis, int fallback);

}  // namespace vix
