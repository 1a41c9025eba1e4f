// The delayed captures: a countdown in the information bar, then the whole
// screen or the window under the pointer taken without a click, so that a
// menu or a tool tip the user opened meanwhile is in the picture.

#include <windows.h>

#include <utility>

#include "capture/capture_delay.h"
#include "capture/capture_tools.h"
#include "platform/desktop.h"
#include "platform/gdi.h"

namespace vix {
namespace {

constexpr UINT kCountdownStep = 100;
// Long enough for the windows the hidden main window uncovers to repaint
// themselves, where no compositor keeps their pictures.
constexpr UINT kScreenSettleTime = 200;
constexpr UINT kDelayHotTracking = 50;

// Esc anywhere: the user may be in a menu of another program meanwhile.
// The low bit catches a press shorter than a step.
bool EscapePressed() { return (::GetAsyncKeyState(VK_ESCAPE) & 0x8001) != 0; }

}  // namespace

int CaptureTools::DelaySeconds() const {
    return kDelayChoices[DelayChoiceIndex(NumberSetting(host_.CurrentSettings(), kCaptureDelay))];
}

void CaptureTools::ChooseDelay(int seconds) {
    host_.ChangeSettings([seconds](Settings& settings) {
        SetField(settings, kCaptureDelay,
                 RegistryValue::Dword(static_cast<std::uint32_t>(seconds)));
    });
}

void CaptureTools::StartDelay(DelayedCapture capture, int seconds) {
    delayed_ = capture;
    delayEnd_ = ::GetTickCount64() + static_cast<unsigned long long>(seconds) * 1000;
    EscapePressed();  // forgets a press from before
    host_.SetModePrompt(CountdownText(static_cast<long long>(seconds) * 1000));
    delayTimer_.Start(kCountdownStep, [this] { DelayTick(); });
}

void CaptureTools::DelayTick() {
    if (EscapePressed()) {
        CancelDelay();
        return;
    }
    const unsigned long long now = ::GetTickCount64();
    if (now < delayEnd_) {
        host_.SetModePrompt(CountdownText(static_cast<long long>(delayEnd_ - now)));
        return;
    }
    delayTimer_.Stop();
    const DelayedCapture capture = std::exchange(delayed_, DelayedCapture::None);
    host_.SetModePrompt(L"");
    if (capture == DelayedCapture::Screen) {
        host_.HideForCapture(true);
        delayTimer_.Start(kScreenSettleTime, [this] {
            delayTimer_.Stop();
            TakeDelayedScreen();
        });
    } else if (capture == DelayedCapture::Control) {
        TakeDelayedControl();
    }
}

void CaptureTools::CancelDelay() {
    const DelayedCapture capture = std::exchange(delayed_, DelayedCapture::None);
    if (capture == DelayedCapture::None) return;
    delayTimer_.Stop();
    host_.SetModePrompt(L"");
    host_.SetCurrentMode(ActiveMode::None);
    if (capture == DelayedCapture::Control) {
        hotTrackTimer_.Stop();
        page_.ShowModeRunning(CaptureButton::kControl, false);
        tracker_.Hide();
        page_.ShowSizeLabels(std::nullopt);
    }
}

void CaptureTools::TakeDelayedScreen() {
    host_.SetCurrentMode(ActiveMode::None);
    const Rect desktop = platform::VirtualDesktop();
    bool taken = false;
    {
        platform::WindowDC screen;
        taken = CopyToBuffer(screen.get(), desktop, {desktop.left, desktop.top});
    }
    if (taken) {
        page_.EnableCaptureButtons();
        SaveToSequence();
    }
    host_.HideForCapture(false);
}

// The frame follows the pointer meanwhile, showing what will be taken; no
// hook is armed, as no click is waited for.
void CaptureTools::StartDelayedControlCapture(int seconds) {
    host_.ShowTab(kCaptureTab);
    host_.SetCurrentMode(kControlCaptureMode);
    page_.ShowModeRunning(CaptureButton::kControl, true);
    ::ShowWindow(tracker_.hwnd(), SW_SHOWNOACTIVATE);
    hotTrackTimer_.Start(kDelayHotTracking, [this] { HotTrackTick(); });
    StartDelay(DelayedCapture::Control, seconds);
}

// The window under the pointer when the time is up, wherever the frame was
// last drawn.
void CaptureTools::TakeDelayedControl() {
    hotTrackTimer_.Stop();
    POINT p{};
    ::GetCursorPos(&p);
    const HWND under = ::WindowFromPoint(p);
    if (under && under != tracker_.hwnd()) captureTarget_ = under;
    ControlCaptureClicked();
    DisableControlCapture();
}

}  // namespace vix
