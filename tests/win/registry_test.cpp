// The registry store on the real registry.

#include <gtest/gtest.h>

#include "settings/settings_store.h"
#include "platform/registry.h"

namespace vix::platform {
namespace {

constexpr wchar_t kTestKey[] = L"Software\\VixTests\\Store";
constexpr auto kUser = RegistryRoot::CurrentUser;

class WinRegistryTest : public ::testing::Test {
  protected:
    void SetUp() override { registry.DeleteTree(kUser, L"Software\\VixTests"); }
    void TearDown() override { registry.DeleteTree(kUser, L"Software\\VixTests"); }
    WinRegistry registry;
};

TEST_F(WinRegistryTest, ValuesComeBackWithTheirTypesAndBytes) {
    auto key = registry.Open(kUser, kTestKey, OpenMode::Create);
    ASSERT_NE(key, nullptr);
    const std::uint8_t bytes[] = {0, 1, 2, 0xFF};
    ASSERT_TRUE(key->Write(L"Number", RegistryValue::Dword(0xFFFFFF17)));
    ASSERT_TRUE(key->Write(L"Text", RegistryValue::Text(L"Bild \u00e4\u4e2d")));
    ASSERT_TRUE(key->Write(L"Bytes", RegistryValue::Binary(bytes)));

    auto again = registry.Open(kUser, kTestKey, OpenMode::Existing);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->Read(L"Number")->AsDword(), 0xFFFFFF17u);
    EXPECT_EQ(again->Read(L"Text")->AsText(), L"Bild \u00e4\u4e2d");
    EXPECT_EQ(again->Read(L"Bytes"), RegistryValue::Binary(bytes));
    EXPECT_FALSE(again->Read(L"Missing").has_value());
    EXPECT_EQ(again->ValueNames().size(), 3u);
}

TEST_F(WinRegistryTest, ExistingModeDoesNotCreateAndDeleteTreeRemovesAll) {
    EXPECT_EQ(registry.Open(kUser, kTestKey, OpenMode::Existing), nullptr);
    registry.Open(kUser, L"Software\\VixTests\\Store\\Deep\\Er", OpenMode::Create);
    auto parent = registry.Open(kUser, kTestKey, OpenMode::Existing);
    ASSERT_NE(parent, nullptr);
    EXPECT_EQ(parent->SubkeyNames(), std::vector<std::wstring>{L"Deep"});
    parent.reset();
    EXPECT_TRUE(registry.DeleteTree(kUser, kTestKey));
    EXPECT_EQ(registry.Open(kUser, kTestKey, OpenMode::Existing), nullptr);
    EXPECT_FALSE(registry.DeleteTree(kUser, kTestKey));
}

TEST_F(WinRegistryTest, SettingsRoundTripOnTheRealRegistry) {
    registry.DeleteTree(kUser, kSettingsKeyPath);
    Settings s;
    ASSERT_TRUE(LoadSettingsKey(registry, s).keyOpened);
    auto key = registry.Open(kUser, kSettingsKeyPath, OpenMode::Existing);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->ValueNames().size(), 30u);
    // The default profile's picture folder, or the drive root.
    const auto imgPath = key->Read(L"ImgPath")->AsText();
    ASSERT_TRUE(imgPath.has_value());
    EXPECT_FALSE(imgPath->empty());

    s.ImgName = L"Shot \u00e9";
    s.LastX = -700;
    s.HintCheck[7] = 0x5A;
    ASSERT_TRUE(SaveSettingsKey(registry, s));
    Settings loaded;
    LoadSettingsKey(registry, loaded);
    EXPECT_EQ(loaded, s);
    registry.DeleteTree(kUser, L"Software\\Brellin Software Development");
}

TEST_F(WinRegistryTest, WrongTypeStoredByHandIsReplaced) {
    registry.DeleteTree(kUser, kSettingsKeyPath);
    auto key = registry.Open(kUser, kSettingsKeyPath, OpenMode::Create);
    key->Write(L"ImgNr", RegistryValue::Text(L"five"));
    key.reset();
    Settings s;
    LoadSettingsKey(registry, s);
    EXPECT_EQ(s.ImgNr, 3);
    EXPECT_EQ(registry.Open(kUser, kSettingsKeyPath, OpenMode::Existing)->Read(L"ImgNr"),
              RegistryValue::Dword(3));
    registry.DeleteTree(kUser, L"Software\\Brellin Software Development");
}

}  // namespace
}  // namespace vix::platform
