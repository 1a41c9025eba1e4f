#pragma once

#include <windows.h>

#include "pictures.h"

// Whether the screen shows the test pattern where its windows lie.
//
// Under Wine on a display without a compositor, the part of another
// program's window that a window over it uncovers (one hidden, moved or
// given a smaller shape) shows again only once that program has painted it,
// and a loaded machine can keep it waiting: a capture or a sample taken
// meanwhile gets what the window over it left. The tests wait for the
// pattern to be whole before they take it.

namespace vix::e2e {

// Waits until every pixel of the pattern's windows inside `area` (screen
// coordinates) is the pattern's own, asking the pattern to paint again while
// one is not. False if that does not come.
bool WaitPatternShown(const RECT& area);

// The main pattern window's pixels inside `area` (screen coordinates), as
// the pattern program paints them.
Picture PatternPicture(const RECT& area);

}  // namespace vix::e2e
