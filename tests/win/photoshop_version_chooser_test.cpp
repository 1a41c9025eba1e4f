// The version chooser and the start-up discovery over the fake version keys
// of the real registry.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "memory_registry.h"
#include "fake_photoshop_versions.h"
#include "fake_tool_host.h"
#include "photoshop/photoshop_bridge.h"
#include "photoshop/version_chooser.h"

namespace vix::test {
namespace {

class StandInHost final : public PhotoshopVersionHost {
  public:
    std::wstring ChosenVersion() const override { return version; }
    std::wstring LastListedVersion() const override { return last; }
    void StoreChoice(const std::wstring& v, const std::wstring& l) override {
        version = v;
        last = l;
        ++stored;
    }
    void ShowError(const std::wstring& text) override { errors.push_back(text); }
    void RunBehind(const std::function<void(HWND)>& dialog) override {
        ++dialogs;
        dialog(nullptr);
    }

    std::wstring version, last;
    int stored = 0;
    int dialogs = 0;
    std::vector<std::wstring> errors;
};

std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    ::GetWindowTextW(window, text, 512);
    return text;
}

std::vector<std::wstring> Items(HWND list) {
    std::vector<std::wstring> items;
    const auto count = ::SendMessageW(list, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        ::SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.emplace_back(text);
    }
    return items;
}

// Runs `act` once the chooser is shown modally.
std::function<void()>* whenShown = nullptr;
void CALLBACK OnTick(HWND, UINT, UINT_PTR timer, DWORD) {
    if (whenShown && *whenShown) {
        auto act = std::move(*whenShown);
        *whenShown = nullptr;
        ::KillTimer(nullptr, timer);
        act();
    }
}

class VersionChooserTest : public ::testing::Test {
  protected:
    void SetUp() override { chooser.Create(nullptr); }
    void TearDown() override {
        RemoveFakeVersions();
        platform::WinRegistry user;
        user.DeleteTree(RegistryRoot::CurrentUser,
                        std::wstring(L"Software\\Classes\\CLSID\\") + kPhotoshopClsid);
        user.DeleteTree(RegistryRoot::CurrentUser, L"Software\\Classes\\Photoshop.Application");
        user.DeleteTree(RegistryRoot::CurrentUser,
                        std::wstring(L"Software\\Classes\\Interface\\") + kPhotoshopApplicationIid);
        if (chooser.hwnd()) ::DestroyWindow(chooser.hwnd());
    }
    // Discovery; `act` runs when the chooser is shown.
    void Discover(std::function<void()> act = {}) {
        std::function<void()> pending = std::move(act);
        whenShown = &pending;
        const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, OnTick);
        DiscoverPhotoshopVersions(chooser, host);
        ::KillTimer(nullptr, timer);
        whenShown = nullptr;
    }
    std::wstring RegisteredServer() {
        platform::WinRegistry user;
        auto key = user.Open(
            RegistryRoot::CurrentUser,
            std::wstring(L"Software\\Classes\\CLSID\\") + kPhotoshopClsid + L"\\LocalServer32",
            OpenMode::Existing);
        if (!key) return L"";
        return key->Read(L"").value_or(RegistryValue{}).AsText().value_or(L"");
    }

    StandInHost host;
    Tvix_psVersion chooser{host};
};

TEST_F(VersionChooserTest, TheFormHasItsCaptionsAndLayout) {
    EXPECT_EQ(TextOf(chooser.hwnd()), L"Information");
    EXPECT_EQ(TextOf(chooser.OkButton()), L"Ok");
    RECT client{};
    ::GetClientRect(chooser.hwnd(), &client);
    EXPECT_EQ(client.right, 231);
    EXPECT_EQ(client.bottom, 131);
    EXPECT_TRUE(::GetWindowLongPtrW(chooser.hwnd(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    std::vector<std::wstring> texts;
    for (HWND child = ::GetWindow(chooser.hwnd(), GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT))
        texts.push_back(TextOf(child));
    EXPECT_NE(std::find(texts.begin(), texts.end(), L" Export "), texts.end());
    EXPECT_NE(std::find_if(texts.begin(), texts.end(),
                           [](const std::wstring& t) {
                               return t.starts_with(L"VIX has detected multiple versions");
                           }),
              texts.end());
}

TEST_F(VersionChooserTest, OneVersionIsRegisteredWithoutAsking) {
    ASSERT_TRUE(InstallFakeVersions(versions::One()));
    Discover();
    EXPECT_EQ(host.dialogs, 0);
    EXPECT_EQ(host.stored, 1);
    EXPECT_EQ(host.version, L"7.0");
    EXPECT_EQ(host.last, L"7.0");
    EXPECT_EQ(RegisteredServer(),
              L"C:\\Program Files\\Adobe\\Photoshop 7.0\\Photoshop.exe /Automation");
    EXPECT_FALSE(::IsWindowVisible(chooser.hwnd()));
}

TEST_F(VersionChooserTest, AStandingChoiceAndNoPhotoshopAskNothing) {
    RemoveFakeVersions();
    Discover();
    ASSERT_TRUE(InstallFakeVersions(versions::Two()));
    host.version = L"7.0";
    host.last = L"8.0";
    Discover();
    EXPECT_EQ(host.dialogs, 0);
    EXPECT_EQ(host.stored, 0);
    EXPECT_EQ(RegisteredServer(), L"");
}

TEST_F(VersionChooserTest, AnAddedVersionIsOfferedPreselectedAndOkRegistersIt) {
    ASSERT_TRUE(InstallFakeVersions(versions::ThirdAdded()));
    host.version = L"7.0";
    host.last = L"8.0";
    std::vector<std::wstring> shown;
    int selected = -1;
    bool visible = false;
    Discover([&] {
        visible = ::IsWindowVisible(chooser.hwnd()) != FALSE;
        shown = Items(chooser.VersionList());
        selected = static_cast<int>(::SendMessageW(chooser.VersionList(), CB_GETCURSEL, 0, 0));
        ::SendMessageW(chooser.OkButton(), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(host.dialogs, 1);
    EXPECT_TRUE(visible);
    EXPECT_EQ(shown,
              (std::vector<std::wstring>{L"Photoshop 7.0", L"Photoshop 8.0", L"Photoshop 9.0"}));
    EXPECT_EQ(selected, 2);
    EXPECT_EQ(host.version, L"9.0");
    EXPECT_EQ(host.last, L"9.0");
    EXPECT_EQ(RegisteredServer(),
              L"C:\\Program Files\\Adobe\\Photoshop 9.0\\Photoshop.exe /Automation");
    EXPECT_FALSE(::IsWindowVisible(chooser.hwnd()));
}

TEST_F(VersionChooserTest, TenComesBeforeNineAndAnUninstalledChoiceAsksAgain) {
    ASSERT_TRUE(InstallFakeVersions(versions::NineAndTen()));
    host.version = L"8.0";  // no longer installed
    host.last = L"9.0";
    std::vector<std::wstring> shown;
    Discover([&] {
        shown = Items(chooser.VersionList());
        // The user picks the first entry.
        ::SendMessageW(chooser.VersionList(), CB_SETCURSEL, 0, 0);
        ::SendMessageW(chooser.OkButton(), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(shown, (std::vector<std::wstring>{L"Photoshop 10.0", L"Photoshop 9.0"}));
    EXPECT_EQ(host.version, L"10.0");
    EXPECT_EQ(host.last, L"9.0");
}

TEST_F(VersionChooserTest, TheSettingsDialogHandsOverKeyNames) {
    const auto folder = MakeFolderWith({L"Photoshp.exe"});
    ASSERT_TRUE(InstallFakeVersions(versions::OldProgramName(folder, MakeFolderWith({}))));
    ChooseVersionFromSettings(chooser, {L"7.0", L"8.0"}, 0);
    EXPECT_EQ(host.version, L"7.0");
    EXPECT_EQ(host.last, L"8.0");
    EXPECT_EQ(RegisteredServer(), folder + L"Photoshp.exe /Automation");
    EXPECT_TRUE(host.errors.empty());
}

}  // namespace
}  // namespace vix::test

namespace vix::test {
namespace {

TEST_F(VersionChooserTest, ARefusedWriteNamesTheKeyStoresTheChoiceAndKeepsTheFormOpen) {
    ASSERT_TRUE(InstallFakeVersions(versions::Two()));
    MemoryRegistry refusing;
    refusing.refuseWrite = true;
    chooser.SetRegistrationTarget(refusing, UserClasses());
    bool stillShown = false;
    Discover([&] {
        ::SendMessageW(chooser.OkButton(), BM_CLICK, 0, 0);
        stillShown = ::IsWindowVisible(chooser.hwnd()) != FALSE;
        ::PostMessageW(chooser.hwnd(), WM_CLOSE, 0, 0);
    });
    EXPECT_TRUE(stillShown);
    EXPECT_EQ(refusing.writes, 1);
    EXPECT_EQ(host.stored, 1);
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_EQ(host.errors[0], RegistrationFailureMessage(
                                  L"HKEY_CURRENT_USER\\Software\\Classes\\Photoshop.Application"));
    EXPECT_EQ(host.version, L"8.0");
    EXPECT_EQ(host.last, L"8.0");
}

// At start the bridge looks the versions up only once the main window has
// painted (at a timer's tick); an export asked for before that tick looks
// them up first, and the lookup is made once.
TEST_F(VersionChooserTest, TheStartLookupWaitsForATickAndWhatNeedsItRunsItFirst) {
    ASSERT_TRUE(InstallFakeVersions(versions::One()));
    const auto bridgeFor = [](FakeToolHost& tools) {
        auto bridge = std::make_unique<PhotoshopBridge>(tools, [] { return HBITMAP{}; });
        for (const OwnedWindow& w : bridge->Windows())
            w.form->Create(nullptr);
        return bridge;
    };

    FakeToolHost exporting;
    auto exported = bridgeFor(exporting);
    exported->Shown();
    EXPECT_EQ(exporting.settingsSaved, 0);
    EXPECT_EQ(RegisteredServer(), L"");
    exported->ExportColor(false, 1, 2, 3);  // a disabled button: nothing goes to Photoshop
    EXPECT_EQ(exporting.settings.photoshopVersion, L"7.0");
    EXPECT_EQ(RegisteredServer(),
              L"C:\\Program Files\\Adobe\\Photoshop 7.0\\Photoshop.exe /Automation");
    Pump(100);
    EXPECT_EQ(exporting.settingsSaved, 1);

    FakeToolHost waitingHost;
    auto waiting = bridgeFor(waitingHost);
    waiting->Shown();
    EXPECT_TRUE(waiting->DiscoveryDue());
    Pump(100);
    EXPECT_FALSE(waiting->DiscoveryDue());
    EXPECT_EQ(waitingHost.settings.photoshopVersion, L"7.0");
    EXPECT_EQ(waitingHost.settingsSaved, 1);
}

}  // namespace
}  // namespace vix::test
