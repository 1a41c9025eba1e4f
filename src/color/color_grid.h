#pragma once

#include "color/color_library.h"
#include "ui/control.h"

// The library's grid: 7 x 5 cells of 14 x 13 pixels with one-pixel lines.
// The newest colour is top-left; empty cells are white.

namespace vix {

class ColorGrid : public ui::Control {
  public:
    void Create(HWND parent, const Rect& bounds, const ColorLibrary& library);

  protected:
    void Paint(HDC dc, Size size) override;

  private:
    const ColorLibrary* library_ = nullptr;
};

}  // namespace vix
