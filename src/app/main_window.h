#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/about_box.h"
#include "app/main_update_host.h"
#include "app/section_layout.h"
#include "app/tool_set.h"
#include "app/tray_icon.h"
#include "common/registry_store.h"
#include "hotkeys/hot_key_service.h"
#include "settings/settings.h"
#include "settings_dialog/settings_dialog.h"
#include "tools/control_ids.h"
#include "tools/tool_host.h"
#include "tools/tool_table.h"
#include "tools/tool_windows.h"
#include "ui/form.h"
#include "ui/image_button.h"
#include "ui/label.h"
#include "ui/panel.h"

// The main window: a narrow, borderless, always-on-top panel with a title
// strip, caption buttons, four slanted tabs and, under them, the open tab's
// collapsible sections and the information bar. It owns the program's shared
// state: the open tab, the running tool and the mirrored settings. Its
// tools live in a ToolSet and are reached through the ToolTable only.

namespace vix {

class Tvix_main final : public ui::Form, public ToolHost, private ToolPages {
  public:
    explicit Tvix_main(RegistryStore& registry) : registry_(registry) {}

    // Creates the window hidden and runs its creation handler.
    void Create(HWND owner);
    // The windows it brings to the program: its dialogs and its tools'
    // windows, created after it.
    OwnedWindows Windows();
    // Makes the main window visible for the first time.
    void ShowMain();

    void ChangePage(int index) override;
    void ArrangeSections();
    void DisplayHint();
    void LoadSettings();
    void SaveSettings();
    // What the settings dialog edits and calls.
    vix::SettingsDialogServices DialogServices();

    // Shared state, read and set by the tools. The running tool (ActiveMode)
    // is kept by the tool table.
    int ActivePageIndex = 0;
    std::wstring ModePrompt;
    Settings settings;

    // What the tools ask of the main window.
    int OpenTab() const override { return ActivePageIndex; }
    void ExpandPage(const PageSpec& page) override;
    void ShowTab(int tab) override;
    ActiveMode CurrentMode() const override { return toolTable_.Mode(); }
    void SetCurrentMode(ActiveMode mode) override { toolTable_.SetMode(mode); }
    void SetModePrompt(std::wstring prompt) override;
    const Settings& CurrentSettings() const override { return settings; }
    void ChangeSettings(const std::function<void(Settings&)>& change) override;
    wchar_t DecimalSeparator() const override { return decimalSeparator_; }
    bool ArmHook(HookArm arm) override;
    void KeepOnTop() override;
    int RunBehind(const std::function<int(HWND owner)>& dialog) override;
    void ShowError(const std::wstring& text) override;
    void StepAside(bool aside) override;
    void HideForCapture(bool hidden) override;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    struct Tab {
        ui::Panel frame;
        ui::Panel caption;
    };
    // A page and its bar, as a tool declared it; `shown` is whether the
    // page is expanded.
    struct Section {
        const PageSpec* spec = nullptr;
        PageIds ids{};
        bool shown = false;
        ui::Panel bar;
        ui::ImageButton toggle;
        ui::Label caption;
        ui::Panel page;
    };

    // Creation, showing and closing.
    void FormCreate();
    void FormShow() override;
    void FormClose();
    void ApplyStoredLayout();
    // Reads the settings key into `settings` and tells the tools.
    void ReadSettings();
    void RegisterHotKeys();
    void UnRegisterHotKeys();
    void PlaceWindow();

    // Building the frame's controls.
    void BuildFrame();
    void BuildTabs();
    // The sections of the tools' pages, in the order declared; their
    // windows are made per tab, when the tab is first laid out or a tool
    // builds its controls on one of its pages.
    void DeclareSections();
    void MakeSections(int tab);
    void MakeSection(std::size_t index);
    ui::Panel& Page(const PageSpec& spec) override;
    // Builds the tools whose pages show on the open tab.
    void BuildShownTools();
    void ShapeTab(Tab& tab);
    static ui::PanelStyle TabCaptionStyle(bool open);

    // Tabs and sections: a click on tab `index`'s caption (Panel7Click,
    // Panel10Click, Panel12Click, Panel3Click) and on a section's toggle
    // (btnColorpickerShifterClick and its six siblings).
    void TabClick(int index);
    void ShiftSection(Section& section);

    // Title, caption buttons, menus and the tray.
    // Moves the window with the mouse; a press and release without moving
    // opens the vendor's site.
    void DragByTitle();     // Image1MouseDown
    void OpenVendorSite();  // Image1Click
    void TIMinimizeClick();
    void TIMaximizeClick();
    void TIExitClick();
    void btnSettingsClick();
    void btnHelpClick();
    void Help1Click();
    void About1Click();
    void AddSystemMenuItems();
    void TrayCallback(UINT mouseMessage);
    void PopupTrayMenu();
    bool SystemCommand(WPARAM command);
    void OpenHelpFile();
    void ShowSettingsDialog();

    RegistryStore& registry_;
    Point startPosition_;
    wchar_t decimalSeparator_ = L'.';
    ToolTable toolTable_{*this};
    HotKeyService hotKeys_;
    bool trayMaximizeVisible_ = false;  // which of "Maximize" and "Minimize" the tray menu offers

    ui::Panel pblMainPanel;
    ui::PictureBox imgTitle;          // Image1
    ui::ImageButton minimizeButton_;  // PNGButton1
    ui::ImageButton restoreButton_;   // btnMinimize, which restores
    ui::ImageButton btnClose;
    ui::ImageButton btnSettings;
    ui::ImageButton btnHelp;
    ui::Panel pnlTabs;
    ui::Panel pnlTabLine;
    // Panel8/Panel7 " Picker", Panel9/Panel10 " Ruler", Panel11/Panel12
    // " Capture", Panel2/Panel3 " More".
    std::array<Tab, kTabCount> tabs_;
    // pnlMainColorpicker, pnlMainRuler, pnlMainScreencapture, pnlMainMore.
    std::array<ui::Panel, kTabCount> sectionPanels_;
    // pnlColorpickerShifter and pnlColorPickerpage and the other pages, in
    // the order the tools added them.
    std::vector<std::unique_ptr<Section>> sections_;
    ui::Panel pnlHintMain;
    ui::Label pnlHint;
    TrayIcon TrayIconData;

    // The window as the update service, one of the tools, sees it.
    MainUpdateHost updateHost_{*this};
    ToolSet tools_{*this, registry_, updateHost_};
    TAbout about_;
    TSettings settingsDialog_{registry_, DialogServices()};
};

}  // namespace vix
