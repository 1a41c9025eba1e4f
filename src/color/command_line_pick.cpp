#include "color/command_line_pick.h"

#include <windows.h>

#include <string>

#include "color/color_text.h"
#include "platform/clipboard.h"
#include "platform/desktop.h"
#include "platform/gdi.h"
#include "platform/window.h"

namespace vix {
namespace {

// The clipboard is opened with a window of ours (see ClipboardSession);
// this one is never shown, and the single-instance check does not see it.
class PickClipboardOwner final : public platform::Window {
  public:
    PickClipboardOwner() {
        platform::WindowSpec spec;
        spec.parent = HWND_MESSAGE;
        Create({.name = L"VixPickClipboardOwner"}, spec);
    }
};

bool OnAMonitor(Point at) {
    for (const Rect& monitor : platform::MonitorRects())
        if (monitor.contains(at)) return true;
    return false;
}

std::wstring PointText(Point at) { return std::to_wstring(at.x) + L"," + std::to_wstring(at.y); }

}  // namespace

CommandOutcome RunPickCommand(Point at, int clipboardFormat) {
    platform::RefreshDesktopMetrics();
    if (!OnAMonitor(at))
        return {kExitOffDesktop, L"The point " + PointText(at) + L" is on no monitor."};
    COLORREF pixel = CLR_INVALID;
    {
        platform::WindowDC screen;
        if (screen) pixel = ::GetPixel(screen.get(), at.x, at.y);
    }
    if (pixel == CLR_INVALID) return {kExitNotWritten, L"The screen could not be read."};
    // COLORREF keeps red in its low byte, as a colour word does.
    const std::wstring text = ClipboardText(RgbOf(pixel), clipboardFormat);
    PickClipboardOwner owner;
    platform::ClipboardWriter clipboard([&owner] { return owner.hwnd(); });
    if (text.empty() || !clipboard.SetText(text))
        return {kExitNotWritten, L"The colour could not be put on the clipboard."};
    return {};
}

}  // namespace vix
