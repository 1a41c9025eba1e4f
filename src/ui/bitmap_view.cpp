#include "ui/bitmap_view.h"

#include "ui/skin.h"

#include <algorithm>

namespace vix::ui {

void BitmapView::Create(HWND parent, const Rect& bounds) {
    CreateControl(parent, bounds, L"", 0, 0, true);
    SetBackground(FaceColor());
}

void BitmapView::SizeBitmap(Size size, std::optional<platform::GdiColor> fill) {
    wanted_ = size;
    fill_ = fill;
    // Keep what was drawn, as a resize without clearing does.
    if (canvas_.Resize(size, true) && fill) canvas_.Clear(*fill);
}

bool BitmapView::MakeBitmap() {
    if (canvas_ && canvas_.size() == wanted_) return true;
    if (!canvas_.Resize(wanted_)) return false;
    // Made late: what was drawn meanwhile went nowhere; start from the fill.
    if (fill_) canvas_.Clear(*fill_);
    return true;
}

void BitmapView::Present() {
    if (!hwnd() || wanted_.width <= 0 || wanted_.height <= 0) return;
    if (!canvas_) {
        shown_.clear();
        if (!MakeBitmap()) return;
    }
    ::GdiFlush();
    const DWORD* pixels = canvas_.pixels();
    const std::size_t count = static_cast<std::size_t>(canvas_.width()) * canvas_.height();
    if (shown_.size() == count && std::equal(shown_.begin(), shown_.end(), pixels)) return;
    shown_.assign(pixels, pixels + count);
    if (HDC own = OwnDC()) {
        Paint(own, ClientSize());
        return;
    }
    platform::WindowDC dc(hwnd());
    Paint(dc.get(), ClientSize());
}

LRESULT BitmapView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Hidden, the view shows nothing; whatever it shows next must be drawn.
    if (message == WM_SHOWWINDOW && !wParam) shown_.clear();
    return Control::HandleMessage(message, wParam, lParam);
}

void BitmapView::Paint(HDC dc, Size size) {
    if (!canvas_) {
        platform::FillSolid(dc, {0, 0, size.width, size.height}, Background());
        return;
    }
    canvas_.CopyTo(dc, 0, 0);
}

}  // namespace vix::ui
