#include "capture/tracking_window.h"

#include "capture/tracking_frame.h"
#include "platform/gdi.h"

namespace vix {

void THottracker::Create(HWND owner) {
    CreateForm({.className = L"THottracker",
                .caption = L"",
                .style = WS_POPUP,
                .exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
                .client = {1, 1},
                .owner = owner});
    // Nothing shows until the frame is first placed. The window owns the region.
    ::SetWindowRgn(hwnd(), ::CreateRectRgn(0, 0, 0, 0), FALSE);
}

void THottracker::PlaceFrame(int x, int y, int width, int height) {
    ::SetWindowPos(hwnd(), HWND_TOPMOST, x, y, width, height,
                   SWP_NOSENDCHANGING | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    platform::Region region(::CreateRectRgn(0, 0, 0, 0));
    for (const Rect& r : TrackingFrameRegion({width, height})) {
        platform::Region part(::CreateRectRgn(r.left, r.top, r.right, r.bottom));
        ::CombineRgn(region.get(), region.get(), part.get(), RGN_OR);
    }
    // The window owns the region from here on.
    ::SetWindowRgn(hwnd(), region.release(), TRUE);
}

void THottracker::Flash(const Wait& wait) {
    ShowColour(platform::kWhite);
    wait(50);
    ShowColour(kRed);
    wait(50);
    ShowColour(platform::kWhite);
    wait(70);
    ShowColour(kRed);
}

void THottracker::ShowColour(platform::GdiColor colour) {
    colour_ = colour;
    ::RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

LRESULT THottracker::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_WINDOWPOSCHANGING:
            // Only the frame's own placement, which does not send this
            // message, may change its place among the windows.
            reinterpret_cast<WINDOWPOS*>(lParam)->flags |= SWP_NOZORDER;
            break;
        case WM_ERASEBKGND: {
            RECT r{};
            ::GetClientRect(hwnd(), &r);
            platform::FillSolid(reinterpret_cast<HDC>(wParam), r, colour_);
            return 1;
        }
        case WM_PAINT: {
            platform::PaintDC paint(hwnd());
            return 0;
        }
        case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

}  // namespace vix
