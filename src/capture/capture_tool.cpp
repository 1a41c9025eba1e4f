#include "capture/capture_tool.h"

#include <windows.h>

namespace vix {
namespace {

// Ctrl+Alt and the mode's letter open the Capture tab, then press the
// mode's button.
std::vector<HotKeyBinding> ToggleKey(HotKeyId key, Tool& tool) {
    return {
        {.key = key, .reach = HotKeyBinding::Reach::OpenTab, .tab = kCaptureTab, .action = [&tool] {
             tool.Toggle();
         }}};
}

}  // namespace

void ScreenCaptureTool::OnHookReport(const HookReport& report) {
    if (report.kind == HookReportKind::ScreenCaptureClick) tools_.ScreenCaptureClicked();
}

std::vector<HotKeyBinding> ScreenCaptureTool::HotKeys() {
    return ToggleKey(HotKeyId::EntireScreenCapture, *this);
}

void RectangleCaptureTool::OnHookReport(const HookReport& report) {
    if (report.kind != HookReportKind::RectangleEvent) return;
    // The library reports where the button went down or up, even when the
    // pointer has moved on by the time the report is handled.
    const bool drag =
        report.rectangleEvent == hooks::kDragStart || report.rectangleEvent == hooks::kDragEnd;
    tools_.RectangleEvent(report.rectangleEvent, report.zone,
                          drag ? std::optional<Point>(report.point) : std::nullopt);
}

std::vector<HotKeyBinding> RectangleCaptureTool::HotKeys() {
    return ToggleKey(HotKeyId::RectangleCapture, *this);
}

void ControlCaptureTool::OnHookReport(const HookReport& report) {
    if (report.kind == HookReportKind::ControlCaptureClick) tools_.ControlCaptureClicked();
}

std::vector<HotKeyBinding> ControlCaptureTool::HotKeys() {
    return ToggleKey(HotKeyId::ControlCapture, *this);
}

}  // namespace vix
