#pragma once

#include "settings/settings_table.h"
#include "vision/vision_matrix.h"

// The preview's values in the settings key: the vision the snapshot is seen
// with and its severity.

namespace vix {

// The index of the "Vision" list: Normal, then the deficiencies.
inline constexpr SettingDef kPreviewVision = ToolNumber(L"PreviewVision", 0, 0, kVisionCount - 1);
// Percent of the full deficiency.
inline constexpr SettingDef kPreviewSeverity = ToolNumber(L"PreviewVisionSeverity", 100, 0, 100);

}  // namespace vix
