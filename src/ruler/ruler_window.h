#pragma once

#include <optional>

#include "platform/canvas.h"
#include "ruler/ruler_geometry.h"
#include "ruler/ruler_host.h"
#include "ruler/ruler_scale.h"
#include "ui/form.h"

// The floating ruler: a borderless, always-on-top strip 30 pixels thick that
// draws its own scale, is moved and stretched with the mouse or the arrow
// keys, turned by a non-left click and flipped from the main window.

namespace vix {

class Trulerapp final : public ui::ProgramForm {
  public:
    void Create(HWND owner) override;
    void SetHost(RulerHost* host) { host_ = host; }

    vix::RulerOrientation RulerOrientation = roHorizontalTop;
    RulerUnits RulerUnit = kPixels;

    // Shows the ruler anew: horizontal, 200 x 30, ticks on top, where it was.
    void ShowRuler(RulerUnits unit);
    void MoveRuler(int x, int y);
    int GetRulerLength() const;
    void SetRulerLength(int pixels);
    // Reports the length, the line and the position and has the end views
    // drawn again.
    void RulerChanged();
    // Reports the line and the position only, as after a move.
    void ReportRulerLine();
    void RotateRuler();
    void FlipRuler();
    void PaintRuler();

    const platform::Canvas& Picture() const { return picture_; }

  protected:
    void FormShow() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // The left button drags the ruler; without it, the pointer shows the
    // drag a press would begin.
    void BeginDrag(POINT client);     // Image1MouseDown
    void TrackPointer(POINT client);  // Image1MouseMove
    void EndDrag();                   // Image1MouseUp
    bool FormKeyDown(WPARAM key);
    void Report(std::optional<int> length, bool redrawViews);
    void Turn(RulerTurn turn, const RulerPose& pose);
    void DrawScale(HDC dc, Size size, platform::GdiColor colour);
    platform::GdiColor Colour() const;

    RulerHost* host_ = nullptr;
    bool dragging_ = false;
    POINT dragStart_{};
    DragMode dragMode_ = kDragMove;
    HCURSOR cursor_ = nullptr;
    // The size of the full-window region last set; a turn empties it.
    Size regionSize_;

    // Empty while it cannot be made: the window then shows the plain colour.
    platform::Canvas picture_;
};

}  // namespace vix
