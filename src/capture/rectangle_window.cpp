#include "capture/rectangle_window.h"

#include "capture/rectangle_overlay.h"
#include "common/busy_scope.h"
#include "platform/desktop.h"
#include "platform/gdi.h"
#include "ui/message_loop.h"

namespace vix {
namespace {

// The overlay's first bounds, designed at 96 DPI.
constexpr Rect kDesignBounds = Rect::FromBounds(250, 284, 449, 219);

int Scaled(int value, int dpi) { return MulDiv(value, 96, dpi); }

platform::Region RegionOf(Size size) {
    platform::Region region(::CreateRectRgn(0, 0, 0, 0));
    for (const Rect& r : OverlayRegion(size)) {
        platform::Region part(::CreateRectRgn(r.left, r.top, r.right, r.bottom));
        ::CombineRgn(region.get(), region.get(), part.get(), RGN_OR);
    }
    return region;
}

}  // namespace

void Trectan::Create(HWND owner) {
    CreateForm({.className = L"Trectan",
                .caption = L"",
                .style = WS_POPUP,
                .exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
                .client = {1, 1},
                .owner = owner});
    const int dpi = platform::ScreenDpi();
    ::SetWindowPos(hwnd(), nullptr, Scaled(kDesignBounds.left, dpi), Scaled(kDesignBounds.top, dpi),
                   Scaled(kDesignBounds.width(), dpi), Scaled(kDesignBounds.height(), dpi),
                   SWP_NOZORDER | SWP_NOACTIVATE);
    // The window owns the region.
    ::SetWindowRgn(hwnd(), RegionOf(ClientSize()).release(), FALSE);
    size_ = ClientSize();
}

void Trectan::SetRectangleBounds(int x, int y, int width, int height) {
    // The animation may be drawing (it can let messages run): wait for it.
    while (busy_) {
        ::Sleep(50);
        ui::ProcessPendingMessages();
    }
    BusyScope busy(busy_);
    ::SetWindowRgn(hwnd(), ::CreateRectRgn(0, 0, 0, 0), FALSE);
    ::SetWindowPos(hwnd(), HWND_TOPMOST, x, y, width, height,
                   SWP_NOSENDCHANGING | SWP_NOOWNERZORDER | SWP_NOACTIVATE);
    size_ = {width, height};
    ::SetWindowRgn(hwnd(), RegionOf(size_).release(), TRUE);
    drawlines();
}

void Trectan::MoveRectangle(int x, int y) {
    ::SetWindowPos(hwnd(), HWND_TOPMOST, x, y, 0, 0,
                   SWP_NOSIZE | SWP_NOSENDCHANGING | SWP_NOACTIVATE);
}

void Trectan::drawlines() {
    platform::WindowDC dc(hwnd());
    // A DC that cannot be had draws nothing; the next tick tries again.
    if (dc) Draw(dc.get());
}

void Trectan::Draw(HDC dc) {
    const platform::Pen black(::CreatePen(PS_SOLID, 1, platform::kBlack.Ref()));
    const platform::Brush white(::CreateSolidBrush(platform::kWhite.Ref()));
    {
        platform::Selection pen(dc, black.get());
        platform::Selection brush(dc, white.get());
        for (const Rect& s : HandleSquares(size_))
            ::Rectangle(dc, s.left, s.top, s.right, s.bottom);
    }
    for (const InkRun& run : DashRuns(size_, phase_))
        platform::FillSolid(dc, platform::ToRECT(run.rect),
                            run.black ? platform::kBlack : platform::kWhite);
}

void Trectan::StartAnimation() {
    animationTimer_.Start(100, [this] { AnimationTick(); });
}

void Trectan::StopAnimation() { animationTimer_.Stop(); }

void Trectan::AnimationTick() {
    if (!Visible() || busy_) return;
    BusyScope busy(busy_);
    ::SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (HWND owner = ::GetWindow(hwnd(), GW_OWNER))
        ::SetWindowPos(owner, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    phase_ = NextDashPhase(phase_);
    drawlines();
}

LRESULT Trectan::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: {
            platform::PaintDC paint(hwnd());
            Draw(paint.get());
            return 0;
        }
        case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
        case WM_KEYDOWN: return 0;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

}  // namespace vix
