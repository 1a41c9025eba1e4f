#pragma once

#include <optional>
#include <vector>

#include "platform/gdi.h"
#include "ui/control.h"

// A control that shows a 32-bit bitmap of its own, drawn into through a
// memory DC that stays open: the enlarged views of the picker and the ruler.

namespace vix::ui {

class BitmapView : public Control {
  public:
    void Create(HWND parent, const Rect& bounds);
    // Sizes the bitmap to `size`; with `fill` given it is cleared to it.
    void SizeBitmap(Size size, std::optional<COLORREF> fill);
    HDC DC() const { return dc_.get(); }
    const platform::DibSection& Bitmap() const { return dib_; }
    // Shows the bitmap now, without waiting for the next paint; a picture
    // the same as the one shown last is not drawn again.
    void Present();

  protected:
    void Paint(HDC dc, Size size) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // Declared so that the selection goes first, then the DC, then the bitmap.
    platform::DibSection dib_;
    platform::MemoryDC dc_;
    std::optional<platform::Selection> selection_;
    std::vector<DWORD> shown_;  // the pixels last put on the screen
};

}  // namespace vix::ui
