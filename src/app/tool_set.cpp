#include "app/tool_set.h"

#include "app/startup_timeline.h"

namespace vix {

void ToolSet::Build(const std::function<ui::Panel&(Page)>& page, ToolTable& table) {
    picker_.Create(page(Page::ColorPicker).hwnd());
    startup::Mark("    picker");
    picker_.onSampleTaken = [this](ColorWord c) { library_.Newcolor(c); };
    // The button is enabled only once a colour has been taken.
    picker_.onColorToPS = [this](ColorWord c) {
        photoshop_.ExportColor(true, Red(c), Green(c), Blue(c));
    };
    library_.Create(page(Page::ColorLib).hwnd(), page(Page::ColorLib));
    startup::Mark("    library");
    library_.formatIndex = [this] { return picker_.FormatIndex(); };
    library_.onTakeColor = [this](ColorWord c) { picker_.TakeLibraryColor(c); };
    colorInfo_.Create(page(Page::ColorInfo).hwnd());
    startup::Mark("    colour information");
    ruler_.Create(page(Page::Ruler).hwnd(), page(Page::RulerViews).hwnd(), page(Page::RulerInfo));
    ruler_.WriteDpi();
    startup::Mark("    ruler");
    // The overlays and the preview are created with the program's other windows.
    capture_.Create(page(Page::Capture).hwnd(), nullptr,
                    {.btnCaptureToPSClick = [this] { ExportSnapshot(ExportKind::Document); },
                     .btnCaptureToPSLayerClick = [this] { ExportSnapshot(ExportKind::Layer); }});
    table.Add(picker_);
    table.Add(library_);
    table.Add(colorInfo_);
    table.Add(ruler_);
    table.Add(capture_);
    table.Add(screenCapture_);
    table.Add(rectangleCapture_);
    table.Add(controlCapture_);
}

OwnedWindows ToolSet::Windows() {
    OwnedWindows windows = photoshop_.Windows();
    for (const OwnedWindow& w : ruler_.Windows())
        windows.push_back(w);
    windows.push_back({ProgramWindow::Preview, &capture_.Preview()});
    windows.push_back({ProgramWindow::HotTracker, &capture_.Tools().TrackingFrame()});
    windows.push_back({ProgramWindow::Rectangle, &capture_.Tools().RectangleOverlay()});
    return windows;
}

void ToolSet::SettingsLoaded(const Settings& settings, bool keyOpened) {
    if (keyOpened && settings.clearLibraryOnLoad) library_.ClearColorLibrary();
    picker_.SelectFormat(settings.colorValueForm);
    ruler_.SelectUnit(settings.rulerUnit);
    library_.LoadLibrary();
}

void ToolSet::ExportSnapshot(ExportKind kind) {
    photoshop_.ExportSnapshot(kind, capture_.PhotoshopOutputsEnabled());
}

HBITMAP ToolSet::SnapshotPicture() { return capture_.Tools().CurrentSnapshot().OutputBitmap(); }

}  // namespace vix
