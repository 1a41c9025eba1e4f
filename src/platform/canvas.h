#pragma once

#include <windows.h>

#include "common/geometry.h"
#include "platform/gdi.h"
#include "platform/handle.h"

// A drawing surface: a 32-bit top-down DIB section selected into a memory DC
// of its own, drawn on with GDI and read or written pixel by pixel.
//
// Making one can fail: the GDI handle table is shared by the whole session
// on Windows, so another program can fill it. A canvas that could not be
// made is empty (size 0, no DC, no pixels); writing to it does nothing and
// reading it gives black, so its owner goes on and tries again later.

namespace vix::platform {

class Canvas {
  public:
    Canvas() = default;
    explicit Canvas(Size size) { Resize(size); }
    Canvas(Canvas&& other) noexcept;
    Canvas& operator=(Canvas&& other) noexcept;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas() { Release(); }

    // Makes the canvas `size`, unless it already is. With `keep`, what was
    // drawn stays in the part both sizes share. False, and the canvas is
    // empty, when the surface cannot be made.
    bool Resize(Size size, bool keep = false);

    explicit operator bool() const { return static_cast<bool>(dib_); }
    HDC dc() const { return dc_.get(); }
    HBITMAP bitmap() const { return dib_.get(); }
    Size size() const { return {dib_.width(), dib_.height()}; }
    int width() const { return dib_.width(); }
    int height() const { return dib_.height(); }
    // Null when empty. Call GdiFlush first when GDI drew into it.
    DWORD* pixels() const { return dib_.pixels(); }
    // BGRA; 0 outside the canvas.
    DWORD pixel(int x, int y) const;
    // Writes `pixel` (0x00RRGGBB) into the part of `area` on the canvas.
    void Fill(const Rect& area, DWORD pixel) { dib_.Fill(area, pixel); }
    // Fills the whole canvas through GDI.
    void Clear(GdiColor colour);
    // Copies the canvas to `target` at (x, y); nothing when empty.
    void CopyTo(HDC target, int x, int y) const;
    // Hands the bitmap over, out of the DC; the canvas is empty afterwards.
    Bitmap TakeBitmap();

  private:
    void Release();

    // Declared so that the DC goes before the bitmap it holds.
    DibSection dib_;
    MemoryDC dc_;
    HGDIOBJ previous_ = nullptr;  // the DC's own bitmap, put back on release
};

}  // namespace vix::platform
