#include "capture/capture_tool.h"

#include <windows.h>

namespace vix {

void ScreenCaptureTool::OnHookReport(const HookReport& report) {
    if (report.kind == HookReportKind::ScreenCaptureClick) tools_.ScreenCaptureClicked();
}

void RectangleCaptureTool::OnHookReport(const HookReport& report) {
    if (report.kind != HookReportKind::RectangleEvent) return;
    // The library reports where the button went down or up, even when the
    // pointer has moved on by the time the report is handled.
    const bool drag =
        report.rectangleEvent == hooks::kDragStart || report.rectangleEvent == hooks::kDragEnd;
    tools_.RectangleEvent(report.rectangleEvent, static_cast<int>(report.zone),
                          drag ? std::optional<Point>(report.point) : std::nullopt);
}

void ControlCaptureTool::OnHookReport(const HookReport& report) {
    if (report.kind == HookReportKind::ControlCaptureClick) tools_.ControlCaptureClicked();
}

}  // namespace vix
