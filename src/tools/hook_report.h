#pragma once

#include <cstdint>
#include <optional>

#include "common/geometry.h"
#include "hooks/hook_protocol.h"

// The hook library's messages as values: read once, where the message
// arrives, and handed to the tool that armed the hook (ToolTable::Route).

namespace vix {

// By the message that carries it (hook_protocol.h).
enum class HookReportKind : std::uint8_t {
    PickerMoved,          // hooks::kPickerMoved
    PickerSample,         // hooks::kPickerSample
    ControlCaptureClick,  // hooks::kControlCaptureClick
    ScreenCaptureClick,   // hooks::kScreenCaptureClick
    RectangleEvent,       // hooks::kRectangleEvent
};

struct HookReport {
    HookReportKind kind = HookReportKind::PickerMoved;
    // The picker's reports, and the press and release of a rectangle drag:
    // the pointer, in signed screen pixels (monitors left of or above the
    // primary one have negative coordinates).
    Point point;
    // The rectangle's reports: what happened, and with kZoneChanged the
    // part of the frame now under the pointer.
    hooks::RectangleEvent rectangleEvent = hooks::kDragStart;
    hooks::Zone zone = hooks::Zone::None;

    friend bool operator==(const HookReport&, const HookReport&) = default;
};

// The report a message of the hook library carries; nothing for any other
// message (also not for those the main window accepts without acting on
// them) and for a rectangle event the library does not send.
std::optional<HookReport> ReadHookMessage(unsigned message, std::uintptr_t wParam,
                                          std::intptr_t lParam);

}  // namespace vix
