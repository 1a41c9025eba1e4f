#pragma once

#include <optional>
#include <vector>

#include "platform/canvas.h"
#include "ui/control.h"

// A control that shows a 32-bit bitmap of its own, drawn into through a
// memory DC that stays open and put on the screen through a window DC of its
// own: the enlarged views of the picker and the ruler.
// While its bitmap cannot be made (the GDI handle table is full) the view
// shows its background, drawing into it does nothing, and each Present
// tries again.

namespace vix::ui {

class BitmapView : public Control {
  public:
    void Create(HWND parent, const Rect& bounds);
    // Sizes the bitmap to `size`; with `fill` given it is cleared to it.
    void SizeBitmap(Size size, std::optional<platform::GdiColor> fill);
    // Null while the bitmap cannot be made: GDI calls on it do nothing.
    HDC DC() const { return canvas_.dc(); }
    const platform::Canvas& Bitmap() const { return canvas_; }
    // Shows the bitmap now, without waiting for the next paint; a picture
    // the same as the one shown last is not drawn again.
    void Present();

  protected:
    void Paint(HDC dc, Size size) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // Makes the bitmap the size last asked for, if it is not.
    bool MakeBitmap();

    platform::Canvas canvas_;
    Size wanted_;
    std::optional<platform::GdiColor> fill_;
    std::vector<DWORD> shown_;  // the pixels last put on the screen
};

}  // namespace vix::ui
