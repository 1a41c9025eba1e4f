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
// capture tools behind them. The main window's own services reach the
// capture tools directly through CaptureWindowServices.

namespace vix {

// The two Photoshop outputs, which live with the Photoshop bridge. Each is
// given its own button's state: a disabled one does nothing.
struct PhotoshopOutputs {
    std::function<void(bool enabled)> btnCaptureToPSClick;
    std::function<void(bool enabled)> btnCaptureToPSLayerClick;
};

inline constexpr int kCapturePageHeight = 93;

class CapturePage final : public CapturePageControls {
  public:
    CapturePage(CaptureWindowServices& window, CaptureDialogs& dialogs,
                platform::SystemCursors& cursors)
        : tools_(window, *this, dialogs, cursors) {}

    // Builds the controls on `page`. With an `owner` (the main window) the
    // overlays and the preview are created too, owned by it; without one
    // whoever creates the program's windows creates them.
    void Create(HWND page, HWND owner, PhotoshopOutputs photoshop = {});

    CaptureTools& Tools() { return tools_; }
    Tvix_imgpreview& Preview() { return preview_; }
    // The new-document export's button, for its hot key.
    bool DocumentExportEnabled() const { return btnCaptureToPS.Enabled(); }

    // CapturePageControls
    CaptureChoices Choices() const override;
    void UntickSequence() override;
    void ShowSizeLabels(std::optional<Size> size) override;
    void ShowModeRunning(CaptureButton button, bool running) override;
    void EnableCaptureButtons() override;
    bool CaptureButtonsEnabled() const override { return btnSaveCapture.Enabled(); }

  private:
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
