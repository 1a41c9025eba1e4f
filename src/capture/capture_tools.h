#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "capture/capture_dialogs.h"
#include "capture/capture_page_controls.h"
#include "capture/rectangle_drag.h"
#include "capture/rectangle_window.h"
#include "capture/snapshot.h"
#include "capture/tracking_window.h"
#include "platform/clipboard.h"
#include "platform/system_cursors.h"
#include "tools/tool_host.h"
#include "ui/timer.h"

// The screen capture: the whole screen, a dragged rectangle and the control
// under the pointer, each taken with a right click that the hook library
// reports; the snapshot they fill and its outputs (files, the image
// sequence, the clipboard, the preview).

namespace vix {

// The modes the capture tools run in; the preview's has no tool that stops
// it, as its window is modal.
inline constexpr ActiveMode kScreenCaptureMode{"screen capture"};
inline constexpr ActiveMode kRectangleCaptureMode{"rectangle capture"};
inline constexpr ActiveMode kControlCaptureMode{"control capture"};
inline constexpr ActiveMode kPreviewMode{"snapshot preview"};

inline constexpr wchar_t kCapturePrompt[] = L"Press right mouse button to capture";
inline constexpr wchar_t kScreenCaptureInfo[] =
    L"To capture a snapshot press the right mouse button";
inline constexpr wchar_t kSequenceFailed[] =
    L"Could not save the image, please check your image sequence settings.";

class Tvix_imgpreview;

class CaptureTools {
  public:
    // The snapshot goes on the clipboard through `clipboard`, which opens it
    // with the main window.
    CaptureTools(ToolHost& host, CapturePageControls& page, CaptureDialogs& dialogs,
                 platform::SystemCursors& cursors, const platform::ClipboardWriter& clipboard)
        : host_(host), page_(page), dialogs_(dialogs), cursors_(cursors), clipboard_(clipboard) {}
    CaptureTools(const CaptureTools&) = delete;
    CaptureTools& operator=(const CaptureTools&) = delete;
    ~CaptureTools();

    // Creates the two overlays, hidden, owned by `owner`.
    void Create(HWND owner);
    void SetPreview(Tvix_imgpreview* preview) { preview_ = preview; }

    // The three mode buttons (also pressed by the hot keys and, to stop a
    // running mode, by the page change).
    void btnScreenCaptureClick();
    void btnRectCaptureClick();
    void btnControlCaptureClick();
    // The page change's stop of a screen capture waiting for its click: the
    // mode ends, the main window comes back and the hook is released.
    void AbandonScreenCapture();

    // The hook library's reports: hooks::kScreenCaptureClick,
    // hooks::kControlCaptureClick and hooks::kRectangleEvent. `pressedAt` is
    // where the dragging button went down or up (the pointer now when not
    // known).
    void ScreenCaptureClicked();
    void ControlCaptureClicked();
    void RectangleEvent(hooks::RectangleEvent event, hooks::Zone zone = hooks::Zone::None,
                        std::optional<Point> pressedAt = {});

    // Copies `area` of `source` from its pixel `origin` into the snapshot and
    // acknowledges it; false (with the user told why) when it was refused.
    bool CopyToBuffer(HDC source, const Rect& area, Point origin);
    void SaveToSequence();

    // The outputs; the save and clipboard ones do nothing while their
    // buttons are disabled or the snapshot is empty.
    void btnSaveCaptureClick();
    void btnCaptureToClipboardClick();
    void chkCaptureSequenceClick(bool ticked);
    void btnCapturePreviewClick();
    // The save, clipboard and preview outputs for any picture, the
    // snapshot's, the preview's as seen, or one a tool holds; the preview's Photoshop buttons work
    // only `ofSnapshot`, as the export reads the snapshot.
    void SavePicture(const PixelView& picture);
    void CopyPicture(const PixelView& picture);
    void PreviewPicture(const PixelView& picture, bool ofSnapshot);

    // The wait the "Delay" list sets before the screen or the control under
    // the pointer is taken; whether one is counting down now.
    int DelaySeconds() const;
    bool DelayRunning() const { return delayed_ != DelayedCapture::None; }
    // Esc, a second press or a change of tab: no capture.
    void CancelDelay();
    // The list's choice, remembered.
    void ChooseDelay(int seconds);

    Snapshot& CurrentSnapshot() { return snapshot_; }
    const Snapshot& CurrentSnapshot() const { return snapshot_; }
    const std::wstring& SequenceFolder() const { return sequenceFolder_; }
    Trectan& RectangleOverlay() { return rectangle_; }
    THottracker& TrackingFrame() { return tracker_; }
    HWND CaptureTarget() const { return captureTarget_; }
    hooks::Zone HitArea() const { return rectHitArea_; }

  private:
    enum class DelayedCapture { None, Screen, Control };
    void StartDelay(DelayedCapture capture, int seconds);
    void DelayTick();
    void TakeDelayedScreen();
    void TakeDelayedControl();
    void StartDelayedControlCapture(int seconds);
    void EnableCaptureScreen();
    // False when the hook was refused and the mode stays off.
    bool EnableRectangle();
    void DisableRectangle();
    bool EnableControlCapture();
    void DisableControlCapture();
    void SetHitArea(hooks::Zone area);
    void HotTrackTick();  // Timer2Timer
    void DragTick();      // Timer3Timer
    void DragTo(Point pointer);
    void FinishDrag(Point releasedAt);
    void ShowError(const std::wstring& text);

    ToolHost& host_;
    CapturePageControls& page_;
    CaptureDialogs& dialogs_;
    platform::SystemCursors& cursors_;
    const platform::ClipboardWriter& clipboard_;
    Tvix_imgpreview* preview_ = nullptr;

    Snapshot snapshot_;
    std::wstring sequenceFolder_;
    Trectan rectangle_;
    THottracker tracker_;
    ui::Timer hotTrackTimer_;  // Timer2, 50 ms
    ui::Timer dragTimer_;      // Timer3, 20 ms
    ui::Timer delayTimer_;     // the countdown, then the screen's settling
    DelayedCapture delayed_ = DelayedCapture::None;
    unsigned long long delayEnd_ = 0;  // GetTickCount64 at the capture
    bool timerBusy_ = false;
    // A release that arrived while a drag step was letting messages run; that
    // step finishes the drag there once it is done.
    std::optional<Point> pendingDragEnd_;
    HWND captureTarget_ = nullptr;
    // The screen capture has taken the main window out of the way.
    bool screenLeft_ = false;
    Rect trackedRect_;
    hooks::Zone rectHitArea_ = hooks::Zone::None;
    RectangleDrag drag_;
};

}  // namespace vix
