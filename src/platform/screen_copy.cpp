#include "platform/screen_copy.h"

#include "platform/desktop.h"
#include "platform/gdi.h"

namespace vix::platform {

void CopyScreenSquare(HDC into, const Rect& square) {
    WindowDC screen;
    CopyScreenSquare(into, square, screen.get());
}

void CopyScreenSquare(HDC into, const Rect& square, HDC screen) {
    const Rect part = Intersection(square, VirtualDesktop());
    if (part.width() < square.width() || part.height() < square.height())
        FillSolid(into, {0, 0, square.width(), square.height()}, kBlack);
    if (part.width() <= 0 || part.height() <= 0) return;
    ::BitBlt(into, part.left - square.left, part.top - square.top, part.width(), part.height(),
             screen, part.left, part.top, SRCCOPY);
}

}  // namespace vix::platform
