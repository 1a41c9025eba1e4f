#include "platform/canvas.h"

#include <utility>

namespace vix::platform {

Canvas::Canvas(Canvas&& other) noexcept
    : dib_(std::move(other.dib_)),
      dc_(std::move(other.dc_)),
      previous_(std::exchange(other.previous_, nullptr)) {}

Canvas& Canvas::operator=(Canvas&& other) noexcept {
    if (this != &other) {
        Release();
        dib_ = std::move(other.dib_);
        dc_ = std::move(other.dc_);
        previous_ = std::exchange(other.previous_, nullptr);
    }
    return *this;
}

bool Canvas::Resize(Size size, bool keep) {
    if (*this && this->size() == size) return true;
    Canvas next;
    next.dib_ = DibSection(size.width, size.height);
    next.dc_.reset(::CreateCompatibleDC(nullptr));
    if (!next.dib_ || !next.dc_) {
        Release();
        return false;
    }
    const HGDIOBJ previous = ::SelectObject(next.dc_.get(), next.dib_.get());
    if (!previous || previous == HGDI_ERROR) {
        Release();
        return false;
    }
    next.previous_ = previous;
    if (keep && *this) ::BitBlt(next.dc(), 0, 0, width(), height(), dc(), 0, 0, SRCCOPY);
    *this = std::move(next);
    return true;
}

DWORD Canvas::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width() || y >= height()) return 0;
    return dib_.pixel(x, y);
}

void Canvas::Clear(GdiColor colour) {
    if (*this) FillSolid(dc(), {0, 0, width(), height()}, colour);
}

void Canvas::CopyTo(HDC target, int x, int y) const {
    if (!*this) return;
    ::GdiFlush();
    ::BitBlt(target, x, y, width(), height(), dc(), 0, 0, SRCCOPY);
}

Bitmap Canvas::TakeBitmap() {
    if (dc_ && previous_) ::SelectObject(dc_.get(), previous_);
    previous_ = nullptr;
    dc_.reset();
    return dib_.TakeBitmap();
}

void Canvas::Release() {
    // Out of the DC first: a bitmap still selected is not deleted.
    if (dc_ && previous_) ::SelectObject(dc_.get(), previous_);
    previous_ = nullptr;
    dc_.reset();
    dib_ = DibSection();
}

}  // namespace vix::platform
