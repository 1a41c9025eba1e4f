#include "capture/image_view.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "ui/message_loop.h"

namespace vix {

void ImageView::Create(HWND parent, const Rect& bounds) {
    // Clipped by its siblings: the preview's size grip lies over the corner
    // between the scroll bars.
    CreateControl(parent, bounds, L"Snapshot", WS_HSCROLL | WS_VSCROLL | WS_CLIPSIBLINGS);
    onMouseDown = [this](POINT p) { BeginDrag(p); };
    onMouseMove = [this](POINT p) { DragTo(p); };
    onMouseUp = [this](POINT) { EndDrag(); };
    onOtherButtonDown = [this](POINT p) {
        ::SetCapture(hwnd());
        BeginDrag(p);
    };
    UpdateScrollBars();
}

void ImageView::SetPicture(const PixelView& picture) {
    platform::DibSection copy(picture.width, picture.height);
    if (!picture.empty() && copy) {
        const std::size_t rowBytes = static_cast<std::size_t>(picture.width) * kBytesPerPixel;
        for (int y = 0; y < picture.height; ++y)
            std::memcpy(copy.pixels() + static_cast<std::ptrdiff_t>(y) * picture.width,
                        picture.Row(y), rowBytes);
    }
    picture_ = std::move(copy);
    ScrollBy({0, 0});
    Invalidate();
}

Size ImageView::ScaledSize() const {
    return {static_cast<int>(std::lround(picture_.width() * scale_)),
            static_cast<int>(std::lround(picture_.height() * scale_))};
}

void ImageView::SetScale(double scale) {
    scale_ = scale;
    ScrollBy({0, 0});
    Invalidate();
}

void ImageView::ScrollBy(Point by) {
    const Size content = ScaledSize();
    const Size client = ClientSize();
    scroll_.x = std::clamp(scroll_.x + by.x, 0, std::max(0, content.width - client.width));
    scroll_.y = std::clamp(scroll_.y + by.y, 0, std::max(0, content.height - client.height));
    UpdateScrollBars();
    Invalidate();
}

void ImageView::UpdateScrollBars() {
    const Size content = ScaledSize();
    const Size client = ClientSize();
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMax = std::max(0, content.width - 1);
    info.nPage = static_cast<UINT>(std::max(0, client.width));
    info.nPos = scroll_.x;
    ::SetScrollInfo(hwnd(), SB_HORZ, &info, TRUE);
    info.nMax = std::max(0, content.height - 1);
    info.nPage = static_cast<UINT>(std::max(0, client.height));
    info.nPos = scroll_.y;
    ::SetScrollInfo(hwnd(), SB_VERT, &info, TRUE);
}

void ImageView::OnScroll(int bar, WORD request) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    ::GetScrollInfo(hwnd(), bar, &info);
    int pos = info.nPos;
    switch (request) {
        case SB_LINELEFT: pos -= 16; break;
        case SB_LINERIGHT: pos += 16; break;
        case SB_PAGELEFT: pos -= static_cast<int>(info.nPage); break;
        case SB_PAGERIGHT: pos += static_cast<int>(info.nPage); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: pos = info.nTrackPos; break;
        default: return;
    }
    const Point now = scroll_;
    ScrollBy(bar == SB_HORZ ? Point{pos - now.x, 0} : Point{0, pos - now.y});
}

void ImageView::BeginDrag(POINT p) {
    last_ = p;
    dragging_ = true;
}

// The picture follows the pointer: moving right by 30 scrolls back by 30.
void ImageView::DragTo(POINT p) {
    if (!dragging_) return;
    ScrollBy({last_.x - p.x, last_.y - p.y});
    last_ = p;
    ::UpdateWindow(hwnd());
    ui::ProcessPendingMessages();
}

void ImageView::EndDrag() { dragging_ = false; }

void ImageView::Paint(HDC dc, Size size) {
    platform::FillSolid(dc, {0, 0, size.width, size.height}, platform::kBlack);
    if (!picture_) return;
    const Size shown = ScaledSize();
    platform::MemoryDC source(::CreateCompatibleDC(dc));
    platform::Selection selected(source.get(), picture_.get());
    ::SetStretchBltMode(dc, scale_ < 1.0 ? HALFTONE : COLORONCOLOR);
    ::SetBrushOrgEx(dc, 0, 0, nullptr);
    ::StretchBlt(dc, -scroll_.x, -scroll_.y, shown.width, shown.height, source.get(), 0, 0,
                 picture_.width(), picture_.height(), SRCCOPY);
}

LRESULT ImageView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_HSCROLL: OnScroll(SB_HORZ, LOWORD(wParam)); return 0;
        case WM_VSCROLL: OnScroll(SB_VERT, LOWORD(wParam)); return 0;
        case WM_SIZE: ScrollBy({0, 0}); break;
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            if (::GetCapture() == hwnd()) ::ReleaseCapture();
            EndDrag();
            return 0;
    }
    return Control::HandleMessage(message, wParam, lParam);
}

}  // namespace vix
