#include "app/settings_store.h"

#include <gtest/gtest.h>

#include "memory_registry.h"
#include "common/utf16.h"

namespace vix {
namespace {

constexpr auto kUser = RegistryRoot::CurrentUser;
constexpr wchar_t kShellFolders[] =
    L".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

struct Expected {
    const wchar_t* name;
    RegistryValue value;
};

// The first start's key, written out by hand.
std::vector<Expected> FreshKey(const std::wstring& imgPath) {
    using V = RegistryValue;
    return {
        {L"ActivePageIndex", V::Dword(0)},
        {L"_tab_ColorPickerpage", V::Dword(1)},
        {L"_tab_ColorInfopage", V::Dword(0)},
        {L"_tab_ColorLibPage", V::Dword(0)},
        {L"_tab_RulerPage", V::Dword(1)},
        {L"_tab_RulerInfoPage", V::Dword(0)},
        {L"_tab_RulerViewsPage", V::Dword(0)},
        {L"_tab_CapturePage", V::Dword(1)},
        {L"RememberLastVixPosition", V::Dword(1)},
        {L"Rememberinterfacelayout", V::Dword(1)},
        {L"PhotoShopVersion", V::Text(L"")},
        {L"LastPhotoShopVersion", V::Text(L"")},
        {L"ShowInformationBar", V::Dword(1)},
        {L"LastX", V::Dword(231)},
        {L"LastY", V::Dword(231)},
        {L"TimeBasedRefreshSampleWindows", V::Dword(1)},
        {L"AutoSampleToClipboard", V::Dword(1)},
        {L"AddDoubleSamples", V::Dword(0)},
        {L"ResetLibraryOnstartup", V::Dword(0)},
        {L"DefaultColorValues", V::Dword(0)},
        {L"CPExportFormat", V::Dword(0)},
        {L"RulerValue", V::Dword(0)},
        {L"RulerColor", V::Dword(0xFFFFFF)},
        {L"PSForegroundCol", V::Dword(1)},
        {L"JPGQuality", V::Dword(10)},
        {L"ImgName", V::Text(L"Img_Sequence")},
        {L"ImgNr", V::Dword(3)},
        {L"Update_dontnotifystring", V::Text(L"")},
        {L"Update_program_version", V::Dword(0)},
        {L"ImgPath", V::Text(imgPath)},
    };
}

void ExpectKeyHolds(const MemoryRegistry& registry, const std::vector<Expected>& expected) {
    const auto* key = registry.Find(kUser, kSettingsKeyPath);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->values.size(), expected.size());
    for (const auto& e : expected) {
        auto value = registry.Get(kUser, kSettingsKeyPath, e.name);
        ASSERT_TRUE(value.has_value()) << "missing " << ToUtf8(e.name);
        EXPECT_EQ(*value, e.value) << ToUtf8(e.name);
    }
}

TEST(SettingsLoad, FirstStartCreatesExactlyTheThirtyValuesWithTheirDefaults) {
    MemoryRegistry registry;
    registry.Set(RegistryRoot::Users, kShellFolders, L"My Pictures",
                 RegistryValue::Text(L"C:\\Users\\Default\\Pictures"));
    Settings s;
    ASSERT_TRUE(LoadSettingsKey(registry, s).keyOpened);
    ExpectKeyHolds(registry, FreshKey(L"C:\\Users\\Default\\Pictures"));
}

TEST(SettingsLoad, PictureFolderFallsBackToDriveRootWhenTheDefaultProfileHasNone) {
    MemoryRegistry registry;
    Settings s;
    LoadSettingsKey(registry, s);
    EXPECT_EQ(registry.Get(kUser, kSettingsKeyPath, L"ImgPath"), RegistryValue::Text(L"C:\\"));

    MemoryRegistry withOtherValues;
    withOtherValues.Set(RegistryRoot::Users, kShellFolders, L"My Music",
                        RegistryValue::Text(L"D:\\Music"));
    EXPECT_EQ(DefaultPicturePath(withOtherValues), L"C:\\");
}

TEST(SettingsLoad, FirstStartFillsTheFieldsWithTheDefaults) {
    MemoryRegistry registry;
    Settings s;
    LoadSettingsKey(registry, s);
    EXPECT_EQ(s.ActivePageIndex, 0);
    EXPECT_TRUE(s._tab_ColorPickerpage);
    EXPECT_FALSE(s._tab_ColorLibPage);
    EXPECT_TRUE(s._tab_RulerPage);
    EXPECT_TRUE(s._tab_CapturePage);
    EXPECT_TRUE(s.RememberLastVixPosition);
    EXPECT_TRUE(s.ShowInformationBar);
    EXPECT_EQ(s.LastX, 231);
    EXPECT_EQ(s.LastY, 231);
    EXPECT_EQ(s.RulerColor, 0xFFFFFFu);
    EXPECT_EQ(s.JPGQuality, 10);
    EXPECT_EQ(s.ImgName, L"Img_Sequence");
    EXPECT_EQ(s.ImgNr, 3);
    EXPECT_TRUE(s.AutoSampleToClipboard);
    EXPECT_TRUE(s.PSForegroundCol);
}

TEST(SettingsLoad, DeletedValueComesBackWithItsDefaultWhileOthersKeepTheirs) {
    MemoryRegistry registry;
    Settings s;
    LoadSettingsKey(registry, s);
    registry.Set(kUser, kSettingsKeyPath, L"JPGQuality", RegistryValue::Dword(7));
    registry.Set(kUser, kSettingsKeyPath, L"ImgName", RegistryValue::Text(L"Shot"));
    registry.Remove(kUser, kSettingsKeyPath, L"RulerColor");

    Settings again;
    LoadSettingsKey(registry, again);
    EXPECT_EQ(again.RulerColor, 0xFFFFFFu);
    EXPECT_EQ(again.JPGQuality, 7);
    EXPECT_EQ(again.ImgName, L"Shot");
    EXPECT_EQ(registry.Get(kUser, kSettingsKeyPath, L"RulerColor"), RegistryValue::Dword(0xFFFFFF));
}

TEST(SettingsLoad, ValueOfTheWrongTypeOrSizeIsReplacedByItsDefault) {
    MemoryRegistry registry;
    registry.Set(kUser, kSettingsKeyPath, L"ImgNr", RegistryValue::Text(L"7"));
    registry.Set(kUser, kSettingsKeyPath, L"ImgName", RegistryValue::Dword(5));
    registry.Set(kUser, kSettingsKeyPath, L"LastX",
                 {RegistryType::Dword, {1, 0}});  // two bytes only
    registry.Set(kUser, kSettingsKeyPath, L"ShowInformationBar",
                 {RegistryType::Binary, {0, 0, 0, 0}});
    registry.Set(kUser, kSettingsKeyPath, L"JPGQuality", RegistryValue::Dword(4));

    Settings s;
    LoadSettingsKey(registry, s);
    EXPECT_EQ(s.ImgNr, 3);
    EXPECT_EQ(s.ImgName, L"Img_Sequence");
    EXPECT_EQ(s.LastX, 231);
    EXPECT_TRUE(s.ShowInformationBar);
    EXPECT_EQ(s.JPGQuality, 4);
    EXPECT_EQ(registry.Get(kUser, kSettingsKeyPath, L"ImgNr"), RegistryValue::Dword(3));
    EXPECT_EQ(registry.Get(kUser, kSettingsKeyPath, L"ImgName"),
              RegistryValue::Text(L"Img_Sequence"));
    EXPECT_EQ(registry.Get(kUser, kSettingsKeyPath, L"LastX"), RegistryValue::Dword(231));
}

TEST(SettingsLoad, TextWithoutTerminatorOrWithOddLengthIsReadSafely) {
    MemoryRegistry registry;
    registry.Set(kUser, kSettingsKeyPath, L"ImgName",
                 {RegistryType::String, {'A', 0, 'B', 0, 'C'}});
    Settings s;
    LoadSettingsKey(registry, s);
    EXPECT_EQ(s.ImgName, L"AB");
}

TEST(SettingsLoad, AnyNonZeroNumberReadsAsTrue) {
    MemoryRegistry registry;
    registry.Set(kUser, kSettingsKeyPath, L"AddDoubleSamples", RegistryValue::Dword(0x100));
    Settings s;
    LoadSettingsKey(registry, s);
    EXPECT_TRUE(s.AddDoubleSamples);
}

TEST(SettingsLoad, UnopenableKeyReadsAndWritesNothing) {
    MemoryRegistry registry;
    registry.refuseOpen = true;
    Settings s;
    s.LastX = 17;
    s.ImgName = L"kept";
    EXPECT_FALSE(LoadSettingsKey(registry, s).keyOpened);
    EXPECT_EQ(s.LastX, 17);
    EXPECT_EQ(s.ImgName, L"kept");
    EXPECT_FALSE(SaveSettingsKey(registry, s));
    EXPECT_EQ(registry.writes, 0);
}

TEST(SettingsLoad, HintCheckIsReadWhenPresentAndOtherwiseLeftAsItWas) {
    MemoryRegistry registry;
    Settings s;
    s.HintCheck.fill(0xAA);
    LoadSettingsKey(registry, s);
    EXPECT_EQ(s.HintCheck[0], 0xAA);
    EXPECT_FALSE(registry.Get(kUser, kSettingsKeyPath, L"HintCheck").has_value());

    const std::uint8_t shortValue[] = {1, 2, 3};
    registry.Set(kUser, kSettingsKeyPath, L"HintCheck", RegistryValue::Binary(shortValue));
    LoadSettingsKey(registry, s);
    EXPECT_EQ(s.HintCheck[0], 1);
    EXPECT_EQ(s.HintCheck[2], 3);
    EXPECT_EQ(s.HintCheck[3], 0xAA);

    std::vector<std::uint8_t> longValue(64, 9);
    registry.Set(kUser, kSettingsKeyPath, L"HintCheck", RegistryValue::Binary(longValue));
    LoadSettingsKey(registry, s);
    EXPECT_EQ(s.HintCheck[19], 9);
}

TEST(SettingsSave, SaveThenLoadGivesBackEveryWrittenValue) {
    MemoryRegistry registry;
    Settings saved;
    LoadSettingsKey(registry, saved);
    saved.ActivePageIndex = -1;
    saved._tab_ColorInfopage = true;
    saved._tab_RulerPage = false;
    saved.RememberLastVixPosition = false;
    saved.PhotoShopVersion = L"9.0";
    saved.LastPhotoShopVersion = L"10.0";
    saved.ShowInformationBar = false;
    saved.LastX = -1200;
    saved.LastY = 700;
    saved.AutoSampleToClipboard = false;
    saved.AddDoubleSamples = true;
    saved.ResetLibraryOnstartup = true;
    saved.DefaultColorValues = 2;
    saved.CPExportFormat = 4;
    saved.RulerValue = -1;
    saved.RulerColor = 0x80000005;
    saved.PSForegroundCol = false;
    saved.JPGQuality = 0;
    saved.ImgName = L"Bild_\u00e4\u4e2d";
    saved.ImgNr = 10;
    saved.Update_dontnotifystring = L";2.1;2.2";
    saved.Update_program_version = 12;
    for (std::size_t i = 0; i < saved.HintCheck.size(); ++i)
        saved.HintCheck[i] = static_cast<std::uint8_t>(0xF0 + i);
    ASSERT_TRUE(SaveSettingsKey(registry, saved));

    Settings loaded;
    LoadSettingsKey(registry, loaded);
    EXPECT_EQ(loaded, saved);
    EXPECT_EQ(registry.Find(kUser, kSettingsKeyPath)->values.size(), 31u);
}

TEST(SettingsSave, ValuesThatAreOnlyCreatedAreNotWrittenBack) {
    MemoryRegistry registry;
    Settings s;
    LoadSettingsKey(registry, s);
    registry.Set(kUser, kSettingsKeyPath, L"ImgPath", RegistryValue::Text(L"E:\\mine"));
    registry.Set(kUser, kSettingsKeyPath, L"TimeBasedRefreshSampleWindows",
                 RegistryValue::Dword(0));
    SaveSettingsKey(registry, s);
    EXPECT_EQ(registry.Get(kUser, kSettingsKeyPath, L"ImgPath"), RegistryValue::Text(L"E:\\mine"));
    EXPECT_EQ(registry.Get(kUser, kSettingsKeyPath, L"TimeBasedRefreshSampleWindows"),
              RegistryValue::Dword(0));
}

TEST(SettingsSave, DeletingTheKeyRestoresEveryDefaultAtTheNextLoad) {
    MemoryRegistry registry;
    Settings s;
    LoadSettingsKey(registry, s);
    s.JPGQuality = 3;
    s.LastX = 40;
    SaveSettingsKey(registry, s);
    registry.DeleteTree(kUser, kSettingsKeyPath);

    LoadSettingsKey(registry, s);
    EXPECT_EQ(s.JPGQuality, 10);
    EXPECT_EQ(s.LastX, 231);
    ExpectKeyHolds(registry, FreshKey(L"C:\\"));
}

}  // namespace
}  // namespace vix
