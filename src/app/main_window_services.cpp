// What the main window lends to its hot keys and its settings dialog: the
// window's own key minimises it, the dialog edits its settings.

#include "app/application.h"
#include "app/main_window.h"

namespace vix {

void Tvix_main::RegisterHotKeys() {
    // Follows the tray menu: "Minimize" offered minimises, else restores.
    toolTable_.BindHotKey({.key = HotKeyId::MinimizeVix, .action = [this] {
                               Application& app = Application::Instance();
                               if (trayMaximizeVisible_)
                                   app.Restore();
                               else
                                   app.Minimize();
                               app.HideOwner();
                           }});
    hotKeys_.Register(hwnd(), toolTable_.KeyRows());
}

void Tvix_main::UnRegisterHotKeys() { hotKeys_.Release(); }

SettingsDialogServices Tvix_main::DialogServices() {
    SettingsDialogServices services;
    services.settings = [this]() -> Settings& { return settings; };
    services.saveSettings = [this] { SaveSettings(); };
    services.loadSettings = [this] { LoadSettings(); };
    services.hotKeysLeftOut = [this] { return hotKeys_.LeftOut(); };
    services.toolSettings = [this] { return toolTable_.SettingRows().Groups(); };
    tools_.LinkSettingsDialog(services);
    return services;
}

}  // namespace vix
