#include "app/tool_set.h"

namespace vix {

void ToolSet::Build(const std::function<ui::Panel&(Page)>& page, ToolTable& table) {
    picker_.Create(page(Page::ColorPicker).hwnd());
    picker_.onSampleTaken = [this](ColorWord c) { library_.Newcolor(c); };
    // The button is enabled only once a colour has been taken.
    picker_.onColorToPS = [this](ColorWord c) {
        photoshop_.ExportColor(true, Red(c), Green(c), Blue(c));
    };
    library_.Create(page(Page::ColorLib).hwnd(), page(Page::ColorLib));
    library_.formatIndex = [this] { return picker_.FormatIndex(); };
    library_.onTakeColor = [this](ColorWord c) { picker_.GetColorFromLib(c); };
    colorInfo_.Create(page(Page::ColorInfo).hwnd());
    ruler_.Create(page(Page::Ruler).hwnd(), page(Page::RulerViews).hwnd(), page(Page::RulerInfo));
    ruler_.WriteDpi();
    table.Add(picker_);
    table.Add(ruler_);
}

OwnedWindows ToolSet::Windows() {
    OwnedWindows windows = photoshop_.Windows();
    for (const OwnedWindow& w : ruler_.Windows())
        windows.push_back(w);
    return windows;
}

void ToolSet::SettingsLoaded(const Settings& settings, bool keyOpened) {
    if (keyOpened && settings.ResetLibraryOnstartup) library_.ClearColorLibrary();
    picker_.SelectFormat(settings.DefaultColorValues);
    ruler_.SelectUnit(settings.RulerValue);
    library_.LoadLibrary();
}

}  // namespace vix
