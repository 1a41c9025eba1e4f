#pragma once

#include <windows.h>

#include <array>
#include <functional>

#include "capture/capture_tools.h"
#include "capture/preview_window.h"
#include "ui/image_button.h"
#include "ui/label.h"

// The capture page of the main window: the three mode buttons, the size
// labels, the three check boxes and the five output buttons, with the
// capture tools behind them. The main window's own services reach the page
// through CaptureWindowServices.

namespace vix {

// What the page needs of the main window itself.
class CaptureWindowServices {
  public:
    virtual ~CaptureWindowServices() = default;
    virtual int CurrentMode() const = 0;
    virtual void SetCurrentMode(int mode) = 0;
    virtual void SetModePrompt(std::wstring prompt) = 0;
    virtual void ShowCapturePage() = 0;
    virtual bool ArmHook(CaptureHookArm arm) = 0;
    virtual void KeepOnTop() = 0;
    virtual int RunBehind(const std::function<int(HWND owner)>& dialog) = 0;
    virtual CaptureSettings Settings() const = 0;
    virtual void LeaveForScreenCapture() = 0;
    virtual void ComeBackFromScreenCapture() = 0;
};

// The two Photoshop outputs, which live with the Photoshop bridge.
struct PhotoshopOutputs {
    std::function<void()> btnCaptureToPSClick;
    std::function<void()> btnCaptureToPSLayerClick;
};

inline constexpr int kCapturePageHeight = 93;

class CapturePage final : public CaptureHost {
  public:
    CapturePage(CaptureWindowServices& window, CaptureDialogs& dialogs,
                platform::SystemCursors& cursors)
        : window_(window), tools_(*this, dialogs, cursors) {}

    // Builds the controls on `page`. With an `owner` (the main window) the
    // overlays and the preview are created too, owned by it; without one
    // whoever creates the program's windows creates them.
    void Create(HWND page, HWND owner, PhotoshopOutputs photoshop = {});

    CaptureTools& Tools() { return tools_; }
    Tvix_imgpreview& Preview() { return preview_; }
    // The Photoshop outputs test their own buttons too.
    bool PhotoshopOutputsEnabled() const { return btnCaptureToPS.Enabled(); }

    // CaptureHost
    int CurrentMode() const override { return window_.CurrentMode(); }
    void SetCurrentMode(int mode) override { window_.SetCurrentMode(mode); }
    void SetModePrompt(std::wstring prompt) override { window_.SetModePrompt(std::move(prompt)); }
    void ShowCapturePage() override { window_.ShowCapturePage(); }
    bool ArmHook(CaptureHookArm arm) override { return window_.ArmHook(arm); }
    void KeepOnTop() override { window_.KeepOnTop(); }
    int RunBehind(const std::function<int(HWND owner)>& dialog) override {
        return window_.RunBehind(dialog);
    }
    CaptureSettings Settings() const override { return window_.Settings(); }
    CaptureChoices Choices() const override;
    void UntickSequence() override;
    void ShowSizeLabels(std::optional<Size> size) override;
    void ShowModeRunning(CaptureButton button, bool running) override;
    void EnableCaptureButtons() override;
    bool CaptureButtonsEnabled() const override { return btnSaveCapture.Enabled(); }
    void LeaveForScreenCapture() override { window_.LeaveForScreenCapture(); }
    void ComeBackFromScreenCapture() override { window_.ComeBackFromScreenCapture(); }

  private:
    CaptureWindowServices& window_;
    CaptureTools tools_;
    Tvix_imgpreview preview_;
    PhotoshopOutputs photoshop_;

    ui::ImageButton btnScreenCapture, btnRectCapture, btnControlCapture;
    std::array<ui::Label, 2> sizeCaptions_;
    ui::Label pnlCaptureWidth, pnlCaptureHeight;
    HWND chkMultiCapture = nullptr;
    HWND chkCaptureSequence = nullptr;
    HWND chkCaptureWithCursor = nullptr;
    ui::ImageButton btnSaveCapture, btnCaptureToClipboard, btnCaptureToPS, btnCaptureToPSLayer,
        btnCapturePreview;
};

}  // namespace vix
