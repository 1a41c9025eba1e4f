#pragma once

#include <windows.h>

#include <functional>

#include "pin/pin_geometry.h"
#include "platform/gdi.h"
#include "platform/window.h"
#include "tools/snapshot_outputs.h"

// One pinned snapshot: a borderless topmost window showing its own copy of
// a picture of the screen, first at 100 % exactly over the place it was
// taken. Dragged to move, the wheel zooms it about the pointer, Ctrl+wheel
// sets its opacity; a double click or Esc closes it; a right click opens its
// menu. A thin frame in the accent colour lies round the picture, outside
// it, so that the picture itself covers its source pixel for pixel.

namespace vix {

class PinWindow;

// What the pin's menu and keys ask of whoever holds the pins. `close` and
// `closeAll` destroy the pin they were called from: the pin calls them last.
struct PinRequests {
    std::function<void(const ScreenPicture&)> copy;
    std::function<void(const ScreenPicture&)> save;
    std::function<void(const ScreenPicture&)> preview;
    std::function<void(PinWindow&)> close;
    std::function<void()> closeAll;
};

class PinWindow final : public platform::Window {
  public:
    explicit PinWindow(const PinRequests& requests) : requests_(requests) {}

    // Copies `picture` and shows it over its screen area; false when there
    // was no memory or no window for it.
    bool Open(const ScreenPicture& picture);

    // Its own copy, with the area it was taken from.
    ScreenPicture Picture() const;
    // Where the picture lies now, the frame left out.
    Rect PictureOnScreen() const { return area_; }
    int Zoom() const { return zoom_; }
    int Opacity() const { return opacity_; }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Paint(HDC dc);
    void Place(const Rect& area);
    void BeginDrag();
    void DragTo();
    void Wheel(int delta, bool opacity, Point pointer);
    void ApplyOpacity();
    // Its items may close the pin: nothing of it is used after them.
    void ShowMenu(Point at);

    const PinRequests& requests_;
    platform::DibSection copy_;
    Rect source_;  // where it was taken
    Rect area_;    // where the picture lies now
    int zoom_ = 100;
    int opacity_ = 100;
    WheelNotches zoomWheel_, opacityWheel_;
    platform::Brush frame_;
    bool dragging_ = false;
    Point dragFrom_;
    Rect dragStart_;
};

}  // namespace vix
