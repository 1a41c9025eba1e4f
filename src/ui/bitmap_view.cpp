#include "ui/bitmap_view.h"

#include "ui/skin.h"

#include <algorithm>

namespace vix::ui {

void BitmapView::Create(HWND parent, const Rect& bounds) {
    CreateControl(parent, bounds, L"");
    SetBackground(FaceColor());
    dc_.reset(::CreateCompatibleDC(nullptr));
}

void BitmapView::SizeBitmap(Size size, std::optional<COLORREF> fill) {
    if (dib_.width() != size.width || dib_.height() != size.height) {
        selection_.reset();
        platform::DibSection next(size.width, size.height);
        if (dib_) {
            // Keep what was drawn, as a resize without clearing does.
            platform::MemoryDC source(::CreateCompatibleDC(nullptr));
            platform::Selection keepSource(source.get(), dib_.get());
            platform::Selection keepNext(dc_.get(), next.get());
            ::BitBlt(dc_.get(), 0, 0, size.width, size.height, source.get(), 0, 0, SRCCOPY);
        }
        dib_ = std::move(next);
        selection_.emplace(dc_.get(), dib_.get());
    }
    if (fill) platform::FillSolid(dc_.get(), {0, 0, size.width, size.height}, *fill);
}

void BitmapView::Present() {
    if (!hwnd() || !dib_) return;
    ::GdiFlush();
    const DWORD* pixels = dib_.pixels();
    const std::size_t count = static_cast<std::size_t>(dib_.width()) * dib_.height();
    if (shown_.size() == count && std::equal(shown_.begin(), shown_.end(), pixels)) return;
    shown_.assign(pixels, pixels + count);
    platform::WindowDC dc(hwnd());
    Paint(dc.get(), ClientSize());
}

LRESULT BitmapView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Hidden, the view shows nothing; whatever it shows next must be drawn.
    if (message == WM_SHOWWINDOW && !wParam) shown_.clear();
    return Control::HandleMessage(message, wParam, lParam);
}

void BitmapView::Paint(HDC dc, Size size) {
    if (!dib_) {
        platform::FillSolid(dc, {0, 0, size.width, size.height}, Background());
        return;
    }
    ::GdiFlush();
    ::BitBlt(dc, 0, 0, dib_.width(), dib_.height(), dc_.get(), 0, 0, SRCCOPY);
}

}  // namespace vix::ui
