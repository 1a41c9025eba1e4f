#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "common/geometry.h"

// What the screen capture needs of the main window, which owns the shared
// state, and of the capture page's controls. The capture asks for services;
// it never reaches into the window itself.

namespace vix {

// One of the hook library's Set...Hook exports.
using CaptureHookArm = int(WINAPI*)();

struct CaptureSettings {
    std::wstring imgName = L"Img_Sequence";  // base name of sequence files
    int imgNr = 3;                           // digits of the sequence number
    int jpgQuality = 10;                     // in tenths
    int imgFormat = 0;                       // the sequence's format ("ImgFormat")
};

// The capture page's three check boxes.
struct CaptureChoices {
    bool multiCapture = false;
    bool sequence = false;
    bool withCursor = false;
};

enum class CaptureButton { kScreen, kRectangle, kControl };

// What the capture needs of the main window itself.
class CaptureWindowServices {
  public:
    virtual ~CaptureWindowServices() = default;

    // The running tool (ActiveMode): 3 control, 4 screen, 5 rectangle capture,
    // 6 preview open, 0 none.
    virtual int CurrentMode() const = 0;
    virtual void SetCurrentMode(int mode) = 0;
    virtual void SetModePrompt(std::wstring prompt) = 0;
    // Opens the capture page; whatever other tool runs is stopped first.
    virtual void ShowCapturePage() = 0;
    // SetMainHandle with the main window, then `arm`. False, once the user
    // has been told why, when the system refused the hook.
    virtual bool ArmHook(CaptureHookArm arm) = 0;
    // Puts the main window back into the topmost layer without moving,
    // sizing or activating it.
    virtual void KeepOnTop() = 0;
    // Runs a dialog with the main window at the bottom of the window order,
    // and puts it back on top on every way out. Returns what `dialog` returns.
    virtual int RunBehind(const std::function<int(HWND owner)>& dialog) = 0;
    virtual CaptureSettings Settings() const = 0;

    // The whole-screen capture takes the main window, its taskbar button and
    // its notification-area icon out of the way and brings them back.
    virtual void LeaveForScreenCapture() = 0;
    virtual void ComeBackFromScreenCapture() = 0;
};

// What the capture needs of the capture page's controls.
class CapturePageControls {
  public:
    virtual ~CapturePageControls() = default;

    virtual CaptureChoices Choices() const = 0;
    // Unticks the sequence box (no folder was chosen).
    virtual void UntickSequence() = 0;
    // The size labels; nothing empties them.
    virtual void ShowSizeLabels(std::optional<Size> size) = 0;
    // The mode button's pictures: "disable" while its mode runs, "enable" else.
    virtual void ShowModeRunning(CaptureButton button, bool running) = 0;
    // The five output buttons: enabled for good once a capture arrives.
    virtual void EnableCaptureButtons() = 0;
    virtual bool CaptureButtonsEnabled() const = 0;
};

}  // namespace vix
