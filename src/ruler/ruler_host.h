#pragma once

#include <windows.h>

#include <optional>

#include "platform/gdi_color.h"
#include "ruler/ruler_geometry.h"

// What the ruler window reports to the main window after every change.

namespace vix {

// One change of the ruler, as the main window takes it: the length when it
// may have changed, the measured line (none for an unknown orientation), the
// position shown, and whether the end views are drawn again at once.
struct RulerChange {
    std::optional<int> length;
    std::optional<RulerLine> line;
    Point position;
    bool redrawViews = false;
};

class RulerHost {
  public:
    virtual ~RulerHost() = default;
    virtual void RulerMoved(const RulerChange& change) = 0;
    // The rotate and flip buttons' pictures after a turn.
    virtual void ShowTurnPictures(const TurnPictures& pictures) = 0;
    virtual platform::GdiColor RulerColor() const = 0;
    // The ruler changed size: the length field is drawn again.
    virtual void RepaintLengthField() = 0;
};

}  // namespace vix
