#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "memory_registry.h"
#include "common/utf16.h"
#include "settings/setting_rows.h"
#include "settings/settings_table.h"

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
        {L"ImgFormat", V::Dword(0)},
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

TEST(SettingsLoad, AFirstStartCreatesTheShellsValuesWithTheirDefaults) {
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
    EXPECT_TRUE(s.pickerSectionOpen);
    EXPECT_FALSE(s.librarySectionOpen);
    EXPECT_TRUE(s.rulerSectionOpen);
    EXPECT_TRUE(s.captureSectionOpen);
    EXPECT_TRUE(s.rememberPosition);
    EXPECT_TRUE(s.showInformationBar);
    EXPECT_EQ(s.lastX, 231);
    EXPECT_EQ(s.lastY, 231);
    EXPECT_EQ(s.rulerColor, 0xFFFFFFu);
    EXPECT_EQ(s.jpegQuality, 10);
    EXPECT_EQ(s.sequenceName, L"Img_Sequence");
    EXPECT_EQ(s.sequenceDigits, 3);
    EXPECT_TRUE(s.copySamplesToClipboard);
    EXPECT_TRUE(s.photoshopForeground);
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
    EXPECT_EQ(again.rulerColor, 0xFFFFFFu);
    EXPECT_EQ(again.jpegQuality, 7);
    EXPECT_EQ(again.sequenceName, L"Shot");
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
    EXPECT_EQ(s.sequenceDigits, 3);
    EXPECT_EQ(s.sequenceName, L"Img_Sequence");
    EXPECT_EQ(s.lastX, 231);
    EXPECT_TRUE(s.showInformationBar);
    EXPECT_EQ(s.jpegQuality, 4);
    EXPECT_EQ(registry.Get(kUser, kSettingsKeyPath, L"ImgNr"), RegistryValue::Dword(3));
    EXPECT_EQ(registry.Get(kUser, kSettingsKeyPath, L"ImgName"),
              RegistryValue::Text(L"Img_Sequence"));
    EXPECT_EQ(registry.Get(kUser, kSettingsKeyPath, L"LastX"), RegistryValue::Dword(231));
}

TEST(SettingsLoad, ANumberOutsideItsRangeIsBroughtIntoIt) {
    struct Case {
        const wchar_t* name;
        std::int32_t stored;
        std::int32_t Settings::*field;
        std::int32_t read;
    };
    const Case cases[] = {
        {L"ImgNr", 2000000000, &Settings::sequenceDigits, 10},
        {L"ImgNr", 0, &Settings::sequenceDigits, 1},
        {L"ImgNr", -7, &Settings::sequenceDigits, 1},
        {L"ImgNr", 10, &Settings::sequenceDigits, 10},
        {L"JPGQuality", 11, &Settings::jpegQuality, 10},
        {L"JPGQuality", -1, &Settings::jpegQuality, 0},
        {L"ActivePageIndex", 4, &Settings::ActivePageIndex, 3},
        {L"ActivePageIndex", -2, &Settings::ActivePageIndex, -1},
        {L"ActivePageIndex", -1, &Settings::ActivePageIndex, -1},
        {L"DefaultColorValues", 3, &Settings::colorValueForm, 2},
        {L"DefaultColorValues", -1, &Settings::colorValueForm, 0},
        {L"CPExportFormat", 8, &Settings::clipboardFormat, 7},
        {L"RulerValue", 5, &Settings::rulerUnit, 4},
        {L"RulerValue", -1, &Settings::rulerUnit, -1},  // a typed unit that names none
        {L"RulerValue", -9, &Settings::rulerUnit, -1},
        {L"LastX", -30000, &Settings::lastX, -30000},  // the placement pulls it in
    };
    for (const Case& c : cases) {
        MemoryRegistry registry;
        registry.Set(kUser, kSettingsKeyPath, c.name,
                     RegistryValue::Dword(static_cast<std::uint32_t>(c.stored)));
        Settings s;
        LoadSettingsKey(registry, s);
        EXPECT_EQ(s.*c.field, c.read) << ToUtf8(c.name) << " " << c.stored;
    }
}

TEST(SettingsLoad, ASequenceNameThatIsNoPlainFileNameIsReadAsTheDefault) {
    // The longest name that leaves room for ten digits and ".jpg" in a file
    // name of 255 characters.
    const std::wstring longest(255 - 10 - 4, L'n');
    struct Case {
        std::wstring stored;
        std::wstring read;
    };
    const Case cases[] = {
        {L"Shot", L"Shot"},
        {L"Bild_\u00e4\u4e2d", L"Bild_\u00e4\u4e2d"},
        {L"", L""},
        {L"a.b c", L"a.b c"},
        {longest, longest},
        {longest + L"n", L"Img_Sequence"},
        {L"..\\escaped_", L"Img_Sequence"},
        {L"../escaped_", L"Img_Sequence"},
        {L"sub\\shot", L"Img_Sequence"},
        {L"sub/shot", L"Img_Sequence"},
        {L"C:shot", L"Img_Sequence"},
        {L"x..y", L"Img_Sequence"},
        {L"a<b", L"Img_Sequence"},
        {L"a>b", L"Img_Sequence"},
        {L"a|b", L"Img_Sequence"},
        {L"a?b", L"Img_Sequence"},
        {L"a*b", L"Img_Sequence"},
        {L"a\"b", L"Img_Sequence"},
        {L"tab\there", L"Img_Sequence"},
    };
    for (const Case& c : cases) {
        MemoryRegistry registry;
        registry.Set(kUser, kSettingsKeyPath, L"ImgName", RegistryValue::Text(c.stored));
        Settings s;
        LoadSettingsKey(registry, s);
        EXPECT_EQ(s.sequenceName, c.read) << ToUtf8(c.stored);
    }
}

TEST(SettingsLoad, TextWithoutTerminatorOrWithOddLengthIsReadSafely) {
    MemoryRegistry registry;
    registry.Set(kUser, kSettingsKeyPath, L"ImgName",
                 {RegistryType::String, {'A', 0, 'B', 0, 'C'}});
    Settings s;
    LoadSettingsKey(registry, s);
    EXPECT_EQ(s.sequenceName, L"AB");
}

TEST(SettingsLoad, AnyNonZeroNumberReadsAsTrue) {
    MemoryRegistry registry;
    registry.Set(kUser, kSettingsKeyPath, L"AddDoubleSamples", RegistryValue::Dword(0x100));
    Settings s;
    LoadSettingsKey(registry, s);
    EXPECT_TRUE(s.keepRepeatedSamples);
}

TEST(SettingsLoad, UnopenableKeyReadsAndWritesNothing) {
    MemoryRegistry registry;
    registry.refuseOpen = true;
    Settings s;
    s.lastX = 17;
    s.sequenceName = L"kept";
    EXPECT_FALSE(LoadSettingsKey(registry, s).keyOpened);
    EXPECT_EQ(s.lastX, 17);
    EXPECT_EQ(s.sequenceName, L"kept");
    EXPECT_FALSE(SaveSettingsKey(registry, s));
    EXPECT_EQ(registry.writes, 0);
}

TEST(SettingsLoad, HintCheckIsReadWhenPresentAndOtherwiseLeftAsItWas) {
    MemoryRegistry registry;
    Settings s;
    s.hintCheck.fill(0xAA);
    LoadSettingsKey(registry, s);
    EXPECT_EQ(s.hintCheck[0], 0xAA);
    EXPECT_FALSE(registry.Get(kUser, kSettingsKeyPath, L"HintCheck").has_value());

    const std::uint8_t shortValue[] = {1, 2, 3};
    registry.Set(kUser, kSettingsKeyPath, L"HintCheck", RegistryValue::Binary(shortValue));
    LoadSettingsKey(registry, s);
    EXPECT_EQ(s.hintCheck[0], 1);
    EXPECT_EQ(s.hintCheck[2], 3);
    EXPECT_EQ(s.hintCheck[3], 0xAA);

    std::vector<std::uint8_t> longValue(64, 9);
    registry.Set(kUser, kSettingsKeyPath, L"HintCheck", RegistryValue::Binary(longValue));
    LoadSettingsKey(registry, s);
    EXPECT_EQ(s.hintCheck[19], 9);
}

TEST(SettingsSave, SaveThenLoadGivesBackEveryWrittenValue) {
    MemoryRegistry registry;
    Settings saved;
    LoadSettingsKey(registry, saved);
    saved.ActivePageIndex = -1;
    saved.colorInfoSectionOpen = true;
    saved.rulerSectionOpen = false;
    saved.rememberPosition = false;
    saved.photoshopVersion = L"9.0";
    saved.lastListedPhotoshopVersion = L"10.0";
    saved.showInformationBar = false;
    saved.lastX = -1200;
    saved.lastY = 700;
    saved.copySamplesToClipboard = false;
    saved.keepRepeatedSamples = true;
    saved.clearLibraryOnLoad = true;
    saved.colorValueForm = 2;
    saved.clipboardFormat = 4;
    saved.rulerUnit = -1;
    saved.rulerColor = 0x80000005;
    saved.photoshopForeground = false;
    saved.jpegQuality = 0;
    saved.sequenceName = L"Bild_\u00e4\u4e2d";
    saved.sequenceDigits = 10;
    saved.sequenceFormat = 2;
    saved.skippedUpdateVersions = L";2.1;2.2";
    saved.downloadedUpdateVersion = 12;
    for (std::size_t i = 0; i < saved.hintCheck.size(); ++i)
        saved.hintCheck[i] = static_cast<std::uint8_t>(0xF0 + i);
    ASSERT_TRUE(SaveSettingsKey(registry, saved));

    Settings loaded;
    LoadSettingsKey(registry, loaded);
    EXPECT_EQ(loaded, saved);
    EXPECT_EQ(registry.Find(kUser, kSettingsKeyPath)->values.size(), SettingsTable().size());
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
    s.jpegQuality = 3;
    s.lastX = 40;
    SaveSettingsKey(registry, s);
    registry.DeleteTree(kUser, kSettingsKeyPath);

    LoadSettingsKey(registry, s);
    EXPECT_EQ(s.jpegQuality, 10);
    EXPECT_EQ(s.lastX, 231);
    ExpectKeyHolds(registry, FreshKey(L"C:\\"));
}

// The names a load reads and a save writes, in their order, as the store
// sees them.
class RecordingRegistry final : public RegistryStore {
  public:
    std::vector<std::wstring> reads, writes;
    MemoryRegistry memory;

    std::unique_ptr<RegistryKey> Open(RegistryRoot root, std::wstring_view path,
                                      OpenMode mode) override {
        auto key = memory.Open(root, path, mode);
        if (!key) return nullptr;
        return std::make_unique<Key>(*this, std::move(key));
    }
    bool DeleteTree(RegistryRoot root, std::wstring_view path) override {
        return memory.DeleteTree(root, path);
    }

  private:
    class Key final : public RegistryKey {
      public:
        Key(RecordingRegistry& owner, std::unique_ptr<RegistryKey> key)
            : owner_(owner), key_(std::move(key)) {}
        std::optional<RegistryValue> Read(std::wstring_view name) const override {
            owner_.reads.emplace_back(name);
            return key_->Read(name);
        }
        bool Write(std::wstring_view name, const RegistryValue& value) override {
            owner_.writes.emplace_back(name);
            return key_->Write(name, value);
        }
        std::vector<std::wstring> SubkeyNames() const override { return key_->SubkeyNames(); }
        std::vector<std::wstring> ValueNames() const override { return key_->ValueNames(); }

      private:
        RecordingRegistry& owner_;
        std::unique_ptr<RegistryKey> key_;
    };
};

std::vector<std::wstring> Names(const std::vector<Expected>& expected) {
    std::vector<std::wstring> names;
    for (const auto& e : expected)
        names.emplace_back(e.name);
    return names;
}

TEST(SettingsOrder, AFirstLoadCreatesTheValuesInTheirOrder) {
    RecordingRegistry registry;
    Settings s;
    LoadSettingsKey(registry, s);
    EXPECT_EQ(registry.writes, Names(FreshKey(L"C:\\")));
}

// A tool's rows, as a tool declares them in its folder.
constexpr SettingDef kToolZoom = ToolNumber(L"LoupeZoom", 4, 1, 16, L"Zoom");
constexpr SettingDef kToolOpen = ToolFlag(L"_tab_LoupePage", true);
constexpr SettingDef kToolLabel = ToolText(
    L"LoupeLabel", L"x", [](std::wstring_view t) { return !t.empty(); }, L"Label");
constexpr const SettingDef* kToolRows[] = {&kToolZoom, &kToolOpen, &kToolLabel};

SettingRows WithTool() {
    SettingRows rows;
    rows.Append({.page = L"Loupe", .rows = kToolRows});
    return rows;
}

TEST(SettingsOrder, LoadsAndSavesFollowTheRowsWithATool_sRowsAppended) {
    const SettingRows rows = WithTool();
    RecordingRegistry registry;
    Settings s;
    LoadSettingsKey(registry, s, rows.All());
    std::vector<std::wstring> created = Names(FreshKey(L""));
    for (const wchar_t* name : {L"LoupeZoom", L"_tab_LoupePage", L"LoupeLabel"})
        created.emplace_back(name);
    EXPECT_EQ(registry.writes, created);

    // Every row with a field is read, and written back, in the rows' order;
    // the two values that are only created are neither.
    std::vector<std::wstring> kept;
    for (const std::wstring& name : created)
        if (name != L"TimeBasedRefreshSampleWindows" && name != L"ImgPath") kept.push_back(name);
    // "HintCheck", never created, is the shell's last row.
    kept.insert(std::find(kept.begin(), kept.end(), L"LoupeZoom"), L"HintCheck");
    registry.reads.clear();
    registry.writes.clear();
    LoadSettingsKey(registry, s, rows.All());
    EXPECT_EQ(
        std::vector<std::wstring>(registry.reads.begin() + created.size(), registry.reads.end()),
        kept);
    EXPECT_TRUE(registry.writes.empty()) << "nothing is created twice";
    ASSERT_TRUE(SaveSettingsKey(registry, s, rows.All()));
    EXPECT_EQ(registry.writes, kept);
}

TEST(SettingsOrder, AToolsValueNameTakenAlreadyIsRefused) {
    SettingRows rows = WithTool();
    static constexpr SettingDef kClash = ToolFlag(L"RulerColor", false);
    static constexpr const SettingDef* kClashRows[] = {&kClash};
    EXPECT_THROW(rows.Append({.rows = kClashRows}), std::logic_error);
}

// A key as today's program leaves it after a session, every value away
// from its default, comes back value for value after a load and a save.
TEST(SettingsSave, AKeyWrittenByTodaysProgramReadsBackIdentically) {
    using V = RegistryValue;
    std::uint8_t hint[20];
    for (std::uint8_t i = 0; i < 20; ++i)
        hint[i] = static_cast<std::uint8_t>(0xA0 + i);
    const std::vector<Expected> today = {
        {L"ActivePageIndex", V::Dword(2)},
        {L"_tab_ColorPickerpage", V::Dword(0)},
        {L"_tab_ColorInfopage", V::Dword(1)},
        {L"_tab_ColorLibPage", V::Dword(1)},
        {L"_tab_RulerPage", V::Dword(0)},
        {L"_tab_RulerInfoPage", V::Dword(1)},
        {L"_tab_RulerViewsPage", V::Dword(1)},
        {L"_tab_CapturePage", V::Dword(0)},
        {L"RememberLastVixPosition", V::Dword(0)},
        {L"Rememberinterfacelayout", V::Dword(0)},
        {L"PhotoShopVersion", V::Text(L"11.0")},
        {L"LastPhotoShopVersion", V::Text(L"12.0")},
        {L"ShowInformationBar", V::Dword(0)},
        {L"LastX", V::Dword(static_cast<std::uint32_t>(-1500))},
        {L"LastY", V::Dword(40)},
        {L"TimeBasedRefreshSampleWindows", V::Dword(0)},
        {L"AutoSampleToClipboard", V::Dword(0)},
        {L"AddDoubleSamples", V::Dword(1)},
        {L"ResetLibraryOnstartup", V::Dword(1)},
        {L"DefaultColorValues", V::Dword(1)},
        {L"CPExportFormat", V::Dword(7)},
        {L"RulerValue", V::Dword(3)},
        {L"RulerColor", V::Dword(0x0000FF)},
        {L"PSForegroundCol", V::Dword(0)},
        {L"JPGQuality", V::Dword(6)},
        {L"ImgName", V::Text(L"Sh\u00f6t")},
        {L"ImgNr", V::Dword(5)},
        {L"Update_dontnotifystring", V::Text(L";2.1")},
        {L"Update_program_version", V::Dword(21)},
        {L"ImgPath", V::Text(L"D:\\Bilder")},
        {L"ImgFormat", V::Dword(1)},
        {L"HintCheck", V::Binary(hint)},
    };
    MemoryRegistry registry;
    for (const Expected& e : today)
        registry.Set(kUser, kSettingsKeyPath, e.name, e.value);
    const SettingRows rows = WithTool();
    Settings s;
    LoadSettingsKey(registry, s, rows.All());
    ASSERT_TRUE(SaveSettingsKey(registry, s, rows.All()));
    std::vector<Expected> after = today;
    after.push_back({L"LoupeZoom", V::Dword(4)});
    after.push_back({L"_tab_LoupePage", V::Dword(1)});
    after.push_back({L"LoupeLabel", V::Text(L"x")});
    ExpectKeyHolds(registry, after);
}

// A tool's value is kept as the registry stores it and brought into its
// row's range as the shell's fields are; before a load it reads as its
// default.
TEST(SettingsTable, AToolsValueIsKeptInItsRowsRange) {
    Settings s;
    EXPECT_EQ(NumberSetting(s, kToolZoom), 4);
    EXPECT_TRUE(FlagSetting(s, kToolOpen));
    EXPECT_EQ(TextSetting(s, kToolLabel), L"x");
    const struct {
        const SettingDef* row;
        RegistryValue stored;
        std::optional<RegistryValue> kept;  // none: refused, the value stays
    } cases[] = {
        {&kToolZoom, RegistryValue::Dword(9), RegistryValue::Dword(9)},
        {&kToolZoom, RegistryValue::Dword(99), RegistryValue::Dword(16)},
        {&kToolZoom, RegistryValue::Dword(static_cast<std::uint32_t>(-3)), RegistryValue::Dword(1)},
        {&kToolZoom, RegistryValue::Text(L"9"), std::nullopt},
        {&kToolOpen, RegistryValue::Dword(7), RegistryValue::Dword(1)},
        {&kToolLabel, RegistryValue::Text(L""), RegistryValue::Text(L"x")},
        {&kToolLabel, RegistryValue::Text(L"mine"), RegistryValue::Text(L"mine")},
    };
    for (const auto& c : cases) {
        const auto before = FieldValue(s, *c.row);
        EXPECT_EQ(SetField(s, *c.row, c.stored), c.kept.has_value()) << ToUtf8(c.row->name);
        EXPECT_EQ(FieldValue(s, *c.row), c.kept ? c.kept : before) << ToUtf8(c.row->name);
    }
}

// What the settings dialog relies on when it binds a control to an entry.
TEST(SettingsTable, EveryEntryIsNamedOnceAndFoundByItsName) {
    std::set<std::wstring_view> names;
    for (const SettingDef& setting : SettingsTable()) {
        EXPECT_TRUE(names.insert(setting.name).second) << ToUtf8(std::wstring(setting.name));
        EXPECT_EQ(FindSetting(setting.name), &setting);
        EXPECT_EQ(&Setting(setting.id), &setting);
    }
    EXPECT_EQ(FindSetting(L"ImgPat"), nullptr);
}

TEST(SettingsTable, AFieldSetFromItsStoredValueGivesThatValueBack) {
    Settings s;
    const std::uint8_t bytes[20] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                    11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
    const struct {
        const wchar_t* name;
        RegistryValue value;
    } cases[] = {
        {L"ActivePageIndex", RegistryValue::Dword(0xFFFFFFFF)},  // -1
        {L"_tab_RulerInfoPage", RegistryValue::Dword(1)},
        {L"RulerColor", RegistryValue::Dword(0x80000005)},
        {L"ImgName", RegistryValue::Text(L"Bild")},
        {L"HintCheck", RegistryValue::Binary(bytes)},
    };
    for (const auto& c : cases) {
        const SettingDef& setting = *FindSetting(c.name);
        ASSERT_TRUE(SetField(s, setting, c.value)) << ToUtf8(c.name);
        EXPECT_EQ(FieldValue(s, setting), c.value) << ToUtf8(c.name);
    }
    EXPECT_EQ(s.ActivePageIndex, -1);
    EXPECT_TRUE(s.rulerInfoSectionOpen);
    EXPECT_EQ(s.rulerColor, 0x80000005u);
    EXPECT_EQ(s.sequenceName, L"Bild");
    EXPECT_EQ(s.hintCheck[19], 20);
}

TEST(SettingsTable, AValueOfAnotherTypeOrAnUnmirroredEntryLeavesTheFieldsAlone) {
    Settings s;
    s.sequenceDigits = 4;
    EXPECT_FALSE(SetField(s, Setting(SettingId::SequenceDigits), RegistryValue::Text(L"9")));
    EXPECT_FALSE(SetField(s, Setting(SettingId::SequenceDigits), {RegistryType::Dword, {9, 0}}));
    EXPECT_EQ(s.sequenceDigits, 4);
    const Settings before = s;
    EXPECT_FALSE(SetField(s, Setting(SettingId::UnusedPicturePath), RegistryValue::Text(L"D:\\")));
    EXPECT_FALSE(SetField(s, Setting(SettingId::UnusedRefreshFlag), RegistryValue::Dword(0)));
    EXPECT_EQ(s, before);
    EXPECT_FALSE(FieldValue(s, Setting(SettingId::UnusedPicturePath)).has_value());
}

}  // namespace
}  // namespace vix
