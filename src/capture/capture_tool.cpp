#include "capture/capture_tool.h"

#include <windows.h>

namespace vix {

namespace {
constexpr int kCapturePageIndex = 2;
}  // namespace

void CaptureServices::ShowCapturePage() { host_.ChangePage(kCapturePageIndex); }

CaptureSettings CaptureServices::Settings() const {
    const vix::Settings& s = host_.CurrentSettings();
    return {s.ImgName, s.ImgNr, s.JPGQuality};
}

void ScreenCaptureTool::OnHookReport(const HookReport& report) {
    if (report.kind == HookReportKind::ScreenCaptureClick) tools_.ScreenCaptureClicked();
}

void RectangleCaptureTool::OnHookReport(const HookReport& report) {
    if (report.kind != HookReportKind::RectangleEvent) return;
    // The library posts the press from inside its hook: the position that
    // comes with the message is where the button went down, even when the
    // pointer has moved on by the time the message is handled.
    const DWORD posted = ::GetMessagePos();
    const Point pressedAt{static_cast<short>(LOWORD(posted)), static_cast<short>(HIWORD(posted))};
    tools_.RectangleEvent(report.rectangleEvent, static_cast<int>(report.zone), pressedAt);
}

void ControlCaptureTool::OnHookReport(const HookReport& report) {
    if (report.kind == HookReportKind::ControlCaptureClick) tools_.ControlCaptureClicked();
}

}  // namespace vix
