#pragma once

// Photoshop's own windows, as the exports look for them.

namespace vix {

// Whether a top-level window of class "Photoshop" exists (any title): an
// open Photoshop session.
bool FindPhothoshop();

// Closes Photoshop's colour picker (class "PSFloatC", titled "Color
// Picker") if it is open, as its close box would, and waits until
// Photoshop has handled that (an open picker blocks the colour request), but
// not for a Photoshop that has stopped answering, and at most 5 seconds.
void ClosePhotoshopColorPicker();

}  // namespace vix
