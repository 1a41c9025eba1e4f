#include "hooks/hook_decisions.h"

namespace vix::hooks {
namespace {

Report Message(unsigned message, std::uint32_t wParam = 0, std::int32_t lParam = 0) {
    return {message, wParam, lParam};
}

}  // namespace

void HookDecisions::Arm(HookTool tool, const Rect& desktop) {
    tool_ = tool;
    desktop_ = desktop;
    dragging_ = false;
    draining_ = false;
    zone_ = Zone::None;
}

bool HookDecisions::Disarm(HookTool tool) {
    if (tool_ != tool || tool == HookTool::None) return false;
    tool_ = HookTool::None;
    dragging_ = false;
    // Keep listening until the kept press is released, then let go.
    draining_ = rightPressKept_;
    return !draining_;
}

Decision HookDecisions::OnMouse(MouseEvent event, Point p) {
    if (event == MouseEvent::RightDown || event == MouseEvent::RightUp)
        return RightButton(event, p);
    switch (tool_) {
        case HookTool::Picker:
            if (event != MouseEvent::Move) return {};
            // A position below the desktop's first column or row is taken as
            // the one after it.
            p.x = p.x < desktop_.left + 1 ? desktop_.left + 1 : p.x;
            p.y = p.y < desktop_.top + 1 ? desktop_.top + 1 : p.y;
            return {Message(kPickerMoved, PackPoint(p))};
        case HookTool::RectangleCapture: return Rectangle(event, p);
        default: return {};
    }
}

// Right button: every armed tool takes the press as its "do it" click.
Decision HookDecisions::RightButton(MouseEvent event, Point p) {
    if (event == MouseEvent::RightDown) {
        Decision d;
        switch (tool_) {
            case HookTool::Picker: d.report = Message(kPickerSample, PackPoint(p)); break;
            case HookTool::ScreenCapture: d.report = Message(kScreenCaptureClick); break;
            case HookTool::ControlCapture: d.report = Message(kControlCaptureClick); break;
            case HookTool::RectangleCapture:
                d.report = Message(kRectangleEvent, kCaptureClick);
                break;
            case HookTool::None: return {};
        }
        rightPressKept_ = true;
        d.swallow = true;
        return d;
    }
    if (!rightPressKept_) return {};
    rightPressKept_ = false;
    Decision d;
    d.swallow = true;
    if (draining_) {
        draining_ = false;
        d.releaseHook = true;
    }
    return d;
}

Decision HookDecisions::Rectangle(MouseEvent event, Point p) {
    const Zone zone = HitZone(area_, p);
    switch (event) {
        case MouseEvent::Move:
            if (dragging_ || zone == zone_) return {};
            zone_ = zone;
            return {Message(kRectangleEvent, kZoneChanged, static_cast<std::int32_t>(zone))};
        case MouseEvent::LeftDown: {
            if (zone == Zone::None) return {};
            dragging_ = true;
            // The press acts on the part under it. Moves can reach the hook
            // late and out of order (Wine passes on the X server's), so the
            // last zone reported may be another: the press's own comes first.
            std::optional<Report> before;
            if (zone != zone_) {
                zone_ = zone;
                before = Message(kRectangleEvent, kZoneChanged, static_cast<std::int32_t>(zone));
            }
            // The point travels with the report: by the time the program
            // handles it the pointer has moved on, and the position a posted
            // message carries is not reliable everywhere (Wine).
            return {Message(kRectangleEvent, kDragStart, static_cast<std::int32_t>(PackPoint(p))),
                    true, false, before};
        }
        case MouseEvent::LeftUp:
            if (!dragging_) return {};
            dragging_ = false;
            return {Message(kRectangleEvent, kDragEnd, static_cast<std::int32_t>(PackPoint(p))),
                    true};
        default: return {};
    }
}

}  // namespace vix::hooks
