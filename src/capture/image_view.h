#pragma once

#include "capture/pixel_view.h"
#include "platform/gdi.h"
#include "ui/control.h"

// A scrollable, zoomable view of a picture of its own: the picture drawn at
// the scale from the scroll position, black around it, scroll bars for the
// part that does not fit. Any mouse button drags the picture along.

namespace vix {

class ImageView final : public ui::Control {
  public:
    void Create(HWND parent, const Rect& bounds);
    // Takes a copy of `picture`; the scale and the scroll position stay.
    void SetPicture(const PixelView& picture);
    void SetScale(double scale);
    double Scale() const { return scale_; }
    Point ScrollPosition() const { return scroll_; }
    // Adds `by` to the scroll position, held to the scroll range.
    void ScrollBy(Point by);
    Size PictureSize() const { return {picture_.width(), picture_.height()}; }
    // The picture's size on the screen at the current scale.
    Size ScaledSize() const;

  protected:
    void Paint(HDC dc, Size size) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void BeginDrag(POINT p);  // ImgView321MouseDown
    void DragTo(POINT p);     // ImgView321MouseMove
    void EndDrag();           // ImgView321MouseUp
    void UpdateScrollBars();
    void OnScroll(int bar, WORD request);

    platform::DibSection picture_;
    double scale_ = 1.0;
    Point scroll_;
    bool dragging_ = false;
    POINT last_{};
};

}  // namespace vix
