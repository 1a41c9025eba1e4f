#pragma once

#include <windows.h>

#include <utility>

#include "common/geometry.h"
#include "platform/gdi_color.h"
#include "platform/handle.h"

// Device contexts and the scoped selection of GDI objects.

namespace vix::platform {

// A DC from GetDC/GetWindowDC: remembers its window for ReleaseDC.
class WindowDC {
  public:
    // The whole screen when `window` is null.
    explicit WindowDC(HWND window = nullptr, bool wholeWindow = false)
        : window_(window), dc_(wholeWindow ? ::GetWindowDC(window) : ::GetDC(window)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (dc_) ::ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HWND window_;
    HDC dc_;
};

class PaintDC {
  public:
    explicit PaintDC(HWND window) : window_(window) { dc_ = ::BeginPaint(window, &ps_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    ~PaintDC() { ::EndPaint(window_, &ps_); }
    HDC get() const { return dc_; }
    const RECT& dirty() const { return ps_.rcPaint; }

  private:
    HWND window_;
    HDC dc_;
    PAINTSTRUCT ps_{};
};

// Selects an object into a DC and puts the previous one back on scope exit,
// so that the object can be deleted afterwards.
class Selection {
  public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() {
        if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
    }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A 32-bit top-down DIB section with direct access to its pixels (BGRA).
// One that could not be made (the GDI handle table is full) has size 0 and
// no pixels. Drawn on with GDI through a Canvas, which owns the DC as well.
class DibSection {
  public:
    DibSection() = default;
    DibSection(int width, int height);
    DibSection(DibSection&& other) noexcept { *this = std::move(other); }
    DibSection& operator=(DibSection&& other) noexcept {
        bitmap_ = std::move(other.bitmap_);
        bits_ = std::exchange(other.bits_, nullptr);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
        return *this;
    }

    HBITMAP get() const { return bitmap_.get(); }
    explicit operator bool() const { return static_cast<bool>(bitmap_); }
    int width() const { return width_; }
    int height() const { return height_; }
    DWORD* pixels() const { return bits_; }
    DWORD pixel(int x, int y) const { return bits_[y * width_ + x]; }
    // Writes `pixel` (0x00RRGGBB) into the part of `area` inside the bitmap,
    // straight into its memory. Call GdiFlush first when GDI drew into it.
    void Fill(const Rect& area, DWORD pixel);
    // Hands the bitmap over; the pixels are no longer reachable through this.
    Bitmap TakeBitmap() {
        bits_ = nullptr;
        width_ = height_ = 0;
        return std::move(bitmap_);
    }

  private:
    Bitmap bitmap_;
    DWORD* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

inline RECT ToRECT(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }
inline Rect FromRECT(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
inline POINT ToPOINT(Point p) { return {p.x, p.y}; }
inline Point FromPOINT(POINT p) { return {p.x, p.y}; }

void FillSolid(HDC dc, const RECT& rect, GdiColor color);
// The colour the user chose for window frames: the desktop window manager's
// colorization colour, or the selection colour where there is none (no
// composition, or a system without it, as Wine is).
GdiColor AccentColor();
// A polygon region with alternate filling, in the window's coordinates.
Region PolygonRegion(const Point* points, int count);

}  // namespace vix::platform
