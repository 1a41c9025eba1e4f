#pragma once

#include "ui/control.h"

// A flat panel: a colour, an optional bevel, an optional caption. The tabs,
// the section bars and pages and the information bar are panels.

namespace vix::ui {

enum class Bevel { None, Raised, Lowered };

struct PanelStyle {
    platform::GdiColor color = platform::kNoColor;  // none: the face colour
    Bevel bevel = Bevel::None;
    HFONT font = nullptr;
    platform::GdiColor textColor = platform::kNoColor;  // none: the window-text colour
    int captionX = -1;                                  // left edge of the caption; -1 centres it
    int captionY = -1;              // top edge of the caption; -1 centres it vertically
    bool highlightTopLeft = false;  // white lines along the top and left edges
    platform::GdiColor bottomLine = platform::kNoColor;  // a one-pixel line along the bottom edge
    platform::GdiColor outline = platform::kNoColor;     // a one-pixel frame round the panel
    // A swatch whose colour follows the pointer: it paints a new colour at
    // once through a DC of its own (fixed when the panel is made).
    bool live = false;
};

class Panel : public Control {
  public:
    void Create(HWND parent, const Rect& bounds, std::wstring_view caption, PanelStyle style);
    void SetStyle(PanelStyle style);
    // Changes only the colour, repainting when it differs.
    void SetColor(platform::GdiColor color);
    const PanelStyle& Style() const { return style_; }

  protected:
    void Paint(HDC dc, Size size) override;

  private:
    PanelStyle style_;
    // What the panel shows; its window text may instead be a hint (swatches).
    std::wstring caption_;
};

}  // namespace vix::ui
