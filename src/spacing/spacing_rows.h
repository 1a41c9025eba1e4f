#pragma once

#include "settings/settings_table.h"
#include "spacing/spacing_measure.h"

// The spacing measure's values in the settings key.

namespace vix {

// Whether the "Spacing" page is expanded, when the layout is remembered.
inline constexpr SettingDef kSpacingPageOpen = ToolFlag(L"_tab_SpacingPage", false);
// How far a pixel's red, green and blue may be from the first one's and
// still be the same surface.
inline constexpr SettingDef kSpacingTolerance =
    ToolNumber(L"SpacingTolerance", kDefaultTolerance, 0, kMaxTolerance, L"Tolerance");

}  // namespace vix
