#pragma once

#include "capture/capture_page.h"
#include "tools/tool.h"
#include "tools/tool_host.h"

// The capture page's three modes as tools of the main window, and the main
// window's services as the page needs them.

namespace vix {

class CaptureServices final : public CaptureWindowServices {
  public:
    explicit CaptureServices(ToolHost& host) : host_(host) {}
    int CurrentMode() const override { return static_cast<int>(host_.CurrentMode()); }
    void SetCurrentMode(int mode) override { host_.SetCurrentMode(static_cast<ActiveMode>(mode)); }
    void SetModePrompt(std::wstring prompt) override { host_.SetModePrompt(std::move(prompt)); }
    void ShowCapturePage() override;
    bool ArmHook(CaptureHookArm arm) override { return host_.ArmHook(arm); }
    void KeepOnTop() override { host_.KeepOnTop(); }
    int RunBehind(const std::function<int(HWND owner)>& dialog) override {
        return host_.RunBehind(dialog);
    }
    CaptureSettings Settings() const override;
    void LeaveForScreenCapture() override { host_.LeaveForScreenCapture(); }
    void ComeBackFromScreenCapture() override { host_.ComeBackFromScreenCapture(); }

  private:
    ToolHost& host_;
};

class ScreenCaptureTool final : public Tool {
  public:
    explicit ScreenCaptureTool(CaptureTools& tools) : tools_(tools) {}
    ActiveMode Mode() const override { return ActiveMode::ScreenCapture; }
    void Toggle() override { tools_.btnScreenCaptureClick(); }
    // The page change ends the capture that waits for its click.
    void Stop() override { tools_.AbandonScreenCapture(); }
    void OnHookReport(const HookReport& report) override;

  private:
    CaptureTools& tools_;
};

class RectangleCaptureTool final : public Tool {
  public:
    explicit RectangleCaptureTool(CaptureTools& tools) : tools_(tools) {}
    ActiveMode Mode() const override { return ActiveMode::RectangleCapture; }
    void Toggle() override { tools_.btnRectCaptureClick(); }
    void OnHookReport(const HookReport& report) override;

  private:
    CaptureTools& tools_;
};

class ControlCaptureTool final : public Tool {
  public:
    explicit ControlCaptureTool(CaptureTools& tools) : tools_(tools) {}
    ActiveMode Mode() const override { return ActiveMode::ControlCapture; }
    void Toggle() override { tools_.btnControlCaptureClick(); }
    void OnHookReport(const HookReport& report) override;

  private:
    CaptureTools& tools_;
};

}  // namespace vix
