#pragma once

#include <functional>

#include "color/color_library.h"
#include "ui/control.h"

// The library's grid: 7 x 5 cells of 14 x 13 pixels with one-pixel lines.
// The newest colour is top-left; empty cells are white.

namespace vix {

class ColorGrid : public ui::Control {
  public:
    void Create(HWND parent, const Rect& bounds, const ColorLibrary& library);
    // Pointer moves in grid pixels, also outside the grid while captured.
    std::function<void(int x, int y)> onHover;

  protected:
    void Paint(HDC dc, Size size) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    const ColorLibrary* library_ = nullptr;
};

}  // namespace vix
