#pragma once

#include <windows.h>

#include "ruler/ruler_geometry.h"

// What the ruler window reports to the main window after every change.

namespace vix {

class RulerHost {
  public:
    virtual ~RulerHost() = default;
    virtual void ShowRulerLength(int pixels) = 0;
    virtual void SetRulerLine(const RulerLine& line) = 0;
    virtual void ShowRulerPosition(Point position) = 0;
    // Redraws the enlarged views of the ruler's ends.
    virtual void RulerEvent() = 0;
    // The rotate and flip buttons' pictures after a turn.
    virtual void ShowTurnPictures(const TurnPictures& pictures) = 0;
    virtual COLORREF RulerColor() const = 0;
    // The ruler changed size: the length field is drawn again.
    virtual void RepaintLengthField() = 0;
};

}  // namespace vix
