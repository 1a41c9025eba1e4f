#pragma once

#include "capture/capture_tools.h"
#include "tools/tool.h"

// The capture page's three modes as tools of the main window: each starts
// and stops by its button and by its hot key, and takes the hook library's
// reports while it runs.

namespace vix {

class ScreenCaptureTool final : public Tool {
  public:
    explicit ScreenCaptureTool(CaptureTools& tools) : tools_(tools) {}
    const char* Name() const override { return "screen capture"; }
    static constexpr ActiveMode kMode = kScreenCaptureMode;
    ActiveMode Mode() const override { return kMode; }
    void Toggle() override { tools_.btnScreenCaptureClick(); }
    // The page change ends the capture that waits for its click.
    void Stop() override { tools_.AbandonScreenCapture(); }
    void OnHookReport(const HookReport& report) override;
    std::vector<HotKeyBinding> HotKeys() override;

  private:
    CaptureTools& tools_;
};

class RectangleCaptureTool final : public Tool {
  public:
    explicit RectangleCaptureTool(CaptureTools& tools) : tools_(tools) {}
    const char* Name() const override { return "rectangle capture"; }
    static constexpr ActiveMode kMode = kRectangleCaptureMode;
    ActiveMode Mode() const override { return kMode; }
    void Toggle() override { tools_.btnRectCaptureClick(); }
    void OnHookReport(const HookReport& report) override;
    std::vector<HotKeyBinding> HotKeys() override;

  private:
    CaptureTools& tools_;
};

class ControlCaptureTool final : public Tool {
  public:
    explicit ControlCaptureTool(CaptureTools& tools) : tools_(tools) {}
    const char* Name() const override { return "control capture"; }
    static constexpr ActiveMode kMode = kControlCaptureMode;
    ActiveMode Mode() const override { return kMode; }
    void Toggle() override { tools_.btnControlCaptureClick(); }
    void OnHookReport(const HookReport& report) override;
    std::vector<HotKeyBinding> HotKeys() override;

  private:
    CaptureTools& tools_;
};

}  // namespace vix
