#pragma once

#include <optional>
#include <vector>

#include "platform/canvas.h"
#include "platform/clipboard.h"
#include "spacing/edge_walk.h"
#include "spacing/spacing_measure.h"
#include "spacing/spacing_overlay.h"
#include "tools/tool.h"
#include "tools/tool_host.h"
#include "ui/label.h"

// The spacing measure: from a still copy of the whole desktop, how far the
// surface under the pointer reaches across and down, or how big a dragged
// box is, in the ruler's unit. Started and stopped from its page on the
// Ruler tab or with Ctrl+Alt+D; Esc, a right click or a change of tab stop
// it too.

namespace vix {

class SpacingTool final : public Tool {
  public:
    explicit SpacingTool(ToolHost& host);

    static constexpr ActiveMode kMode{"spacing"};
    static constexpr HotKeyRow kOwnKeys[] = {
        {'D', L"SpacingMeasure", true, L"Ctrl+Alt+D: start or stop the spacing measure"}};

    const char* Name() const override { return "spacing"; }
    ActiveMode Mode() const override { return kMode; }
    void Toggle() override;
    void Stop() override;
    std::span<const HotKeyRow> OwnKeys() const override { return kOwnKeys; }
    std::vector<HotKeyBinding> HotKeys() override;
    SettingGroup SettingRows() const override;
    std::span<const PageSpec* const> Pages() const override;
    void Build(ToolPages& pages) override;
    OwnedWindows Windows() override { return {{std::nullopt, &overlay_}}; }
    void SettingsLoaded(const Settings& settings, bool keyOpened) override;

  private:
    void Start();
    void PointerMoved(Point at);
    void Pressed(Point at, bool shift);
    void Released(Point at, bool shift);
    void CycleMode();
    void TurnWheel(int delta);
    // Measures again where the pointer is, after a change of mode or
    // tolerance.
    void MeasureAtPointer();
    void Take(bool keep);
    // How lengths measured at `at` are shown: at its monitor's DPI.
    LengthFormat FormatAt(Point at) const;
    void ShowModeLine();
    void Redraw();

    ToolHost& host_;
    SpacingOverlay overlay_;
    platform::ClipboardWriter clipboard_{[this] { return overlay_.hwnd(); }};
    bool running_ = false;
    SpacingMode mode_ = SpacingMode::BothSpans;
    int tolerance_ = kDefaultTolerance;

    // While it runs: the copy, its monitors and their DPIs, how lengths are
    // shown (at the system's DPI where a monitor's is not known).
    platform::Canvas still_;
    Rect desktop_;
    std::vector<Rect> monitors_;
    std::vector<int> monitorDpis_;
    LengthFormat format_;
    std::optional<Point> boxFrom_;  // while a box is dragged
    std::optional<DrawnMeasure> current_;
    std::vector<DrawnMeasure> kept_;

    HWND button_ = nullptr;
    ui::Label modeLine_;
};

}  // namespace vix
