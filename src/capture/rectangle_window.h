#pragma once

#include "common/geometry.h"
#include "ui/form.h"
#include "ui/timer.h"

// The rectangle capture's overlay: a window shaped by its region into a
// dashed frame line with eight handles; the dashes march along the line
// every 100 ms. Everything else of the window is transparent to the eye and
// to the mouse, so the desktop under it stays visible and clickable.

namespace vix {

class Trectan final : public ui::ProgramForm {
  public:
    void Create(HWND owner) override;

    // Places, reshapes and redraws the overlay, topmost and not activated.
    void SetRectangleBounds(int x, int y, int width, int height);
    // Moves the overlay without reshaping it.
    void MoveRectangle(int x, int y);
    // Draws the handles and the dashed line for the current phase.
    void drawlines();
    void StartAnimation();
    void StopAnimation();
    int Phase() const { return phase_; }
    // The platform's window bounds of the overlay.
    Rect WindowBounds() const { return Bounds(); }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // Keeps the overlay on top and moves the dashes on.
    void AnimationTick();  // Timer1Timer
    void Draw(HDC dc);

    ui::Timer animationTimer_;  // Timer1
    bool busy_ = false;
    int phase_ = 0;
    Size size_;  // the size the region was built for
};

}  // namespace vix
