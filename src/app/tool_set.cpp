#include "app/tool_set.h"

namespace vix {
namespace {
constexpr int kCaptureTab = 2;
}  // namespace

void ToolSet::Build(const std::function<ui::Panel&(Page)>& page, ToolTable& table) {
    picker_.Create(page(Page::ColorPicker).hwnd());
    picker_.onSampleTaken = [this](ColorWord c) { library_.Newcolor(c); };
    library_.Create(page(Page::ColorLib).hwnd(), page(Page::ColorLib));
    library_.formatIndex = [this] { return picker_.FormatIndex(); };
    library_.onTakeColor = [this](ColorWord c) { picker_.GetColorFromLib(c); };
    colorInfo_.Create(page(Page::ColorInfo).hwnd());
    ruler_.Create(page(Page::Ruler).hwnd(), page(Page::RulerViews).hwnd(), page(Page::RulerInfo));
    ruler_.WriteDpi();
    // The overlays and the preview are created with the program's other windows.
    capture_.Create(page(Page::Capture).hwnd(), nullptr);
    table.Add(picker_);
    table.Add(ruler_);
    table.Add(screenCapture_);
    table.Add(rectangleCapture_);
    table.Add(controlCapture_);
    CaptureTools& capture = capture_.Tools();
    table.BindHotKey({'E', std::nullopt, [&capture] { capture.btnScreenCaptureClick(); }});
    table.BindHotKey({'T', std::nullopt, [&capture] { capture.btnRectCaptureClick(); }});
    table.BindHotKey({'O', std::nullopt, [&capture] { capture.btnControlCaptureClick(); }});
    table.BindHotKey({'S', kCaptureTab, [&capture] { capture.btnSaveCaptureClick(); }});
    table.BindHotKey({'X', kCaptureTab, [&capture] { capture.btnCaptureToClipboardClick(); }});
}

OwnedWindows ToolSet::Windows() {
    OwnedWindows windows = ruler_.Windows();
    windows.push_back({ProgramWindow::Preview, &capture_.Preview()});
    windows.push_back({ProgramWindow::HotTracker, &capture_.Tools().TrackingFrame()});
    windows.push_back({ProgramWindow::Rectangle, &capture_.Tools().RectangleOverlay()});
    return windows;
}

void ToolSet::SettingsLoaded(const Settings& settings, bool keyOpened) {
    if (keyOpened && settings.ResetLibraryOnstartup) library_.ClearColorLibrary();
    picker_.SelectFormat(settings.DefaultColorValues);
    ruler_.SelectUnit(settings.RulerValue);
    library_.LoadLibrary();
}

}  // namespace vix
