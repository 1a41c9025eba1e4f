#pragma once

#include "common/geometry.h"

// Where the main window appears at start: the remembered position pulled back
// onto the desktop, or the centre of the primary screen.

namespace vix {

struct PlacementInput {
    bool rememberPosition = false;
    int lastX = 0;
    int lastY = 0;
    Size window;          // the window's size once its tab is laid out
    Rect virtualDesktop;  // all monitors; left and top may be negative
    Size primaryScreen;
};

Point InitialWindowPosition(const PlacementInput& in);

}  // namespace vix
