#pragma once

#include "app/section_layout.h"
#include "settings/settings.h"

// The seven layout settings (`_tab_...`) as page states and back.

namespace vix {

PageStates PageFlagsOf(const Settings& settings);
void SetPageFlag(Settings& settings, Page page, bool expanded);

}  // namespace vix
