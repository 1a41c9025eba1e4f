#pragma once

#include <string>
#include <vector>

#include "photoshop/registration.h"
#include "photoshop/version_host.h"
#include "ui/form.h"

// The version chooser: shown when several Photoshop versions are installed
// (or the set has changed since the last choice); its OK registers the
// chosen version as the one "Photoshop.Application" starts.

namespace vix {

class Tvix_psVersion final : public ui::ProgramForm {
  public:
    explicit Tvix_psVersion(PhotoshopVersionHost& host) : host_(host) {}
    void Create(HWND owner) override;

    // Fills the form's version list (registry key names) and the combo box
    // with "Photoshop " and each name, selecting `selected`.
    void SetVersions(std::vector<std::wstring> versions, int selected);
    const std::vector<std::wstring>& Versions() const { return versions_; }

    // Registers the version at the combo box's index, stores the choice and
    // closes the form; a refused write shows a message naming the key and
    // leaves the form open.
    void btnOkClick();

    // Where the registration goes: the user's own classes of the real
    // registry unless a test says otherwise.
    void SetRegistrationTarget(RegistryStore& store, ClassesRoot classes) {
        classesStore_ = &store;
        classes_ = std::move(classes);
    }

    HWND VersionList() {
        EnsureContent();
        return lbPSVersion;
    }
    HWND OkButton() {
        EnsureContent();
        return btnOk;
    }

  protected:
    void CreateContent() override;

  private:
    PhotoshopVersionHost& host_;
    std::vector<std::wstring> versions_;
    RegistryStore* classesStore_ = nullptr;  // none: the real registry
    ClassesRoot classes_ = UserClasses();
    HWND grpExport = nullptr;
    HWND imgInfo = nullptr;
    HWND lblText = nullptr;
    HWND lbPSVersion = nullptr;  // lbPSVerion
    HWND btnOk = nullptr;
};

// The Photoshop step of the main window's FormShow: finds the installed
// versions in both registry views and, unless the standing choice still
// fits them, registers the only one or lets the user choose.
void DiscoverPhotoshopVersions(Tvix_psVersion& chooser, PhotoshopVersionHost& host);

// The installed versions in both registry views, in the registry's order;
// empty when no view has Photoshop's key.
std::vector<std::wstring> InstalledPhotoshopVersions();

// The settings dialog's OK when the user picked another version there:
// `versions` are registry key names, `selected` an index into them.
void ChooseVersionFromSettings(Tvix_psVersion& chooser, std::vector<std::wstring> versions,
                               int selected);

}  // namespace vix
