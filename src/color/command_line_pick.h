#pragma once

#include "common/geometry.h"
#include "tools/command_line.h"

// `vix.exe /pick X,Y`: the colour at a point of the screen to the
// clipboard, without a window the user sees.

namespace vix {

// Puts the clipboard text of the pixel at `at` in `clipboardFormat` (the
// setting "CPExportFormat") on the clipboard.
CommandOutcome RunPickCommand(Point at, int clipboardFormat);

}  // namespace vix
