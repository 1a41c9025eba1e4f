// What the main window lends to its hot keys and its settings dialog: the
// keys press the window's own buttons, the dialog edits its settings.

#include "app/application.h"
#include "app/main_window.h"

namespace vix {

void Tvix_main::RegisterHotKeys() {
    const auto shown = [this](HotKeyPage page) -> bool& {
        return pageShown_[static_cast<int>(page == HotKeyPage::ColorPicker ? Page::ColorPicker
                                                                           : Page::Ruler)];
    };
    Application& app = Application::Instance();
    HotKeyActions a;
    a.openTab = [this] { return ActivePageIndex; };
    a.changePage = [this](int tab) { ChangePage(tab); };
    a.pageExpanded = [shown](HotKeyPage page) { return shown(page); };
    a.expandPage = [this](HotKeyPage page) {
        ShiftSection(page == HotKeyPage::ColorPicker ? Page::ColorPicker : Page::Ruler);
    };
    tools_.BindHotKeyButtons(a);
    a.trayOffersMinimize = [this] { return !trayMaximizeVisible_; };
    a.minimize = [&app] { app.Minimize(); };
    a.restore = [&app] { app.Restore(); };
    a.hideOwner = [&app] { app.HideOwner(); };
    BindHotKeys(toolTable_, std::move(a));
    hotKeys_.Register(hwnd());
}

void Tvix_main::UnRegisterHotKeys() { hotKeys_.Release(); }

SettingsDialogServices Tvix_main::DialogServices() {
    return {.settings = [this]() -> Settings& { return settings; },
            .saveSettings = [this] { SaveSettings(); },
            .loadSettings = [this] { LoadSettings(); },
            .clearColorLibrary = [this] { tools_.ClearColorLibrary(); },
            .hotKeysLeftOut = [this] { return hotKeys_.LeftOut(); },
            .installedPhotoshopVersions = [] { return ToolSet::InstalledPhotoshopVersions(); },
            .choosePhotoshopVersion =
                [this](const PhotoshopVersionList& list) {
                    tools_.ChoosePhotoshopVersion(list.keyNames, list.selected);
                }};
}

}  // namespace vix
