#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "common/registry_store.h"
#include "settings/setting_rows.h"
#include "settings/settings.h"
#include "settings_dialog/photoshop_versions.h"
#include "settings_dialog/settings_dialog_model.h"
#include "settings_dialog/tool_settings_page.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/panel.h"

// The settings dialog: four pages of options over the main window's
// mirrored settings, written back, saved and loaded again on OK; and two
// actions that take effect at once, emptying the colour library and
// restoring every default.

namespace vix {

// Identifiers of the dialog's controls that have no caption of their own.
enum SettingsControlId : int {
    kIdSettingsSelect = 1301,
    kIdSettingsPhotoshopVersion,
    kIdSettingsColorValues,
    kIdSettingsClipboardFormat,
    kIdSettingsExportTo,
    kIdSettingsRulerUnits,
    kIdSettingsRulerColor,
    kIdSettingsSequenceName,
    kIdSettingsSequenceFormat,
    kIdSettingsSequenceNumbers,
    kIdSettingsExampleName,
    kIdSettingsJpegQuality,
    kIdSettingsHotKeysLeftOut,
    // The edit fields of the tools' pages: 20 to a page.
    kIdSettingsToolFieldFirst = 1400,
};
inline constexpr int kToolFieldsPerPage = 20;

// What the dialog needs of the main window.
struct SettingsDialogServices {
    std::function<Settings&()> settings;
    std::function<void()> saveSettings;
    std::function<void()> loadSettings;
    std::function<void()> clearColorLibrary;
    // The hot keys that do nothing, and why, in one line.
    std::function<std::wstring()> hotKeysLeftOut;
    // The installed Photoshop versions' registry key names, in the
    // registry's order, of both registry views (as discovery lists them, so
    // that a choice made here names the same version). None without it.
    std::function<std::vector<std::wstring>()> installedPhotoshopVersions;
    // The Photoshop version choice: registers the chosen version for
    // automation and stores it. Without it the choice is only stored.
    std::function<void(const PhotoshopVersionList& list)> choosePhotoshopVersion;
    // The tools' rows; those with a caption get a page of their tool's
    // after the four. None without it.
    std::function<std::span<const SettingGroup>()> toolSettings;
};

// A page panel that hands the notices of its controls that come as their
// own messages (owner drawing) to the dialog.
class SettingsPagePanel final : public ui::Panel {
  public:
    std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)> onMessage;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class TSettings final : public ui::ProgramForm {
  public:
    TSettings(RegistryStore& registry, SettingsDialogServices services)
        : registry_(registry), services_(std::move(services)) {}
    void Create(HWND owner) override;

    SettingsPage CurrentPage() const { return page_; }
    const PhotoshopVersionList& PhotoshopVersions() const { return versions_; }
    // The controls' states as OK would take them.
    SettingsDialogState ReadControls() const;

    // Handlers.
    void lstSettingsSelectChange();
    void btnSettingsNextClick();
    void btnSettingsPrevClick();
    void btnSettingsOKClick();
    void btnSettingsCancelClick();
    void btnClearLibraryClick();     // Button1Click, "Clear the &Library"
    void btnRestoreDefaultsClick();  // Button2Click, "&Restore Defaults"
    void ChangeButton();

  protected:
    void CreateContent() override;
    void FormShow() override;
    void FormHide() override;

  private:
    void BuildFrame();
    void BuildPages();
    void BuildGeneralPage(HWND page);
    void BuildColorpickerPage(HWND page);
    void BuildScreenRulerPage(HWND page);
    void BuildScreenCapturePage(HWND page);
    void BuildSpinField(HWND page);
    void BuildToolPages();
    void SetUpPage(SettingsPagePanel& page);
    int PageCount() const { return kSettingsPageCount + static_cast<int>(toolPages_.size()); }
    SettingsPagePanel& PagePanel(int index);
    // False, with the page shown and the user told, when a tool's field holds
    // what cannot be stored.
    bool ToolFieldsAccepted();
    void FillControls();
    void FillPhotoshopVersions();
    void FillRulerColors(std::uint32_t color);
    void ShowPage(SettingsPage page);
    void ShowExampleName();
    void edtSequenceDigitsChange();
    bool DrawColorItem(const DRAWITEMSTRUCT& item);

    RegistryStore& registry_;
    SettingsDialogServices services_;
    SettingsPage page_ = SettingsPage::General;
    PhotoshopVersionList versions_;
    std::wstring lastSpinText_ = L"3";
    bool filling_ = false;

    ui::Panel pnlFrame;
    std::array<SettingsPagePanel, kSettingsPageCount> pages_;
    // The tools' pages, after the four.
    struct ToolPage {
        explicit ToolPage(const SettingGroup& group) : fields(group) {}
        SettingsPagePanel panel;
        ToolSettingsPage fields;
    };
    std::vector<std::unique_ptr<ToolPage>> toolPages_;
    HWND lstSettingsSelect = nullptr;
    HWND btnSettingsOK = nullptr, btnSettingsCancel = nullptr;
    HWND btnSettingsPrev = nullptr, btnSettingsNext = nullptr;
    HWND btnRestoreDefaults = nullptr;  // Button2
    // General.
    HWND chkRememberPosition = nullptr;  // chkRemeberlastposition
    HWND chkRememberinterfacelayout = nullptr;
    HWND lbPSVersion = nullptr;  // lbPSVerion
    HWND chkInfoBar = nullptr, lblHotKeysLeftOut = nullptr;
    // Colorpicker.
    HWND lstColorValues = nullptr;      // ComboBox3
    HWND lstClipboardFormat = nullptr;  // ComboBox1
    HWND chkAutoSampleToClipboard = nullptr;
    HWND lstExportTo = nullptr;         // ComboBox2
    HWND chkNoDoubleSamples = nullptr;  // CheckBox1
    HWND chkResetLibrary = nullptr;     // CheckBox2
    HWND btnClearLibrary = nullptr;     // Button1
    // Screen ruler.
    HWND lstRulerUnits = nullptr, lstRulerColor = nullptr;
    // Screen capture.
    HWND edtSequenceName = nullptr;    // Edit4
    HWND lstSequenceFormat = nullptr;  // ComboBox5
    HWND edtSequenceDigits = nullptr;  // SpinEdit1
    HWND SpinButtons = nullptr;
    HWND lblExampleStr = nullptr;
    HWND trkJpegQuality = nullptr;  // TrackBar1
};

}  // namespace vix
