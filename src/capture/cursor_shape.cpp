#include "capture/cursor_shape.h"

#include "platform/gdi.h"

namespace vix {
namespace {

HCURSOR CursorOfThread(DWORD thread) {
    const DWORD own = ::GetCurrentThreadId();
    if (thread == own) return ::GetCursor();
    if (!::AttachThreadInput(own, thread, TRUE)) return nullptr;
    HCURSOR cursor = ::GetCursor();
    ::AttachThreadInput(own, thread, FALSE);
    return cursor;
}

std::optional<Point> HotSpotOf(HCURSOR cursor) {
    ICONINFO info{};
    if (!::GetIconInfo(cursor, &info)) return std::nullopt;
    // GetIconInfo hands us copies of the cursor's bitmaps.
    platform::Bitmap mask(info.hbmMask);
    platform::Bitmap colour(info.hbmColor);
    return Point{static_cast<int>(info.xHotspot), static_cast<int>(info.yHotspot)};
}

}  // namespace

std::optional<CursorShape> CurrentCursorShape(Point pointer) {
    const HWND under = ::WindowFromPoint(platform::ToPOINT(pointer));
    const DWORD thread = under ? ::GetWindowThreadProcessId(under, nullptr) : 0;
    const HCURSOR cursor = thread ? CursorOfThread(thread) : nullptr;
    if (!cursor) return std::nullopt;
    const auto hotSpot = HotSpotOf(cursor);
    if (!hotSpot) return std::nullopt;
    return CursorShape{cursor, *hotSpot};
}

void DrawCursorShape(HDC dc, const CursorShape& shape, Point at) {
    ::DrawIconEx(dc, at.x, at.y, shape.cursor, 0, 0, 0, nullptr, DI_NORMAL);
}

}  // namespace vix
