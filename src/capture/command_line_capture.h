#pragma once

#include "tools/command_line.h"

// `vix.exe /capture ...`: one capture into a file, without a window.

namespace vix {

// Waits the command's delay, takes its area of the screen (with the
// cursor if asked) and saves it in the file's format, JPEG at the stored
// quality setting `jpgQualitySetting` (0 to 10), as the page saves it.
CommandOutcome RunCaptureCommand(const CaptureCommand& command, int jpgQualitySetting);

}  // namespace vix
