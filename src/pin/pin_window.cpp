#include "pin/pin_window.h"

#include <windowsx.h>

#include <cstring>

#include "platform/handle.h"

namespace vix {
namespace {

enum PinMenuId : UINT { kPinCopy = 1, kPinSave, kPinPreview, kPinClose, kPinCloseAll };

// Where the message being handled happened, on the screen: the window moves
// under the pointer while it is dragged, so its own coordinates will not do.
Point MessagePoint() {
    const DWORD at = ::GetMessagePos();
    return {GET_X_LPARAM(at), GET_Y_LPARAM(at)};
}

}  // namespace

bool PinWindow::Open(const ScreenPicture& picture) {
    if (picture.empty()) return false;
    copy_ = platform::DibSection(picture.width(), picture.height());
    if (!copy_) return false;
    std::memcpy(copy_.pixels(), picture.pixels,
                static_cast<std::size_t>(picture.width()) * picture.height() * sizeof(DWORD));
    frame_ = platform::Brush(::CreateSolidBrush(platform::AccentColor().Ref()));
    source_ = picture.screen;
    area_ = PictureArea({source_.left, source_.top}, {source_.width(), source_.height()}, zoom_);
    // Not owned by the main window: a pin stays when the window is
    // minimised or steps aside for a capture. No taskbar button either.
    Create({.name = L"TVixPin", .style = CS_DBLCLKS, .cursor = ::LoadCursorW(nullptr, IDC_SIZEALL)},
           {.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
            .style = WS_POPUP,
            .text = L"Pinned snapshot",
            .bounds = PinWindowAround(area_)});
    if (!hwnd()) return false;
    ::ShowWindow(hwnd(), SW_SHOW);
    // Esc and the wheel come to the window with the focus.
    ::SetForegroundWindow(hwnd());
    return true;
}

ScreenPicture PinWindow::Picture() const {
    return {reinterpret_cast<const std::uint32_t*>(copy_.pixels()), source_};
}

LRESULT PinWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            platform::PaintDC dc(hwnd());
            Paint(dc.get());
            return 0;
        }
        case WM_ERASEBKGND: return 1;  // the picture and the frame cover every pixel
        case WM_LBUTTONDOWN: BeginDrag(); return 0;
        case WM_MOUSEMOVE: DragTo(); return 0;
        case WM_LBUTTONUP: ::ReleaseCapture(); return 0;
        case WM_CAPTURECHANGED: dragging_ = false; return 0;
        case WM_MOUSEWHEEL:
            Wheel(GET_WHEEL_DELTA_WPARAM(wParam), (GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) != 0,
                  {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_LBUTTONDBLCLK:
            requests_.close(*this);  // last: this pin is gone
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE) {
                requests_.close(*this);
                return 0;
            }
            break;
        case WM_CONTEXTMENU: ShowMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
        default: break;
    }
    return DefaultHandling(message, wParam, lParam);
}

void PinWindow::Paint(HDC dc) {
    const Size client = ClientSize();
    const int w = area_.width();
    const int h = area_.height();
    // The frame's four bands round the picture, which is drawn over once.
    const RECT bands[] = {
        {0, 0, client.width, kPinFrame},
        {0, client.height - kPinFrame, client.width, client.height},
        {0, kPinFrame, kPinFrame, client.height - kPinFrame},
        {client.width - kPinFrame, kPinFrame, client.width, client.height - kPinFrame}};
    for (const RECT& band : bands)
        ::FillRect(dc, &band, frame_.get());
    platform::MemoryDC source(::CreateCompatibleDC(dc));
    if (!source) return;
    platform::Selection picture(source.get(), copy_.get());
    if (zoom_ == 100) {
        ::BitBlt(dc, kPinFrame, kPinFrame, w, h, source.get(), 0, 0, SRCCOPY);
        return;
    }
    // Enlarged, each pixel a square of its own colour, as a designer checks
    // pixels; reduced, averaged, so that fine lines do not vanish.
    if (zoom_ > 100) {
        ::SetStretchBltMode(dc, COLORONCOLOR);
    } else {
        ::SetStretchBltMode(dc, HALFTONE);
        ::SetBrushOrgEx(dc, 0, 0, nullptr);
    }
    ::StretchBlt(dc, kPinFrame, kPinFrame, w, h, source.get(), 0, 0, copy_.width(), copy_.height(),
                 SRCCOPY);
}

void PinWindow::Place(const Rect& area) {
    const bool resized = area.width() != area_.width() || area.height() != area_.height();
    area_ = area;
    const Rect window = PinWindowAround(area_);
    ::SetWindowPos(hwnd(), nullptr, window.left, window.top, window.width(), window.height(),
                   SWP_NOZORDER | SWP_NOACTIVATE | (resized ? 0 : SWP_NOSIZE));
    if (resized) Invalidate();
}

void PinWindow::BeginDrag() {
    ::SetCapture(hwnd());
    dragging_ = true;
    dragFrom_ = MessagePoint();
    dragStart_ = area_;
}

void PinWindow::DragTo() {
    if (!dragging_) return;
    const Point at = MessagePoint();
    Place(Moved(dragStart_, at.x - dragFrom_.x, at.y - dragFrom_.y));
}

void PinWindow::Wheel(int delta, bool opacity, Point pointer) {
    if (opacity) {
        if (const int notches = opacityWheel_.Add(delta)) {
            opacity_ = OpacityAfterWheel(opacity_, notches);
            ApplyOpacity();
        }
        return;
    }
    const int notches = zoomWheel_.Add(delta);
    const int to = ZoomAfterWheel(zoom_, notches);
    if (to == zoom_) return;
    const Rect area = ZoomAbout(area_, {copy_.width(), copy_.height()}, zoom_, to, pointer);
    zoom_ = to;
    Place(area);
}

void PinWindow::ApplyOpacity() {
    const LONG_PTR ex = ::GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
    if (opacity_ >= 100) {
        // Opaque again, an ordinary window: its pixels are the picture's
        // exactly, with nothing of a layered window's composition.
        ::SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, ex & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
        ::RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
        return;
    }
    if (!(ex & WS_EX_LAYERED)) ::SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, ex | WS_EX_LAYERED);
    ::SetLayeredWindowAttributes(hwnd(), 0, AlphaOf(opacity_), LWA_ALPHA);
}

void PinWindow::ShowMenu(Point at) {
    platform::Menu menu(::CreatePopupMenu());
    if (!menu) return;
    ::AppendMenuW(menu.get(), MF_STRING, kPinCopy, L"&Copy to clipboard");
    ::AppendMenuW(menu.get(), MF_STRING, kPinSave, L"&Save...");
    ::AppendMenuW(menu.get(), MF_STRING, kPinPreview, L"Open in the &preview");
    ::AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu.get(), MF_STRING, kPinClose, L"C&lose");
    ::AppendMenuW(menu.get(), MF_STRING, kPinCloseAll, L"Close &all pins");
    // From the keyboard (Shift+F10) the menu comes at the pin's corner.
    if (at.x == -1 && at.y == -1) at = {area_.left, area_.top};
    ::SetForegroundWindow(hwnd());
    const UINT id = static_cast<UINT>(
        ::TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0,
                         hwnd(), nullptr));
    ::PostMessageW(hwnd(), WM_NULL, 0, 0);
    switch (id) {
        case kPinCopy: requests_.copy(Picture()); break;
        case kPinSave: requests_.save(Picture()); break;
        case kPinPreview: requests_.preview(Picture()); break;
        case kPinClose:
            requests_.close(*this);  // last: this pin is gone
            break;
        case kPinCloseAll: requests_.closeAll(); break;
        default: break;
    }
}

}  // namespace vix
