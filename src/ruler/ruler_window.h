#pragma once

#include <optional>

#include "platform/gdi.h"
#include "ruler/ruler_geometry.h"
#include "ruler/ruler_host.h"
#include "ui/form.h"

// The floating ruler: a borderless, always-on-top strip 30 pixels thick that
// draws its own scale, is moved and stretched with the mouse or the arrow
// keys, turned by a non-left click and flipped from the main window.

namespace vix {

class Trulerapp final : public ui::ProgramForm {
  public:
    void Create(HWND owner) override;
    void SetHost(RulerHost* host) { host_ = host; }

    int RulerOrientation = roHorizontalTop;
    int RulerUnit = 0;

    // Shows the ruler anew: horizontal, 200 x 30, ticks on top, where it was.
    void ShowRuler(int unit);
    void MoveRuler(int x, int y);
    int GetRulerLength() const;
    void SetRulerLength(int pixels);
    void RulerChanged();
    void ReportRulerLine();
    void RotateRuler();
    void FlipRuler();
    void PaintRuler();

    const platform::DibSection& Picture() const { return bitmap_; }

  protected:
    void FormShow() override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Image1MouseDown(POINT client);
    void Image1MouseMove(POINT client);
    void Image1MouseUp();
    bool FormKeyDown(WPARAM key);
    void Turn(const RulerPose& pose);
    void SizeBitmap(Size size);
    void DrawScale(HDC dc, Size size, COLORREF colour);

    RulerHost* host_ = nullptr;
    bool dragging_ = false;
    POINT dragStart_{};
    int dragMode_ = kDragMove;
    HCURSOR cursor_ = nullptr;
    // The size of the full-window region last set; a turn empties it.
    Size regionSize_;

    // Declared so that the selection goes first, then the DC, then the bitmap.
    platform::DibSection bitmap_;
    platform::MemoryDC dc_;
    std::optional<platform::Selection> selection_;
};

}  // namespace vix
