#pragma once

#include "common/geometry.h"

// Where a dialog opens that is placed relative to the main window (the
// settings dialog, the preview, the version chooser, the update dialog):
// centred on it, yet wholly inside the work area of its monitor, however
// near an edge the main window stands.

namespace vix {

// The top-left corner for a dialog of `dialog` size centred on `target`
// (integer halves rounded toward zero) and then moved into `workArea`. A
// dialog larger than the work area keeps its top-left corner, and with it
// the caption, inside.
Point DialogPosition(Size dialog, const Rect& target, const Rect& workArea);

}  // namespace vix
