#include "platform/gdi.h"

#include <algorithm>
#include <vector>

#include "platform/system_libraries.h"

namespace vix::platform {

DibSection::DibSection(int width, int height) {
    if (width <= 0 || height <= 0) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || !bits) {
        bitmap_.reset();
        return;
    }
    bits_ = static_cast<DWORD*>(bits);
    width_ = width;
    height_ = height;
}

void DibSection::Fill(const Rect& area, DWORD pixel) {
    if (!bits_) return;
    const Rect r = Intersection(area, {0, 0, width_, height_});
    for (int y = r.top; y < r.bottom; ++y)
        std::fill(bits_ + y * width_ + r.left, bits_ + y * width_ + r.right, pixel);
}

void FillSolid(HDC dc, const RECT& rect, GdiColor color) {
    // ExtTextOut with ETO_OPAQUE fills with the background colour without
    // creating a brush.
    const COLORREF old = ::SetBkColor(dc, color.Ref());
    ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(dc, old);
}

Region PolygonRegion(const Point* points, int count) {
    std::vector<POINT> pts(count);
    for (int i = 0; i < count; ++i)
        pts[i] = ToPOINT(points[i]);
    return Region(::CreatePolygonRgn(pts.data(), count, ALTERNATE));
}

GdiColor AccentColor() {
    // Declared here: the dwmapi header would have the program import the
    // library, which most runs never need.
    using GetColorization = HRESULT(WINAPI*)(DWORD * colorization, BOOL * opaqueBlend);
    const auto get = BoundFunction<GetColorization>(SystemLibrary::Dwm, "DwmGetColorizationColor");
    DWORD argb = 0;
    BOOL opaque = FALSE;
    if (get && SUCCEEDED(get(&argb, &opaque)))
        return GdiColor::Rgb(static_cast<BYTE>(argb >> 16), static_cast<BYTE>(argb >> 8),
                             static_cast<BYTE>(argb));
    return GdiColor::System(COLOR_HIGHLIGHT);
}

}  // namespace vix::platform
