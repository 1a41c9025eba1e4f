#include "app/tool_set.h"

#include "app/startup_timeline.h"

namespace vix {

void ToolSet::Build(const std::function<ui::Panel&(Page)>& page, ToolTable& table) {
    picker_.Create(page(Page::ColorPicker).hwnd());
    startup::Mark("    picker");
    picker_.onSampleTaken = [this](ColorWord c) { library_.Newcolor(c); };
    library_.Create(page(Page::ColorLib).hwnd(), page(Page::ColorLib));
    startup::Mark("    library");
    library_.formatIndex = [this] { return picker_.FormatIndex(); };
    library_.onTakeColor = [this](ColorWord c) { picker_.GetColorFromLib(c); };
    colorInfo_.Create(page(Page::ColorInfo).hwnd());
    startup::Mark("    colour information");
    ruler_.Create(page(Page::Ruler).hwnd(), page(Page::RulerViews).hwnd(), page(Page::RulerInfo));
    ruler_.WriteDpi();
    startup::Mark("    ruler");
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

void ToolSet::BindHotKeyButtons(HotKeyActions& a) {
    a.pickerButton = [this] { picker_.btnEnablePickerClick(); };
    a.webSafeColor = [this] { picker_.btnWebSafeColorClick(); };
    a.rulerButton = [this] { ruler_.btnEnableRulerClick(); };
    a.rotateRuler = [this] { ruler_.btnRotateRulerClick(); };
    a.flipRuler = [this] { ruler_.btnFlipRulerClick(); };
    a.saveLibrary = [this] { library_.btnSaveAsACTClick(); };
    a.copyColor = [this] { picker_.btnColorToClipboardClick(); };
    // The capture and Photoshop buttons join when their tools do.
}

}  // namespace vix
