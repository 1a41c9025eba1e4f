// The three capture modes: switching them on and off, the overlays, and the
// hook library's reports that take the snapshot.

#include "capture/capture_tools.h"

#include <utility>

#include "capture/tracking_frame.h"
#include "common/busy_scope.h"
#include "hooks/hook_protocol.h"
#include "hooks/vix32_api.h"
#include "platform/desktop.h"
#include "platform/gdi.h"
#include "ui/message_loop.h"

namespace vix {
namespace {

constexpr UINT kHotTrackingInterval = 50;
constexpr UINT kDragInterval = 20;
constexpr int kSmallestStartSide = 18;

Point PointerNow() {
    POINT p{};
    ::GetCursorPos(&p);
    return platform::FromPOINT(p);
}

void SetHookArea(const Rect& bounds) {
    const Rect a = HookArea(bounds);
    SetCaptureRectangleArea(a.left, a.top, a.right, a.bottom);
}

}  // namespace

CaptureTools::~CaptureTools() {
    hotTrackTimer_.Stop();
    dragTimer_.Stop();
    delayTimer_.Stop();
}

void CaptureTools::Create(HWND owner) {
    rectangle_.Create(owner);
    tracker_.Create(owner);
}

// --- screen capture -----------------------------------------------------------

void CaptureTools::btnScreenCaptureClick() {
    if (delayed_ == DelayedCapture::Screen) {
        CancelDelay();
        return;
    }
    if (host_.CurrentMode() == kScreenCaptureMode) return;
    if (const int delay = DelaySeconds(); delay > 0) {
        // No click to wait for: the box that asks for one is left out.
        host_.ShowTab(kCaptureTab);
        host_.SetCurrentMode(kScreenCaptureMode);
        StartDelay(DelayedCapture::Screen, delay);
        return;
    }
    // The mode runs from before the box: the button and its hot key pressed
    // while the box is open find it running, and open no second box.
    host_.ShowTab(kCaptureTab);
    host_.SetCurrentMode(kScreenCaptureMode);
    host_.RunBehind([this](HWND owner) {
        return dialogs_.Message(owner, kScreenCaptureInfo, MB_OK | MB_ICONINFORMATION);
    });
    // Another tool's hot key may have stopped the capture meanwhile.
    if (host_.CurrentMode() == kScreenCaptureMode) EnableCaptureScreen();
}

void CaptureTools::EnableCaptureScreen() {
    host_.StepAside(true);
    // Without the hook no click would ever come: back at once.
    if (!host_.ArmHook(&SetScreenCaptureHook)) {
        host_.SetCurrentMode(ActiveMode::None);
        host_.StepAside(false);
        return;
    }
    screenLeft_ = true;
    page_.EnableCaptureButtons();
}

void CaptureTools::ScreenCaptureClicked() {
    host_.SetCurrentMode(ActiveMode::None);
    screenLeft_ = false;
    // The whole virtual desktop from its own top-left corner, which lies at
    // negative coordinates when a monitor is left of or above the primary one.
    const Rect desktop = platform::VirtualDesktop();
    bool taken = false;
    {
        platform::WindowDC screen;
        taken = CopyToBuffer(screen.get(), desktop, {desktop.left, desktop.top});
    }
    ui::ProcessPendingMessages();
    UnSetScreenCaptureHook();
    if (taken) SaveToSequence();
    host_.StepAside(false);
}

void CaptureTools::AbandonScreenCapture() {
    if (delayed_ == DelayedCapture::Screen) {
        CancelDelay();
        return;
    }
    // The capture is over: left running, the mode would make the button and
    // its hot key do nothing and bring the main window back at every later
    // change of page.
    host_.SetCurrentMode(ActiveMode::None);
    // Stopped while its box was open, it has not left the screen yet.
    if (!std::exchange(screenLeft_, false)) return;
    UnSetScreenCaptureHook();
    host_.StepAside(false);
}

// --- rectangle capture ----------------------------------------------------------

void CaptureTools::btnRectCaptureClick() {
    timerBusy_ = false;
    if (host_.CurrentMode() == kRectangleCaptureMode) {
        DisableRectangle();
        return;
    }
    if (!EnableRectangle()) return;
    rectangle_.StartAnimation();
    host_.SetModePrompt(kCapturePrompt);
}

bool CaptureTools::EnableRectangle() {
    host_.ShowTab(kCaptureTab);
    host_.SetCurrentMode(kRectangleCaptureMode);
    page_.ShowModeRunning(CaptureButton::kRectangle, true);
    // Without the hook the frame could be neither moved nor taken: stay off.
    if (!host_.ArmHook(&SetRectangleCaptureHook)) {
        DisableRectangle();
        return false;
    }
    const Rect last = rectangle_.WindowBounds();
    const Rect bounds = last.width() < kSmallestStartSide || last.height() < kSmallestStartSide
                            ? StartBounds(last)
                            : last;
    ::ShowWindow(rectangle_.hwnd(), SW_SHOWNOACTIVATE);
    page_.ShowSizeLabels(RectangleLabels(bounds));
    rectangle_.SetRectangleBounds(bounds.left, bounds.top, bounds.width(), bounds.height());
    SetHookArea(bounds);
    return true;
}

void CaptureTools::DisableRectangle() {
    host_.SetModePrompt(L"");
    rectangle_.StopAnimation();
    dragTimer_.Stop();
    host_.SetCurrentMode(ActiveMode::None);
    UnSetRectangleCaptureHook();
    page_.ShowModeRunning(CaptureButton::kRectangle, false);
    rectangle_.Hide();
    page_.ShowSizeLabels(std::nullopt);
    ui::ProcessPendingMessages();
    cursors_.RestoreSystemCursors();
}

void CaptureTools::SetHitArea(hooks::Zone area) {
    rectHitArea_ = area;
    cursors_.RestoreSystemCursors();
    switch (area) {
        case hooks::Zone::Inside: cursors_.ReplaceSystemCursors(L"MOVE"); break;
        case hooks::Zone::Top:
        case hooks::Zone::Bottom: cursors_.ReplaceWithSystemShape(IDC_SIZENS); break;
        case hooks::Zone::Left:
        case hooks::Zone::Right: cursors_.ReplaceWithSystemShape(IDC_SIZEWE); break;
        case hooks::Zone::TopLeft:
        case hooks::Zone::BottomRight: cursors_.ReplaceWithSystemShape(IDC_SIZENWSE); break;
        case hooks::Zone::TopRight:
        case hooks::Zone::BottomLeft: cursors_.ReplaceWithSystemShape(IDC_SIZENESW); break;
        default: break;  // the standard shapes only
    }
}

void CaptureTools::RectangleEvent(hooks::RectangleEvent event, hooks::Zone zone,
                                  std::optional<Point> pressedAt) {
    switch (event) {
        case hooks::kZoneChanged: SetHitArea(zone); break;
        case hooks::kDragStart:
            drag_.Start(rectHitArea_, pressedAt.value_or(PointerNow()), rectangle_.WindowBounds());
            dragTimer_.Start(kDragInterval, [this] { DragTick(); });
            break;
        case hooks::kDragEnd: FinishDrag(pressedAt.value_or(PointerNow())); break;
        case hooks::kCaptureClick: {
            const Rect area = CaptureArea(rectangle_.WindowBounds(), platform::VirtualDesktop());
            page_.EnableCaptureButtons();
            bool taken = false;
            {
                platform::WindowDC screen;
                taken = CopyToBuffer(screen.get(), area, {area.left, area.top});
            }
            if (taken) SaveToSequence();
            btnRectCaptureClick();
            break;
        }
        default: break;
    }
}

void CaptureTools::DragTick() { DragTo(PointerNow()); }

void CaptureTools::DragTo(Point pointer) {
    if (timerBusy_) return;
    {
        BusyScope busy(timerBusy_);
        if (const auto step = drag_.Tick(pointer)) {
            const Rect& b = step->bounds;
            if (step->resized) {
                rectangle_.SetRectangleBounds(b.left, b.top, b.width(), b.height());
                page_.ShowSizeLabels(RectangleLabels(b));
            } else {
                rectangle_.MoveRectangle(b.left, b.top);
            }
        }
    }
    if (const auto end = std::exchange(pendingDragEnd_, std::nullopt)) FinishDrag(*end);
}

void CaptureTools::FinishDrag(Point releasedAt) {
    // Reshaping waits for the animation and lets messages run meanwhile, so
    // the release can arrive inside a step: dropping it there would leave
    // the rectangle where the previous tick put it.
    if (timerBusy_) {
        pendingDragEnd_ = releasedAt;
        return;
    }
    // The last move before the release may not have had its tick yet: the
    // rectangle ends where the button went up.
    if (dragTimer_.Running()) DragTo(releasedAt);
    dragTimer_.Stop();
    SetHookArea(rectangle_.WindowBounds());
}

// --- control capture --------------------------------------------------------------

void CaptureTools::btnControlCaptureClick() {
    if (delayed_ == DelayedCapture::Control) {
        CancelDelay();
        return;
    }
    if (const int delay = DelaySeconds(); delay > 0 && host_.CurrentMode() != kControlCaptureMode) {
        StartDelayedControlCapture(delay);
        return;
    }
    if (host_.CurrentMode() == kControlCaptureMode) {
        DisableControlCapture();
        return;
    }
    if (EnableControlCapture()) host_.SetModePrompt(kCapturePrompt);
}

bool CaptureTools::EnableControlCapture() {
    host_.ShowTab(kCaptureTab);
    host_.SetCurrentMode(kControlCaptureMode);
    page_.ShowModeRunning(CaptureButton::kControl, true);
    ::ShowWindow(tracker_.hwnd(), SW_SHOWNOACTIVATE);
    hotTrackTimer_.Start(kHotTrackingInterval, [this] { HotTrackTick(); });
    if (!host_.ArmHook(&SetControlCaptureHook)) {
        DisableControlCapture();
        return false;
    }
    return true;
}

void CaptureTools::DisableControlCapture() {
    host_.SetModePrompt(L"");
    hotTrackTimer_.Stop();
    host_.SetCurrentMode(ActiveMode::None);
    page_.ShowModeRunning(CaptureButton::kControl, false);
    UnSetControlCaptureHook();
    tracker_.Hide();
    page_.ShowSizeLabels(std::nullopt);
    host_.KeepOnTop();
}

void CaptureTools::HotTrackTick() {
    if (timerBusy_) return;
    BusyScope busy(timerBusy_);
    const HWND under = ::WindowFromPoint(platform::ToPOINT(PointerNow()));
    RECT r{};
    if (!under || under == tracker_.hwnd() || !::GetWindowRect(under, &r)) return;
    const Rect target = platform::FromRECT(r);
    if (target == trackedRect_) return;
    captureTarget_ = under;
    const Rect frame = TrackingFrameBounds(target);
    tracker_.PlaceFrame(frame.left, frame.top, frame.width(), frame.height());
    page_.ShowSizeLabels(Size{target.width(), target.height()});
    trackedRect_ = target;
}

void CaptureTools::ControlCaptureClicked() {
    page_.EnableCaptureButtons();
    RECT r{};
    if (captureTarget_ && ::IsWindow(captureTarget_) && ::GetWindowRect(captureTarget_, &r)) {
        bool taken = false;
        {
            platform::WindowDC dc(captureTarget_, true);
            if (dc) taken = CopyToBuffer(dc.get(), platform::FromRECT(r), {0, 0});
        }
        if (taken) SaveToSequence();
    }
    ui::ProcessPendingMessages();
}

}  // namespace vix
