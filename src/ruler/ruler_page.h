#pragma once

#include <array>
#include <optional>

#include "platform/canvas.h"
#include "ruler/ruler_host.h"
#include "ruler/ruler_window.h"
#include "ui/bitmap_view.h"
#include "ui/image_button.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "tools/tool.h"
#include "tools/tool_host.h"
#include "tools/tool_windows.h"
#include "ui/timer.h"

// The main window's half of the ruler: switching it on and off, its position
// and length in every unit, typed positions and lengths, and the enlarged
// views of both ends.

namespace vix {

inline constexpr UINT kRulerViewInterval = 15;

class RulerPage final : public Tool, public RulerHost {
  public:
    explicit RulerPage(ToolHost& host) : host_(host) { ruler_.SetHost(this); }

    // Builds the controls of the "Ruler", "Ruler views" and "Ruler info" pages.
    void Create(HWND rulerPage, HWND viewsPage, const ui::Panel& infoPage);
    Trulerapp& RulerWindow() { return ruler_; }

    // As a tool: its button shows or hides the ruler, which the program
    // creates with its other windows.
    const char* Name() const override { return "ruler"; }
    static constexpr ActiveMode kMode{"ruler"};
    ActiveMode Mode() const override { return kMode; }
    void Toggle() override { btnEnableRulerClick(); }
    std::vector<HotKeyBinding> HotKeys() override;
    std::span<const PageSpec* const> Pages() const override;
    void Build(ToolPages& pages) override;
    OwnedWindows Windows() override { return {{ProgramWindow::Ruler, &ruler_}}; }
    // The unit as the settings say.
    void SettingsLoaded(const Settings& settings, bool keyOpened) override;

    void btnEnableRulerClick();
    void btnRotateRulerClick();
    void btnFlipRulerClick();
    // Selects the unit list's item (none when `index` names no item).
    void SelectUnit(int index);
    // Writes the screen's DPI into the info page.
    void WriteDpi();

    // What the ruler window reports.
    void RulerMoved(const RulerChange& change) override;
    // Redraws both end views; also the view timer's handler.
    void RulerEvent();
    void ShowTurnPictures(const TurnPictures& pictures) override;
    platform::GdiColor RulerColor() const override;
    void RepaintLengthField() override;

  private:
    void showrulerproc();
    void HideRuler();
    void PositionFieldExit();
    void edtLengthExit();
    void lstRulerUnitsChange();
    void ShowRulerLength(int pixels);
    void ShowRulerPosition(Point position);
    int DesktopSpan() const;
    void DrawView(ui::BitmapView& view, Point point, bool beginView, bool& busy, HDC screen);

    ToolHost& host_;
    Trulerapp ruler_;
    bool active_ = false;
    // The unit list's selected item, kept when it changes: kNoUnit for none.
    RulerUnits unit_ = kNoUnit;
    RulerLine rulerLine_{};
    ui::Timer viewTimer_;
    bool beginBusy_ = false;
    bool endBusy_ = false;
    platform::Canvas scratch_;  // the screen round one end, before enlarging

    ui::ImageButton btnEnableRuler, btnRotateRuler, btnFlipRuler;
    std::array<ui::Label, 3> captions_;
    HWND lblXrulerPos = nullptr;
    HWND lblYrulerPos = nullptr;
    HWND edtLength = nullptr;
    HWND lstRulerUnits = nullptr;
    ui::BitmapView imgLeftRulerView32, imgRightRulerView32;
    const ui::Panel* pnlRulerinfoPage = nullptr;
    std::array<ui::Label, 6> infoCaptions_;
    ui::Label pnlRulerInfoPixels, pnlRulerInfoInches, pnlRulerInfoCentimeters;
    ui::Label pnlRulerInfoPicas, pnlRulerInfoPercent, pnlRulerInfoCurrDPI;
};

}  // namespace vix
