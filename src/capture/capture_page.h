#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "capture/capture_tools.h"
#include "capture/preview_window.h"
#include "tools/snapshot_outputs.h"
#include "tools/tool.h"
#include "tools/tool_host.h"
#include "ui/image_button.h"
#include "ui/label.h"

// The capture page of the main window: the three mode buttons, the size
// labels, the three check boxes and the five output buttons, with the
// capture tools behind them. As a part of the main window it brings the
// overlays and the preview, and answers the save, copy and export keys on
// the Capture tab. Tools that send the snapshot elsewhere reach it, and add
// their outputs, through SnapshotOutputs.

namespace vix {

// The two Photoshop outputs, which live with the Photoshop bridge. Each is
// given its own button's state: a disabled one does nothing.
struct PhotoshopOutputs {
    std::function<void(bool enabled)> btnCaptureToPSClick;
    std::function<void(bool enabled)> btnCaptureToPSLayerClick;
};

inline constexpr int kCapturePageHeight = 93;

class CapturePage final : public CapturePageControls, public Tool, public SnapshotOutputs {
  public:
    CapturePage(ToolHost& host, CaptureDialogs& dialogs, platform::SystemCursors& cursors,
                const platform::ClipboardWriter& clipboard)
        : host_(host), tools_(host, *this, dialogs, cursors, clipboard) {}

    // The Photoshop outputs' handlers, before the controls are built.
    void SetPhotoshopOutputs(PhotoshopOutputs photoshop) { photoshop_ = std::move(photoshop); }
    // Builds the controls on `page`. With an `owner` (the main window) the
    // overlays and the preview are created too, owned by it; without one
    // whoever creates the program's windows creates them.
    void Create(HWND page, HWND owner);

    // Tool
    const char* Name() const override { return "capture"; }
    std::span<const PageSpec* const> Pages() const override;
    void Build(ToolPages& pages) override;
    OwnedWindows Windows() override;
    std::vector<HotKeyBinding> HotKeys() override;
    SettingGroup SettingRows() const override;
    void SettingsLoaded(const Settings& settings, bool keyOpened) override;

    CaptureTools& Tools() { return tools_; }
    // The picture the Photoshop exports take: the snapshot's, or while an
    // export button of the preview runs with "Export as seen" ticked, the
    // picture as seen.
    HBITMAP ExportBitmap();
    Tvix_imgpreview& Preview() { return preview_; }
    // Whether the new-document export's button is enabled.
    bool DocumentExportEnabled() const { return btnCaptureToPS.Enabled(); }

    // CapturePageControls
    CaptureChoices Choices() const override;
    void UntickSequence() override;
    void ShowSizeLabels(std::optional<Size> size) override;
    void ShowModeRunning(CaptureButton button, bool running) override;
    void EnableCaptureButtons() override;
    bool CaptureButtonsEnabled() const override { return btnSaveCapture.Enabled(); }

    // SnapshotOutputs
    void AddOutput(SnapshotOutput output) override { outputs_.push_back(std::move(output)); }
    bool OutputsEnabled() const override { return CaptureButtonsEnabled(); }
    ScreenPicture CurrentSnapshot() const override;
    void Save(const ScreenPicture& picture) override;
    void CopyToClipboard(const ScreenPicture& picture) override;
    void Preview(const ScreenPicture& picture) override;

  private:
    void CreateDelayList(HWND page);
    // Runs a button of the preview: with "Export as seen" ticked on the
    // picture as seen.
    void RunPreviewOutput(const std::function<void()>& output);

    ToolHost& host_;
    void CreateMoreOutputs(HWND page, int x);
    PreviewActions MakePreviewActions();
    // What the preview's buttons act on: the snapshot, or the picture a tool
    // had shown there, copied for as long as it shows.
    ScreenPicture Previewed() const;

    CaptureTools tools_;
    bool exportingSeen_ = false;
    Tvix_imgpreview preview_;
    PhotoshopOutputs photoshop_;

    ui::ImageButton btnScreenCapture, btnRectCapture, btnControlCapture;
    std::array<ui::Label, 2> sizeCaptions_;
    ui::Label pnlCaptureWidth, pnlCaptureHeight;
    HWND chkMultiCapture = nullptr;
    HWND chkCaptureSequence = nullptr;
    HWND chkCaptureWithCursor = nullptr;
    ui::Label delayCaption_;
    HWND lstCaptureDelay = nullptr;
    ui::ImageButton btnSaveCapture, btnCaptureToClipboard, btnCaptureToPS, btnCaptureToPSLayer,
        btnCapturePreview;
    std::vector<SnapshotOutput> outputs_;
    std::deque<ui::ImageButton> outputButtons_;
    std::vector<std::uint32_t> previewedPixels_;
    Rect previewedScreen_;
};

}  // namespace vix
