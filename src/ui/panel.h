#pragma once

#include "ui/control.h"

// A flat panel: a colour, an optional bevel, an optional caption. The tabs,
// the section bars and pages and the information bar are panels.

namespace vix::ui {

enum class Bevel { None, Raised, Lowered };

struct PanelStyle {
    COLORREF color = CLR_INVALID;  // CLR_INVALID: the face colour
    Bevel bevel = Bevel::None;
    HFONT font = nullptr;
    COLORREF textColor = CLR_INVALID;   // CLR_INVALID: the window-text colour
    int captionX = -1;                  // left edge of the caption; -1 centres it
    int captionY = -1;                  // top edge of the caption; -1 centres it vertically
    bool highlightTopLeft = false;      // white lines along the top and left edges
    COLORREF bottomLine = CLR_INVALID;  // a one-pixel line along the bottom edge
    COLORREF outline = CLR_INVALID;     // a one-pixel frame round the panel
};

class Panel : public Control {
  public:
    void Create(HWND parent, const Rect& bounds, std::wstring_view caption, PanelStyle style);
    void SetStyle(PanelStyle style);
    // Changes only the colour, repainting when it differs.
    void SetColor(COLORREF color);
    const PanelStyle& Style() const { return style_; }

  protected:
    void Paint(HDC dc, Size size) override;

  private:
    PanelStyle style_;
    // What the panel shows; its window text may instead be a hint (swatches).
    std::wstring caption_;
};

}  // namespace vix::ui
