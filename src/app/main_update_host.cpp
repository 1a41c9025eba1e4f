#include "app/main_update_host.h"

#include "app/main_window.h"
#include "platform/private_folder.h"
#include "update/update_folder.h"
#include "update/signature_check.h"

namespace vix {

std::wstring MainUpdateHost::ProgramPath() const { return OwnProgramPath(); }

std::wstring MainUpdateHost::UpdateFolder() const {
    const std::wstring local = platform::LocalAppDataFolder();
    return local.empty() ? std::wstring() : UpdateFolderIn(local);
}

HWND MainUpdateHost::DialogOwner() const { return main_.hwnd(); }

void MainUpdateHost::RunBehind(const std::function<void()>& dialog) {
    main_.RunBehind([&](HWND) {
        dialog();
        return 0;
    });
}

std::wstring MainUpdateHost::DeclinedVersions() const {
    return main_.settings.skippedUpdateVersions;
}

void MainUpdateHost::StoreDeclinedVersions(const std::wstring& declined) {
    main_.settings.skippedUpdateVersions = declined;
    main_.SaveSettings();
    main_.LoadSettings();
}

std::int32_t MainUpdateHost::UpdateProgramVersion() const {
    return main_.settings.downloadedUpdateVersion;
}

void MainUpdateHost::StoreUpdateProgramVersion(std::int32_t version) {
    main_.settings.downloadedUpdateVersion = version;
    main_.SaveSettings();
}

// Posted: the dialog that asks is still on the stack.
void MainUpdateHost::CloseProgram() { ::PostMessageW(main_.hwnd(), WM_CLOSE, 0, 0); }

}  // namespace vix
