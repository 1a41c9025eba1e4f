#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/settings_table.h"
#include "settings_dialog/photoshop_versions.h"
#include "settings_dialog/settings_dialog_model.h"
#include "settings_dialog/tool_setting_fields.h"

namespace vix {
namespace {

Settings Defaults() {
    Settings s;
    s.rememberPosition = true;
    s.rememberLayout = true;
    s.showInformationBar = true;
    s.copySamplesToClipboard = true;
    s.photoshopForeground = true;
    s.rulerColor = 0xFFFFFF;
    s.jpegQuality = 10;
    s.sequenceName = L"Img_Sequence";
    s.sequenceDigits = 3;
    return s;
}

TEST(SettingsPages, NextAndPrevWrapAround) {
    EXPECT_EQ(NextSettingsPage(SettingsPage::General), SettingsPage::Colorpicker);
    EXPECT_EQ(NextSettingsPage(SettingsPage::ScreenCapture), SettingsPage::General);
    EXPECT_EQ(PrevSettingsPage(SettingsPage::General), SettingsPage::ScreenCapture);
    EXPECT_EQ(PrevSettingsPage(SettingsPage::ScreenRuler), SettingsPage::Colorpicker);
    SettingsPage page = SettingsPage::ScreenRuler;
    for (int i = 0; i < kSettingsPageCount; ++i)
        page = PrevSettingsPage(NextSettingsPage(NextSettingsPage(page)));
    EXPECT_EQ(page, SettingsPage::ScreenRuler);  // four steps forward: round once
    // With a tool's page after the four, "&Next" reaches it before wrapping.
    EXPECT_EQ(static_cast<int>(NextSettingsPage(SettingsPage::ScreenCapture, 5)), 4);
    EXPECT_EQ(NextSettingsPage(static_cast<SettingsPage>(4), 5), SettingsPage::General);
    EXPECT_EQ(static_cast<int>(PrevSettingsPage(SettingsPage::General, 5)), 4);
}

// What OK stores from a tool's edit field: a number in its row's range, a
// text its row accepts; anything else keeps the dialog open.
TEST(ToolSettingFields, TypedTextsBecomeValuesOfTheRow) {
    constexpr SettingDef zoom = ToolNumber(L"Zoom", 4, -2, 16, L"Zoom");
    constexpr SettingDef label = ToolText(
        L"Label", L"x", [](std::wstring_view t) { return t.find(L'/') == t.npos; }, L"Label");
    const auto n = [](std::int32_t v) {
        return RegistryValue::Dword(static_cast<std::uint32_t>(v));
    };
    const struct {
        const SettingDef* row;
        const wchar_t* typed;
        std::optional<RegistryValue> stored;
    } cases[] = {
        {&zoom, L"12", n(12)},
        {&zoom, L"-2", n(-2)},
        {&zoom, L"17", n(16)},
        {&zoom, L"-99999999999", n(-2)},
        {&zoom, L"99999999999999999999", std::nullopt},
        {&zoom, L"", std::nullopt},
        {&zoom, L"1.5", std::nullopt},
        {&zoom, L"-", std::nullopt},
        {&label, L"a b", RegistryValue::Text(L"a b")},
        {&label, L"a/b", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TypedValue(*c.row, c.typed), c.stored) << testing::PrintToString(c.typed);
    Settings s;
    EXPECT_EQ(FieldText(s, zoom), L"4");
    EXPECT_TRUE(ShownOnDialog(zoom));
    EXPECT_FALSE(ShownOnDialog(ToolFlag(L"Open", true)));
}

TEST(SettingsDialogFill, ShowsTheMirroredSettings) {
    Settings s = Defaults();
    s.keepRepeatedSamples = false;
    s.photoshopForeground = false;
    s.rulerUnit = 2;
    s.sequenceDigits = 7;
    const SettingsDialogState d = FillSettingsDialog(s);
    EXPECT_TRUE(d.chkNoDoubleSamples);  // "Don't add double samples" is the inverse
    EXPECT_EQ(d.lstExportTo, 1);
    EXPECT_EQ(d.lstRulerUnits, L"Centimetres");
    EXPECT_EQ(d.edtSequenceDigits, L"7");
    EXPECT_EQ(d.edtSequenceName, L"Img_Sequence");
    EXPECT_EQ(d.trkJpegQuality, 10);
    s.rulerUnit = -1;
    EXPECT_EQ(FillSettingsDialog(s).lstRulerUnits, L"");
}

TEST(SettingsDialogApply, OkWithoutChangesKeepsEverySetting) {
    Settings s = Defaults();
    s.lastX = 40;
    s.photoshopVersion = L"9.0";
    s.skippedUpdateVersions = L";2.1";
    Settings after = s;
    ApplySettingsDialog(FillSettingsDialog(s), after);
    EXPECT_EQ(after, s);
}

TEST(SettingsDialogApply, EveryControlReachesItsSetting) {
    SettingsDialogState d = FillSettingsDialog(Defaults());
    d.chkRememberPosition = false;
    d.chkRememberinterfacelayout = false;
    d.chkInfoBar = false;
    d.lstColorValues = 2;
    d.lstClipboardFormat = 4;
    d.chkAutoSampleToClipboard = false;
    d.lstExportTo = 1;
    d.chkNoDoubleSamples = true;
    d.chkResetLibrary = true;
    d.lstRulerUnits = L"Picas";
    d.lstRulerColor = 0x00FF00;
    d.edtSequenceName = L"Shot_\u00E9";
    d.edtSequenceDigits = L"10";
    d.lstSequenceFormat = 1;
    d.trkJpegQuality = 4;
    Settings s = Defaults();
    ApplySettingsDialog(d, s);
    EXPECT_FALSE(s.rememberPosition);
    EXPECT_FALSE(s.rememberLayout);
    EXPECT_FALSE(s.showInformationBar);
    EXPECT_EQ(s.colorValueForm, 2);
    EXPECT_EQ(s.clipboardFormat, 4);
    EXPECT_FALSE(s.copySamplesToClipboard);
    EXPECT_FALSE(s.photoshopForeground);
    EXPECT_FALSE(s.keepRepeatedSamples);
    EXPECT_TRUE(s.clearLibraryOnLoad);
    EXPECT_EQ(s.rulerUnit, 3);
    EXPECT_EQ(s.rulerColor, 0x00FF00u);
    EXPECT_EQ(s.sequenceName, L"Shot_\u00E9");
    EXPECT_EQ(s.sequenceDigits, 10);
    EXPECT_EQ(s.sequenceFormat, 1);
    EXPECT_EQ(s.jpegQuality, 4);
}

TEST(SettingsDialogFill, TheSequenceFormatListShowsImgFormatAndAnyOtherValueAsJpeg) {
    const std::pair<int, int> cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 0}, {-1, 0}, {1000, 0}};
    for (const auto& [stored, item] : cases) {
        Settings s = Defaults();
        s.sequenceFormat = stored;
        EXPECT_EQ(FillSettingsDialog(s).lstSequenceFormat, item) << stored;
    }
    SettingsDialogState d = FillSettingsDialog(Defaults());
    d.lstSequenceFormat = -1;  // no selection
    Settings s = Defaults();
    s.sequenceFormat = 2;
    ApplySettingsDialog(d, s);
    EXPECT_EQ(s.sequenceFormat, 0);
}

TEST(SettingsDialogApply, TypedRulerUnitsAreLookedUpAndOthersGiveMinusOne) {
    EXPECT_EQ(RulerUnitIndex(L"Pixels"), 0);
    EXPECT_EQ(RulerUnitIndex(L"percent"), 4);
    EXPECT_EQ(RulerUnitIndex(L"Percent "), -1);
    EXPECT_EQ(RulerUnitIndex(L"Miles"), -1);
    EXPECT_EQ(RulerUnitIndex(L""), -1);
    SettingsDialogState d = FillSettingsDialog(Defaults());
    d.lstRulerUnits = L"Furlongs";
    Settings s = Defaults();
    ApplySettingsDialog(d, s);
    EXPECT_EQ(s.rulerUnit, -1);
}

TEST(SettingsDialogApply, NothingOutOfRangeIsStored) {
    SettingsDialogState d = FillSettingsDialog(Defaults());
    d.lstColorValues = -1;  // a hand-edited value gave the list no selection
    d.lstClipboardFormat = 9;
    d.lstExportTo = -1;
    d.trkJpegQuality = 55;
    d.lstRulerColor = 0x7F123456;
    Settings s = Defaults();
    s.colorValueForm = 1;
    ApplySettingsDialog(d, s);
    EXPECT_EQ(s.colorValueForm, 0);
    EXPECT_EQ(s.clipboardFormat, 0);
    EXPECT_FALSE(s.photoshopForeground);
    EXPECT_EQ(s.jpegQuality, static_cast<int>(Setting(SettingId::JpegQuality).number));
    EXPECT_EQ(s.rulerColor, 0x123456u);
}

TEST(SettingsDialogApply, TheSpinFieldAlwaysGivesOneToTen) {
    struct Case {
        const wchar_t* text;
        int number;
    };
    static constexpr Case cases[] = {
        {L"1", 1},    {L"10", 10}, {L"0", 1},           {L"11", 10},    {L"999999999", 10},
        {L"", 3},     {L"abc", 3}, {L"-2", 3},          {L" 4 ", 4},    {L"4a", 3},
        {L"0005", 5}, {L"1e3", 3}, {L"12345678901", 3}, {L"\u0664", 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SpinFieldNumber(c.text), c.number) << std::wstring(c.text).size();
    EXPECT_FALSE(SpinFieldAcceptsCharacter(L'5'));
    EXPECT_FALSE(SpinFieldAcceptsCharacter(L'x'));
}

TEST(SettingsDialogExample, CounterOneWithTheChosenDigits) {
    EXPECT_EQ(ExampleFileName(L"Img_Sequence", L"3", L""), L"Img_Sequence001");
    EXPECT_EQ(ExampleFileName(L"Img_Sequence", L"1", L""), L"Img_Sequence1");
    EXPECT_EQ(ExampleFileName(L"Img_Sequence", L"10", L""), L"Img_Sequence0000000001");
    EXPECT_EQ(ExampleFileName(L"", L"2", L".jpg"), L"01.jpg");
    EXPECT_EQ(ExampleFileName(L"a", L"x", L""), L"a001");
}

TEST(PhotoshopLabels, ByTheWholeMajorNumber) {
    struct Case {
        const wchar_t* key;
        const wchar_t* label;
    };
    static constexpr Case cases[] = {
        {L"8.0", L"Photoshop CS"},     {L"9.0", L"Photoshop CS2"},
        {L"10.0", L"Photoshop CS3"},   {L"11.0", L"Photoshop CS4"},
        {L"7.0", L"Photoshop 7.0"},    {L"18.0", L"Photoshop 18.0"},
        {L"19.0", L"Photoshop 19.0"},  {L"110.0", L"Photoshop 110.0"},
        {L"12.0", L"Photoshop 12.0"},  {L"CS5", L"Photoshop CS5"},
        {L"", L"Photoshop "},          {L"9", L"Photoshop 9"},
        {L"v9.0.1", L"Photoshop CS2"}, {L"99999999999.0", L"Photoshop 99999999999.0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PhotoshopLabel(c.key), c.label);
}

TEST(PhotoshopLabels, ListSelectsTheStoredVersionOrTheLast) {
    const std::vector<std::wstring> keys = {L"8.0", L"9.0", L"70.0"};
    PhotoshopVersionList list = ListPhotoshopVersions(keys, L"9.0");
    EXPECT_EQ(list.labels,
              (std::vector<std::wstring>{L"Photoshop CS", L"Photoshop CS2", L"Photoshop 70.0"}));
    EXPECT_EQ(list.selected, 1);
    EXPECT_FALSE(VersionChoiceNeeded(list, L"9.0"));
    list.selected = 0;
    EXPECT_TRUE(VersionChoiceNeeded(list, L"9.0"));
    EXPECT_EQ(list.SelectedKey(), L"8.0");

    list = ListPhotoshopVersions(keys, L"");
    EXPECT_EQ(list.selected, 2);
    EXPECT_TRUE(VersionChoiceNeeded(list, L""));

    list = ListPhotoshopVersions({}, L"9.0");
    EXPECT_EQ(list.selected, -1);
    EXPECT_EQ(list.SelectedKey(), L"");
    EXPECT_FALSE(VersionChoiceNeeded(list, L"9.0"));
}

}  // namespace
}  // namespace vix
