#include "pattern_screen.h"

#include <algorithm>

#include "driver.h"
#include "pattern.h"
#include "pictures.h"

namespace vix::e2e {

namespace pt = test::pattern;

namespace {

struct PatternWindow {
    RECT bounds;
    DWORD (*pixel)(int x, int y, const RECT& bounds);
};

DWORD MainAt(int x, int y, const RECT&) { return pt::MainPixel(x, y); }
DWORD CornerAt(int x, int y, const RECT& bounds) {
    return pt::CornerPixel(x - bounds.left, y - bounds.top);
}

RECT Overlap(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (r.right < r.left) r.right = r.left;
    if (r.bottom < r.top) r.bottom = r.top;
    return r;
}

bool Shows(const PatternWindow& window, const RECT& area) {
    const RECT part = Overlap(window.bounds, area);
    if (part.right == part.left || part.bottom == part.top) return true;
    const Picture screen = ScreenPicture(part);
    for (int y = part.top; y < part.bottom; ++y)
        for (int x = part.left; x < part.right; ++x)
            if (screen.At(x - part.left, y - part.top) != window.pixel(x, y, window.bounds))
                return false;
    return true;
}

// The pattern's window paints without erasing first, so asking it again
// never shows anything but the pattern.
void RepaintPatternAt(const RECT& bounds) {
    for (HWND w = nullptr; (w = ::FindWindowExW(nullptr, w, L"VixTestPattern", nullptr));) {
        RECT r{};
        if (::GetWindowRect(w, &r) && ::EqualRect(&r, &bounds))
            ::RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE);
    }
}

}  // namespace

bool WaitPatternShown(const RECT& area) {
    const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    const PatternWindow windows[] = {
        {{pt::kLeft, pt::kTop, pt::kLeft + pt::kWidth, pt::kTop + pt::kHeight}, MainAt},
        {{left, top, left + pt::kCornerSize, top + pt::kCornerSize}, CornerAt},
    };
    return WaitUntil([&] {
        bool whole = true;
        for (const PatternWindow& window : windows) {
            if (Shows(window, area)) continue;
            whole = false;
            RepaintPatternAt(window.bounds);
        }
        return whole;
    });
}

Picture PatternPicture(const RECT& area) {
    Picture picture{area.right - area.left, area.bottom - area.top, {}};
    picture.pixels.reserve(static_cast<std::size_t>(picture.width) * picture.height);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            picture.pixels.push_back(pt::MainPixel(x, y));
    return picture;
}

}  // namespace vix::e2e
