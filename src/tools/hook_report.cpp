#include "tools/hook_report.h"

namespace vix {

std::optional<HookReport> ReadHookMessage(unsigned message, std::uintptr_t wParam,
                                          std::intptr_t lParam) {
    HookReport report;
    switch (message) {
        case hooks::kPickerMoved:
            report.kind = HookReportKind::PickerMoved;
            report.point = hooks::UnpackPoint(wParam);
            return report;
        case hooks::kPickerSample:
            report.kind = HookReportKind::PickerSample;
            report.point = hooks::UnpackPoint(wParam);
            return report;
        case hooks::kControlCaptureClick:
            report.kind = HookReportKind::ControlCaptureClick;
            return report;
        case hooks::kScreenCaptureClick:
            report.kind = HookReportKind::ScreenCaptureClick;
            return report;
        case hooks::kRectangleEvent:
            report.kind = HookReportKind::RectangleEvent;
            switch (wParam) {
                case hooks::kDragStart:
                case hooks::kDragEnd:
                    report.point = hooks::UnpackPoint(static_cast<std::uintptr_t>(lParam));
                    break;
                case hooks::kCaptureClick: break;
                case hooks::kZoneChanged:
                    // A zone the library does not use counts as none.
                    if (lParam >= 0 && lParam <= static_cast<int>(hooks::Zone::BottomRight))
                        report.zone = static_cast<hooks::Zone>(lParam);
                    break;
                default: return std::nullopt;
            }
            report.rectangleEvent = static_cast<hooks::RectangleEvent>(wParam);
            return report;
        default: return std::nullopt;
    }
}

}  // namespace vix
