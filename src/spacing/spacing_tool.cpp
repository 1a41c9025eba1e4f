#include "spacing/spacing_tool.h"

#include "platform/desktop.h"
#include "platform/screen_copy.h"
#include "spacing/monitor_dpi.h"
#include "spacing/spacing_rows.h"
#include "ui/panel.h"
#include "ui/standard_controls.h"

namespace vix {
namespace {

const PageSpec kSpacingPage{.tab = kRulerTab,
                            .caption = L"Spacing",
                            .toggleHint = L"Expand/Collapse Spacing",
                            .height = 36,
                            .shownSetting = &kSpacingPageOpen};

constexpr const wchar_t* kPrompt =
    L"Tab: mode, wheel: tolerance, click: copy, Shift+click: keep, Esc: stop";

Point PointerPosition() {
    POINT p{};
    ::GetCursorPos(&p);
    return {p.x, p.y};
}

}  // namespace

SpacingTool::SpacingTool(ToolHost& host) : host_(host) {
    // A tool that starts without stopping the others (the ruler's key) takes
    // the mode from under the measure: its next input ends the run.
    const auto whileOurs = [this](auto handle) {
        return [this, handle](auto... args) {
            if (host_.CurrentMode() == kMode)
                handle(args...);
            else
                Stop();
        };
    };
    overlay_.input = {
        .moved = whileOurs([this](Point at) { PointerMoved(at); }),
        .pressed = whileOurs([this](Point at, bool shift) { Pressed(at, shift); }),
        .released = whileOurs([this](Point at, bool shift) { Released(at, shift); }),
        .cancelled = [this] { Stop(); },
        .nextMode = whileOurs([this] { CycleMode(); }),
        .wheel = whileOurs([this](int delta) { TurnWheel(delta); }),
    };
}

std::span<const PageSpec* const> SpacingTool::Pages() const {
    static constexpr const PageSpec* kPages[] = {&kSpacingPage};
    return kPages;
}

SettingGroup SpacingTool::SettingRows() const {
    static constexpr const SettingDef* kRows[] = {&kSpacingPageOpen, &kSpacingTolerance};
    return {L"Spacing", kRows};
}

void SpacingTool::Build(ToolPages& pages) {
    const HWND page = pages.Page(kSpacingPage).hwnd();
    button_ =
        ui::CreateStandardControl(page, L"BUTTON", L"Measure spacing", WS_TABSTOP | BS_PUSHBUTTON,
                                  Rect::FromBounds(6, 6, 100, 23));
    ui::OnClick(button_, [this] { Toggle(); });
    modeLine_.Create(page, Rect::FromBounds(114, 11, 130, 14), L"");
    ShowModeLine();
}

void SpacingTool::SettingsLoaded(const Settings& settings, bool) {
    tolerance_ = NumberSetting(settings, kSpacingTolerance);
    ShowModeLine();
}

std::vector<HotKeyBinding> SpacingTool::HotKeys() {
    return {{.key = kOwnKeys[0].id(), .action = [this] { Toggle(); }}};
}

void SpacingTool::Toggle() {
    if (running_)
        Stop();
    else
        Start();
}

void SpacingTool::Start() {
    // Whatever runs stops first; the measure belongs to the Ruler tab.
    host_.ShowTab(kRulerTab);
    desktop_ = platform::VirtualDesktop();
    monitors_ = platform::MonitorRects();
    monitorDpis_ = platform::MonitorDpis(monitors_);
    if (!still_.Resize({desktop_.width(), desktop_.height()})) {
        host_.ShowError(L"The screen could not be copied.");
        return;
    }
    // Taken before the overlay shows: what is measured is the desktop as it
    // was when the measure started.
    platform::CopyScreenSquare(still_.dc(), desktop_);
    ::GdiFlush();
    format_ = {.unit = RulerUnitAt(host_.CurrentSettings().rulerUnit),
               .dpi = platform::ScreenDpi(),
               .desktop = {desktop_.width(), desktop_.height()},
               .decimal = host_.DecimalSeparator()};
    host_.SetCurrentMode(kMode);
    running_ = true;
    host_.SetModePrompt(kPrompt);
    overlay_.Begin(still_, desktop_);
    MeasureAtPointer();
}

void SpacingTool::Stop() {
    if (!running_) return;
    running_ = false;
    overlay_.End();
    still_ = platform::Canvas{};
    monitors_.clear();
    monitorDpis_.clear();
    boxFrom_.reset();
    current_.reset();
    kept_.clear();
    // The mode and the prompt may be another tool's by now.
    if (host_.CurrentMode() != kMode) return;
    host_.SetModePrompt(L"");
    host_.SetCurrentMode(ActiveMode::None);
    host_.KeepOnTop();
}

void SpacingTool::PointerMoved(Point at) {
    if (mode_ == SpacingMode::Box) {
        if (!boxFrom_) return;
        current_ = DrawnMeasure{
            .spans = BoxBetween(*boxFrom_, at), .mode = mode_, .pointer = at, .label = {}};
    } else {
        const DesktopPixels pixels{
            .pixels = {reinterpret_cast<const std::uint32_t*>(still_.pixels()),
                       static_cast<std::size_t>(still_.width()) * still_.height()},
            .width = still_.width(),
            .height = still_.height(),
            .origin = {desktop_.left, desktop_.top},
            .monitors = monitors_};
        const auto spans = WalkEdges(pixels, at, tolerance_);
        if (!spans) {
            current_.reset();
            Redraw();
            return;
        }
        current_ = DrawnMeasure{.spans = *spans, .mode = mode_, .pointer = at, .label = {}};
    }
    // A box is measured on the monitor it was started on.
    current_->label = MeasureLabel(current_->spans, mode_, FormatAt(boxFrom_.value_or(at)));
    Redraw();
}

LengthFormat SpacingTool::FormatAt(Point at) const {
    LengthFormat format = format_;
    format.dpi = DpiAt(at, monitors_, monitorDpis_, format_.dpi);
    return format;
}

void SpacingTool::Pressed(Point at, bool shift) {
    if (mode_ == SpacingMode::Box) {
        boxFrom_ = at;
        PointerMoved(at);
        return;
    }
    PointerMoved(at);
    Take(shift);
}

void SpacingTool::Released(Point at, bool shift) {
    if (mode_ != SpacingMode::Box || !boxFrom_) return;
    PointerMoved(at);
    boxFrom_.reset();
    Take(shift);
}

// Shift keeps the measurement drawn; without it its label goes to the
// clipboard. Measuring goes on either way.
void SpacingTool::Take(bool keep) {
    if (!current_) return;
    if (keep) {
        kept_.push_back(*current_);
        Redraw();
    } else {
        clipboard_.SetText(current_->label);
    }
}

void SpacingTool::CycleMode() {
    mode_ = NextMode(mode_);
    boxFrom_.reset();
    current_.reset();
    ShowModeLine();
    MeasureAtPointer();
}

void SpacingTool::TurnWheel(int delta) {
    tolerance_ = ToleranceAfterWheel(tolerance_, delta);
    const int tolerance = tolerance_;
    host_.ChangeSettings([tolerance](Settings& settings) {
        SetField(settings, kSpacingTolerance,
                 RegistryValue::Dword(static_cast<std::uint32_t>(tolerance)));
    });
    ShowModeLine();
    MeasureAtPointer();
}

void SpacingTool::MeasureAtPointer() {
    if (!running_) return;
    if (mode_ == SpacingMode::Box && !boxFrom_) {
        Redraw();
        return;
    }
    PointerMoved(PointerPosition());
}

void SpacingTool::ShowModeLine() {
    if (button_) modeLine_.SetCaption(ModeLine(mode_, tolerance_));
}

void SpacingTool::Redraw() {
    if (running_) overlay_.Draw(kept_, current_);
}

}  // namespace vix
