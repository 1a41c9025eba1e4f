#pragma once

#include <cstdint>
#include <optional>

#include "common/geometry.h"
#include "hooks/hook_protocol.h"

// What the hook library does with each mouse event: which report it posts to
// the main window, whether the event is kept from the window underneath, and
// when the hook may go. The library's hook callback only feeds events in and
// carries out what comes back, so that all of it is tested here.

namespace vix::hooks {

// The tool the hook is armed for.
enum class HookTool { None, Picker, ScreenCapture, RectangleCapture, ControlCapture };

enum class MouseEvent { Move, LeftDown, LeftUp, RightDown, RightUp, Other };

// A message for the main window.
struct Report {
    unsigned message = 0;
    std::uint32_t wParam = 0;
    std::int32_t lParam = 0;
    friend bool operator==(const Report&, const Report&) = default;
};

struct Decision {
    std::optional<Report> report;
    // The event must not reach the window under the pointer.
    bool swallow = false;
    // The hook has nothing left to do and can be removed.
    bool releaseHook = false;
    // A report to post ahead of `report`.
    std::optional<Report> before = std::nullopt;
    friend bool operator==(const Decision&, const Decision&) = default;
};

class HookDecisions {
  public:
    // Arms the hook for `tool`. `desktop` is the whole virtual desktop: the
    // picker's moves are held one pixel inside its left and top edges.
    void Arm(HookTool tool, const Rect& desktop);
    // Disarms `tool` if it is the armed one. True when the hook can go now;
    // false while a kept right-button press still waits for its release (the
    // release is then kept too, and that event releases the hook).
    bool Disarm(HookTool tool);
    // The capture rectangle's area (right and bottom exclusive).
    void SetArea(const Rect& area) { area_ = area; }

    Decision OnMouse(MouseEvent event, Point p);

    HookTool armed() const { return tool_; }
    // True while a hook is wanted: a tool is armed or a release is awaited.
    bool hooked() const { return tool_ != HookTool::None || draining_; }

  private:
    Decision RightButton(MouseEvent event, Point p);
    Decision Rectangle(MouseEvent event, Point p);

    HookTool tool_ = HookTool::None;
    Rect desktop_;
    Rect area_;
    Zone zone_ = Zone::None;
    bool dragging_ = false;
    // A right-button press was kept from the window underneath: its release
    // is kept too, even when the tool is switched off in between.
    bool rightPressKept_ = false;
    // Disarmed while a kept press waits for its release.
    bool draining_ = false;
};

}  // namespace vix::hooks
