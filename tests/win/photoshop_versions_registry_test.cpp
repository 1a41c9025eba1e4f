// Discovery and registration of Photoshop versions on the real registry,
// over the fake version keys, in both registry views.

#include <windows.h>

#include <gtest/gtest.h>

#include "fake_photoshop_versions.h"
#include "photoshop/registration.h"
#include "photoshop/version_chooser.h"
#include "photoshop/version_list.h"

namespace vix::test {
namespace {

using Names = std::vector<std::wstring>;

bool FileExists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class PhotoshopVersionsTest : public ::testing::Test {
  protected:
    void TearDown() override {
        RemoveFakeVersions();
        user.DeleteTree(RegistryRoot::CurrentUser,
                        std::wstring(L"Software\\Classes\\CLSID\\") + kPhotoshopClsid);
        user.DeleteTree(RegistryRoot::CurrentUser, L"Software\\Classes\\Photoshop.Application");
        user.DeleteTree(RegistryRoot::CurrentUser,
                        std::wstring(L"Software\\Classes\\Interface\\") + kPhotoshopApplicationIid);
    }
    std::optional<Names> Discover() { return ReadInstalledVersions(views); }

    ViewRegistry view32{RegistryView::Bits32};
    ViewRegistry view64{RegistryView::Bits64};
    ViewRegistry user{RegistryView::Default};
    RegistryStore* views[2] = {&view64, &view32};
};

TEST_F(PhotoshopVersionsTest, TheCasesAreListedInTheRegistrysOrder) {
    RemoveFakeVersions();
    EXPECT_FALSE(Discover().has_value());
    struct Case {
        std::vector<FakeVersion> installed;
        Names listed;
    };
    const Case cases[] = {
        {versions::One(), {L"7.0"}},
        {versions::Two(), {L"7.0", L"8.0"}},
        {versions::ThirdAdded(), {L"7.0", L"8.0", L"9.0"}},
        {versions::NineAndTen(), {L"10.0", L"9.0"}},
        {versions::OneWithoutPath(), {L"7.0", L"8.0"}},
        {versions::BothViews(), {L"13.0", L"9.0"}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(InstallFakeVersions(c.installed));
        EXPECT_EQ(Discover(), c.listed);
    }
}

TEST_F(PhotoshopVersionsTest, TheStartupDecisionFollowsTheInstalledVersions) {
    ASSERT_TRUE(InstallFakeVersions(versions::One()));
    EXPECT_EQ(DecideAtStartup(Discover(), L"", L"").action, StartupChoice::Action::Register);
    ASSERT_TRUE(InstallFakeVersions(versions::Two()));
    EXPECT_EQ(DecideAtStartup(Discover(), L"7.0", L"8.0").action, StartupChoice::Action::Nothing);
    ASSERT_TRUE(InstallFakeVersions(versions::ThirdAdded()));
    const auto added = DecideAtStartup(Discover(), L"7.0", L"8.0");
    EXPECT_EQ(added.action, StartupChoice::Action::Ask);
    EXPECT_EQ(added.labels.at(static_cast<std::size_t>(added.selected)), L"Photoshop 9.0");
}

TEST_F(PhotoshopVersionsTest, AVersionOnlyInThe64BitViewIsFoundThroughIt) {
    ASSERT_TRUE(InstallFakeVersions(versions::BothViews()));
    RegistryStore* only32[] = {&view32};
    EXPECT_EQ(ReadInstalledVersions(only32), Names{L"9.0"});
    // What the settings dialog lists: both views, like discovery.
    EXPECT_EQ(InstalledPhotoshopVersions(), (Names{L"13.0", L"9.0"}));
    EXPECT_EQ(ReadApplicationPath(views, L"13.0"), L"C:\\Program Files\\Adobe\\Photoshop 13.0\\");
}

TEST_F(PhotoshopVersionsTest, ChoosingRegistersForTheUserWithTheProgramFoundInTheFolder) {
    const auto photoshp = MakeFolderWith({L"Photoshp.exe"});
    const auto empty = MakeFolderWith({});
    ASSERT_TRUE(InstallFakeVersions(versions::OldProgramName(photoshp, empty)));
    const auto listed = Discover().value_or(Names{});
    ASSERT_EQ(listed, (Names{L"7.0", L"8.0"}));

    const auto server = [&] {
        auto key = user.Open(
            RegistryRoot::CurrentUser,
            std::wstring(L"Software\\Classes\\CLSID\\") + kPhotoshopClsid + L"\\LocalServer32",
            OpenMode::Existing);
        return key ? key->Read(L"")->AsText().value_or(L"") : std::wstring();
    };
    auto outcome = ChooseVersion(listed, 0, views, user, UserClasses(), FileExists);
    EXPECT_FALSE(outcome.failedKey);
    EXPECT_EQ(outcome.chosenVersion, L"7.0");
    EXPECT_EQ(outcome.lastListedVersion, L"8.0");
    EXPECT_EQ(server(), photoshp + L"Photoshp.exe /Automation");

    outcome = ChooseVersion(listed, 1, views, user, UserClasses(), FileExists);
    EXPECT_EQ(server(), empty + L"Photoshop.exe /Automation");
    auto progId =
        user.Open(RegistryRoot::CurrentUser,
                  std::wstring(L"Software\\Classes\\CLSID\\") + kPhotoshopClsid + L"\\ProgID",
                  OpenMode::Existing);
    ASSERT_TRUE(progId);
    EXPECT_EQ(progId->Read(L"")->AsText(), L"Photoshop.Application.8.0");

    ::DeleteFileW((photoshp + L"Photoshp.exe").c_str());
    ::RemoveDirectoryW(photoshp.c_str());
    ::RemoveDirectoryW(empty.c_str());
}

TEST_F(PhotoshopVersionsTest, AVersionWithoutApplicationPathIsNotRegistered) {
    ASSERT_TRUE(InstallFakeVersions(versions::OneWithoutPath()));
    const auto listed = Discover().value_or(Names{});
    const auto outcome = ChooseVersion(listed, 1, views, user, UserClasses(), FileExists);
    EXPECT_FALSE(outcome.chosenVersion);
    EXPECT_EQ(user.Open(RegistryRoot::CurrentUser, L"Software\\Classes\\Photoshop.Application",
                        OpenMode::Existing),
              nullptr);
}

}  // namespace
}  // namespace vix::test
