// The release's installer under Wine, as a user would use it: installed
// silently, the program started from where it went, updated, and
// uninstalled silently. The package is made by scripts/package --test (the CTest
// fixture "package") and signed with the test certificate it makes.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/private_folder.h"
#include "root_trust.h"
#include "settings/settings.h"
#include "test_server.h"
#include "update/signature_reading.h"
#include "update/update_folder.h"
#include "vix_fixture.h"
#include "wine_host.h"

namespace vix::e2e {
namespace {

using namespace std::chrono_literals;

constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\VIX";
constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::wstring PackageFolder() { return test::WindowsPath(VIX_PACKAGE_DIR "/"); }
std::wstring CertificateFolder() { return PackageFolder() + L"test-certificate\\"; }
std::wstring InstallerFile() {
    return PackageFolder() + L"VIX-" VIX_VERSION_TEXT L"-" VIX_BUILD_NAME L"-setup.exe";
}

bool Exists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<std::wstring> UserText(const wchar_t* key, const wchar_t* name) {
    wchar_t value[1024] = L"";
    DWORD size = sizeof(value);
    if (::RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(value);
}

bool UserKeyExists(const wchar_t* key) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(opened);
    return true;
}

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
    wchar_t* path = nullptr;
    if (FAILED(::SHGetKnownFolderPath(id, 0, nullptr, &path))) return {};
    std::wstring folder = std::wstring(path) + L"\\";
    ::CoTaskMemFree(path);
    return folder;
}

class InstallerE2E : public VixTest {
  protected:
    static void SetUpTestSuite() {
        trusted_ = test::TrustTestRoot(CertificateFolder() + L"root.der");
        server_ = new test::TestServer(CertificateFolder());
    }
    static void TearDownTestSuite() {
        delete server_;
        server_ = nullptr;
        test::DistrustTestRoot(CertificateFolder() + L"root.der");
    }
    void SetUp() override {
        VixTest::SetUp();
        ASSERT_TRUE(trusted_);
        ASSERT_TRUE(server_->ok());
        installed_ = platform::LocalAppDataFolder() + L"Programs\\VIX\\";
        link_ = KnownFolder(FOLDERID_Programs) + L"VIX.lnk";
        updateFolder_ = UpdateFolderIn(platform::LocalAppDataFolder());
        test::ForgetCachedRevocationLists();
    }
    void TearDown() override {
        VixTest::TearDown();
        // Whatever a failed case left behind.
        platform::EmptyFolderExcept(installed_, L"");
        ::RemoveDirectoryW(installed_.c_str());
        ::DeleteFileW(link_.c_str());
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kUninstallKey);
        ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"VIX");
    }

    static long Install(const std::wstring& options) {
        return test::RunProgram(L"\"" + InstallerFile() + L"\" /S " + options, 120s);
    }

    static bool trusted_;
    static test::TestServer* server_;
    std::wstring installed_;
    std::wstring link_;
    std::wstring updateFolder_;
};

bool InstallerE2E::trusted_ = false;
test::TestServer* InstallerE2E::server_ = nullptr;

TEST_F(InstallerE2E, InstallsForTheUserRunsUpdatesAndUninstallsKeepingTheSettings) {
    ASSERT_TRUE(Exists(InstallerFile())) << "no installer made";
    ASSERT_EQ(Install(L""), 0);
    const std::wstring vix = installed_ + L"vix.exe";
    for (const wchar_t* file : {L"vix.exe", L"Vix32.dll", L"help.chm", L"uninstall.exe"})
        EXPECT_TRUE(Exists(installed_ + file)) << file;
    EXPECT_TRUE(Exists(link_)) << "no Start menu entry";
    EXPECT_EQ(UserText(kUninstallKey, L"DisplayName"), L"VIX");
    EXPECT_EQ(UserText(kUninstallKey, L"DisplayVersion"), VIX_VERSION_TEXT);
    EXPECT_EQ(UserText(kUninstallKey, L"Publisher"), L"Brellin Software Development");
    EXPECT_EQ(UserText(kUninstallKey, L"QuietUninstallString"),
              L"\"" + installed_ + L"uninstall.exe\" /S");
    EXPECT_FALSE(UserText(kRunKey, L"VIX")) << "started at sign-in without being asked";
    // The uninstaller is made by the installer; the files it installs, and
    // the installer itself, are checked in the package (package_listing.py).
    EXPECT_EQ(ReadSignature(installed_ + L"uninstall.exe", nullptr, false).trust, ERROR_SUCCESS);

    // Installed again, asked to start at sign-in.
    ASSERT_EQ(Install(L"/AUTOSTART=1"), 0);
    EXPECT_EQ(UserText(kRunKey, L"VIX"), L"\"" + vix + L"\"");

    // The installed program, signed by the package's certificate, takes an
    // update program signed by that same certificate.
    const std::wstring served = test::NewTempFolder(L"vix-served") + L"u.exe";
    ASSERT_TRUE(test::SignTestFile(CertificateFolder(), "publisher",
                                   BinDir() + L"\\update_stub.exe", served));
    ASSERT_TRUE(server_->Script(
        R"({"/scripts/get_vix_updates/get.html": )" +
        test::BodyRoute("majvers_availible=2;minvers_availible=5;upgrade_program_version=3;"
                        "upgrade_program_path=https://127.0.0.1:{https}/u.exe") +
        R"(, "/u.exe": {"file": )" + test::JsonText(test::UnixPath(served)) + "}}"));
    ::SetEnvironmentVariableW(L"VIX_UPDATE_SERVER", server_->Base(true).c_str());
    vix_ = std::make_unique<VixProcess>(vix);
    ASSERT_TRUE(vix_->Start());
    main_ = vix_->WaitForMainWindow();
    ASSERT_NE(main_, nullptr);
    HWND dialog = vix_->WaitForWindow(L"Tvix_update", 8000);
    ASSERT_NE(dialog, nullptr) << "no update offered";
    LeftClickAt(Center(FindByText(dialog, L"Update")));
    ASSERT_TRUE(vix_->WaitForExit(30000)) << "the program did not end for its update";
    EXPECT_TRUE(test::WaitForFile(UpdateProgramPath(updateFolder_) + L".started", 20s))
        << "the update program signed like the program was not started";
    EXPECT_TRUE(SettingsDword(L"Update_program_version").has_value());

    // Uninstalled as the list of installed programs does it, silently.
    const auto quiet = UserText(kUninstallKey, L"QuietUninstallString");
    ASSERT_TRUE(quiet);
    ASSERT_EQ(test::RunProgram(*quiet, 60s), 0);
    // The uninstaller goes on from a copy of itself in the temporary
    // folder; its last step removes its entry.
    EXPECT_TRUE(WaitUntil([&] { return !UserKeyExists(kUninstallKey); }, 20000))
        << "the entry in the list of installed programs stayed";
    EXPECT_FALSE(Exists(installed_));
    EXPECT_FALSE(Exists(link_));
    EXPECT_FALSE(UserText(kRunKey, L"VIX"));
    EXPECT_FALSE(Exists(updateFolder_));
    EXPECT_TRUE(UserKeyExists(kSettingsKeyPath)) << "the user's settings went with the program";
}

}  // namespace
}  // namespace vix::e2e
