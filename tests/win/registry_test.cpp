// The registry store on the real registry: the contract the in-memory store
// also passes, and the settings key read and written for real. Every case
// works below a key of the tests' own; the user's keys are never touched.

#include <gtest/gtest.h>

#include "settings/settings_store.h"
#include "platform/registry.h"
#include "prefixed_registry.h"
#include "registry_contract.h"

namespace vix::platform {
namespace {

constexpr auto kUser = RegistryRoot::CurrentUser;
constexpr wchar_t kOwnKey[] = L"Software\\VixTests\\Settings";

using test::RegistryContract;

INSTANTIATE_TEST_SUITE_P(OnWindows, RegistryContract,
                         ::testing::Values(test::RegistryUnderTest{
                             "WinRegistry", [] { return std::make_unique<WinRegistry>(); },
                             L"Software\\VixTests\\Contract", L"SOFTWARE\\Microsoft",
                             L".DEFAULT\\Software"}),
                         test::RegistryName);

// The settings' fixed key path, moved below the tests' own key.
class SettingsOnTheRealRegistry : public ::testing::Test {
  protected:
    void SetUp() override { real.DeleteTree(kUser, kOwnKey); }
    void TearDown() override { real.DeleteTree(kUser, kOwnKey); }
    WinRegistry real;
    test::PrefixedRegistry registry{real, kOwnKey};
};

TEST_F(SettingsOnTheRealRegistry, RoundTripThroughEveryValue) {
    Settings s;
    ASSERT_TRUE(LoadSettingsKey(registry, s).keyOpened);
    auto key = registry.Open(kUser, kSettingsKeyPath, OpenMode::Existing);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->ValueNames().size(), 31u);
    // The default profile's picture folder, or the drive root.
    const auto imgPath = key->Read(L"ImgPath")->AsText();
    ASSERT_TRUE(imgPath.has_value());
    EXPECT_FALSE(imgPath->empty());

    s.sequenceName = L"Shot \u00e9";
    s.lastX = -700;
    s.hintCheck[7] = 0x5A;
    ASSERT_TRUE(SaveSettingsKey(registry, s));
    Settings loaded;
    LoadSettingsKey(registry, loaded);
    EXPECT_EQ(loaded, s);
}

TEST_F(SettingsOnTheRealRegistry, AWrongTypeStoredByHandIsReplaced) {
    auto key = registry.Open(kUser, kSettingsKeyPath, OpenMode::Create);
    key->Write(L"ImgNr", RegistryValue::Text(L"five"));
    key.reset();
    Settings s;
    LoadSettingsKey(registry, s);
    EXPECT_EQ(s.sequenceDigits, 3);
    EXPECT_EQ(registry.Open(kUser, kSettingsKeyPath, OpenMode::Existing)->Read(L"ImgNr"),
              RegistryValue::Dword(3));
}

TEST_F(SettingsOnTheRealRegistry, TheUsersOwnKeyIsNotTouched) {
    const auto before = real.Open(kUser, kSettingsKeyPath, OpenMode::Existing) != nullptr;
    Settings s;
    LoadSettingsKey(registry, s);
    SaveSettingsKey(registry, s);
    EXPECT_EQ(real.Open(kUser, kSettingsKeyPath, OpenMode::Existing) != nullptr, before);
    EXPECT_NE(real.Open(kUser, registry.Where(kUser, kSettingsKeyPath), OpenMode::Existing),
              nullptr);
}

}  // namespace
}  // namespace vix::platform
