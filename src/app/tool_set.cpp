#include "app/tool_set.h"

namespace vix {

void ToolSet::Build(const std::function<ui::Panel&(Page)>& page, ToolTable& table) {
    picker_.Create(page(Page::ColorPicker).hwnd());
    picker_.onSampleTaken = [this](ColorWord c) { library_.Newcolor(c); };
    library_.Create(page(Page::ColorLib).hwnd(), page(Page::ColorLib));
    library_.formatIndex = [this] { return picker_.FormatIndex(); };
    library_.onTakeColor = [this](ColorWord c) { picker_.GetColorFromLib(c); };
    colorInfo_.Create(page(Page::ColorInfo).hwnd());
    ruler_.Create(page(Page::Ruler).hwnd(), page(Page::RulerViews).hwnd(), page(Page::RulerInfo));
    ruler_.WriteDpi();
    table.Add(picker_);
    table.Add(ruler_);
}

OwnedWindows ToolSet::Windows() { return ruler_.Windows(); }

void ToolSet::SettingsLoaded(const Settings& settings, bool keyOpened) {
    if (keyOpened && settings.ResetLibraryOnstartup) library_.ClearColorLibrary();
    picker_.SelectFormat(settings.DefaultColorValues);
    ruler_.SelectUnit(settings.RulerValue);
    library_.LoadLibrary();
}

}  // namespace vix
