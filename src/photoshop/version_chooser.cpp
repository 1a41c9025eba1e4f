#include "photoshop/version_chooser.h"

#include "photoshop/version_list.h"
#include "platform/registry.h"
#include "ui/control.h"
#include "ui/skin.h"
#include "ui/standard_controls.h"

namespace vix {
namespace {

constexpr wchar_t kChooserText[] =
    L"VIX has detected multiple versions of Photoshop on your computer. Please select the "
    L"version you would like to use for the export functions";

bool FileExists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Both views: a 32-bit program sees only the 32-bit one by default, where
// current (64-bit) versions of Photoshop are not listed.
struct VersionViews {
    platform::WinRegistry bits64{platform::RegistryView::Bits64};
    platform::WinRegistry bits32{platform::RegistryView::Bits32};
    RegistryStore* views[2] = {&bits64, &bits32};
};

}  // namespace

void Tvix_psVersion::Create(HWND owner) {
    CreateDialogForm(L"Tvix_psVersion", L"Information", {231, 131}, owner);
}

void Tvix_psVersion::CreateContent() {
    const HFONT font = ui::SkinFont(ui::FontId::Dialog);
    grpExport = ui::CreateStandardControl(hwnd(), L"BUTTON", L" Export ", BS_GROUPBOX,
                                          Rect::FromBounds(6, 3, 219, 92), 0, font);
    imgInfo = ui::CreateStandardControl(hwnd(), L"STATIC", L"", SS_ICON,
                                        Rect::FromBounds(16, 22, 32, 32), 0, font);
    ::SendMessageW(imgInfo, STM_SETICON,
                   reinterpret_cast<WPARAM>(::LoadIconW(nullptr, IDI_INFORMATION)), 0);
    lblText = ui::CreateStandardControl(hwnd(), L"STATIC", kChooserText, SS_LEFT,
                                        Rect::FromBounds(56, 18, 162, 44), 0, font);
    lbPSVersion = ui::CreateStandardControl(hwnd(), L"COMBOBOX", L"",
                                            WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                                            Rect::FromBounds(16, 64, 200, 120), 0, font);
    btnOk = ui::CreateStandardControl(hwnd(), L"BUTTON", L"Ok", WS_TABSTOP | BS_DEFPUSHBUTTON,
                                      Rect::FromBounds(150, 101, 75, 25), IDOK, font);
    ui::OnClick(btnOk, [this] { btnOkClick(); });
}

void Tvix_psVersion::SetVersions(std::vector<std::wstring> versions, int selected) {
    EnsureContent();
    versions_ = std::move(versions);
    ::SendMessageW(lbPSVersion, CB_RESETCONTENT, 0, 0);
    for (const auto& label : ChooserLabels(versions_))
        ::SendMessageW(lbPSVersion, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
    ::SendMessageW(lbPSVersion, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void Tvix_psVersion::btnOkClick() {
    EnsureContent();
    const int index = static_cast<int>(::SendMessageW(lbPSVersion, CB_GETCURSEL, 0, 0));
    VersionViews registry;
    platform::WinRegistry realClasses;
    RegistryStore& classesStore = classesStore_ ? *classesStore_ : realClasses;
    const ChoiceOutcome outcome =
        ChooseVersion(versions_, index, registry.views, classesStore, classes_, FileExists);
    if (outcome.chosenVersion && outcome.lastListedVersion)
        host_.StoreChoice(*outcome.chosenVersion, *outcome.lastListedVersion);
    if (outcome.failedKey) host_.ShowError(RegistrationFailureMessage(*outcome.failedKey));
    if (outcome.closeForm) EndModal(IDOK);
}

void DiscoverPhotoshopVersions(Tvix_psVersion& chooser, PhotoshopVersionHost& host) {
    VersionViews registry;
    const auto versions = ReadInstalledVersions(registry.views);
    const StartupChoice choice =
        DecideAtStartup(versions, host.ChosenVersion(), host.LastListedVersion());
    if (choice.action == StartupChoice::Action::Nothing) return;
    chooser.SetVersions(*versions, choice.selected);
    if (choice.action == StartupChoice::Action::Register) {
        chooser.btnOkClick();
        return;
    }
    host.RunBehind([&](HWND owner) {
        if (owner) chooser.CenterOn(owner);
        chooser.ShowModal();
    });
}

std::vector<std::wstring> InstalledPhotoshopVersions() {
    VersionViews registry;
    return ReadInstalledVersions(registry.views).value_or(std::vector<std::wstring>{});
}

void ChooseVersionFromSettings(Tvix_psVersion& chooser, std::vector<std::wstring> versions,
                               int selected) {
    chooser.SetVersions(std::move(versions), selected);
    chooser.btnOkClick();
}

}  // namespace vix
