#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "hotkeys/hot_key_plan.h"
#include "hotkeys/hot_key_table.h"
#include "tools/tool_checks.h"

namespace vix {
namespace {

TEST(HotKeyTable, FifteenKeysInTheOrderOfRegistration) {
    std::wstring atoms;
    std::string letters;
    for (const HotKeyRow& row : HotKeyRows()) {
        atoms += std::wstring(row.atomName) + L" ";
        letters += row.letter;
        EXPECT_EQ(&HotKeyRowOf(row.id()), &row);
    }
    EXPECT_EQ(atoms,
              L"ColorLibrary Extendedcolorinfo ScreenPicker WebSaveColor Ruler RotateRuler "
              L"FlipRuler EntireScreenCapture RectangleCapture ControlCapture SaveToDisk Capture "
              L"CopyToClipboard ExportToPhotoshop MinimizeVix ");
    EXPECT_EQ(letters, "LIPWURFETOSCXAM");
    EXPECT_EQ(kHotKeyModifiers, 3u);
}

TEST(HotKeyTable, EveryKeyButCHasAnActionAndEachLetterIsOneKey) {
    EXPECT_EQ(ActionLetters(), "LIPWURFETOSXAM");
    for (const HotKeyRow& row : HotKeyRows())
        EXPECT_EQ(HotKeyRowOfLetter(row.letter), &row) << row.letter;
    EXPECT_EQ(HotKeyRowOfLetter('C')->id(), HotKeyId::Capture);
    EXPECT_EQ(HotKeyRowOfLetter('Z'), nullptr);
    EXPECT_THROW(HotKeyRowOf(HotKeyId{'Z'}), std::logic_error);
}

constexpr HotKeyRow kGrid{'G', L"GridOverlay", true, L"Ctrl+Alt+G: show or hide the grid"};

TEST(HotKeyTable, AKeysDescriptionBeginsWithItsOwnName) {
    EXPECT_EQ(KeyName(HotKeyRowOf(HotKeyId::ScreenPicker)), L"Ctrl+Alt+P");
    EXPECT_EQ(KeyName(kGrid), L"Ctrl+Alt+G");
    struct Case {
        HotKeyRow row;
        bool wellFormed;
    };
    const Case cases[] = {
        {kGrid, true},
        {{'g', L"GridOverlay", true, L"Ctrl+Alt+g: show the grid"}, false},
        {{'7', L"GridOverlay", true, L"Ctrl+Alt+7: show the grid"}, false},
        {{'G', L"GridOverlay", true, L"Ctrl+Alt+H: show the grid"}, false},
        {{'G', L"GridOverlay", true, L"Ctrl+Alt+G show the grid"}, false},
        {{'G', L"GridOverlay", true, L"Ctrl+Alt+G: "}, false},
        {{'G', L"GridOverlay", true, L"Ctrl+G: show the grid"}, false},
        {{'G', L"GridOverlay", true, L""}, false},
        {{'G', L"", true, L"Ctrl+Alt+G: show the grid"}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WellFormed(c.row), c.wellFormed) << std::wstring(c.row.description);
}

// Tools as tool_set.cpp names them, by type, with the keys they bring.
struct GridTool {
    static constexpr HotKeyRow kOwnKeys[] = {kGrid};
};
struct KeyTool {
    static constexpr HotKeyRow kOwnKeys[] = {
        {'K', L"Keep", true, L"Ctrl+Alt+K: keep"},
        {'J', L"Jump", true, L"Ctrl+Alt+J: jump"},
    };
};
struct NoKeys {};
struct OnP {
    static constexpr HotKeyRow kOwnKeys[] = {{'P', L"Other", true, L"Ctrl+Alt+P: other"}};
};
struct GridAgain {
    static constexpr HotKeyRow kOwnKeys[] = {{'G', L"Other", true, L"Ctrl+Alt+G: other"}};
};
struct TwiceOnK {
    static constexpr HotKeyRow kOwnKeys[] = {
        {'K', L"Keep", true, L"Ctrl+Alt+K: keep"},
        {'K', L"Kick", true, L"Ctrl+Alt+K: kick"},
    };
};
struct BadlyDescribed {
    static constexpr HotKeyRow kOwnKeys[] = {{'Q', L"Quit", true, L"Ctrl+Alt+K: quit"}};
};

TEST(HotKeyTable, NoLetterIsTwoKeysAmongTheFifteenAndTheToolsOwn) {
    EXPECT_TRUE(DistinctLetters<>()) << "the fifteen alone";
    EXPECT_TRUE((DistinctLetters<GridTool, NoKeys, KeyTool>()));
    EXPECT_FALSE(DistinctLetters<OnP>()) << "a letter of the fifteen";
    EXPECT_FALSE((DistinctLetters<GridTool, KeyTool, GridAgain>())) << "another tool's letter";
    EXPECT_FALSE(DistinctLetters<TwiceOnK>()) << "a letter twice in one tool";
    EXPECT_TRUE((WellFormedKeys<GridTool, NoKeys, KeyTool>()));
    EXPECT_FALSE((WellFormedKeys<GridTool, BadlyDescribed>()));
}

LayoutFacts Layout(const wchar_t* name, std::map<char, std::wstring> typed) {
    return {name, std::move(typed)};
}

TEST(HotKeyPlanning, WithNoAltGrCharactersEveryKeyButCIsRegistered) {
    const LayoutFacts us[] = {Layout(L"00000409", {})};
    const HotKeyPlan plan = PlanHotKeys(us);
    for (const HotKeyRow& row : HotKeyRows())
        EXPECT_EQ(plan.Registers(row.id()), row.letter != 'C') << row.letter;
    EXPECT_EQ(LeftOutLine(plan), L"Not in use: Ctrl+Alt+C (no action)");
}

TEST(HotKeyPlanning, KeysTypingACharacterOnAnyLayoutAreLeftOut) {
    const LayoutFacts layouts[] = {
        Layout(L"00000409", {}),
        Layout(L"00000407", {{'E', L"\u20AC"}, {'Q', L"@"}}),
        Layout(L"00000415", {{'L', L"\u0142"}, {'E', L"\u0119"}, {'S', L"\u015B"}}),
    };
    const HotKeyPlan plan = PlanHotKeys(layouts);
    EXPECT_EQ(plan.FateOf(HotKeyId::EntireScreenCapture), HotKeyFate::TypesCharacter);
    EXPECT_EQ(plan.FateOf(HotKeyId::ColorLibrary), HotKeyFate::TypesCharacter);
    EXPECT_EQ(plan.FateOf(HotKeyId::SaveToDisk), HotKeyFate::TypesCharacter);
    EXPECT_TRUE(plan.Registers(HotKeyId::ScreenPicker));
    EXPECT_TRUE(plan.Registers(HotKeyId::MinimizeVix));
    // The first layout that types something names it.
    EXPECT_EQ(LeftOutLine(plan),
              L"Not in use: Ctrl+Alt+L (types \u0142), Ctrl+Alt+E (types \u20AC), "
              L"Ctrl+Alt+S (types \u015B), Ctrl+Alt+C (no action)");
}

TEST(HotKeyPlanning, ControlCharactersTypeNothing) {
    const LayoutFacts layouts[] = {
        Layout(L"00000409", {{'P', L"\x10"}, {'M', L"\x7F"}, {'W', L""}, {'A', L"\x01\u0105"}})};
    const HotKeyPlan plan = PlanHotKeys(layouts);
    EXPECT_TRUE(plan.Registers(HotKeyId::ScreenPicker));
    EXPECT_TRUE(plan.Registers(HotKeyId::MinimizeVix));
    EXPECT_TRUE(plan.Registers(HotKeyId::WebSafeColor));
    EXPECT_EQ(plan.FateOf(HotKeyId::ExportToPhotoshop), HotKeyFate::TypesCharacter);
    EXPECT_EQ(LeftOutLine(plan), L"Not in use: Ctrl+Alt+C (no action), Ctrl+Alt+A (types \u0105)");
}

TEST(HotKeyPlanning, AToolsOwnKeyIsPlannedAfterTheFifteen) {
    std::vector<HotKeyRow> rows(HotKeyRows().begin(), HotKeyRows().end());
    rows.push_back(kGrid);
    const LayoutFacts layouts[] = {Layout(L"00000415", {{'G', L"\u0123"}})};
    HotKeyPlan plan = PlanHotKeys(layouts, rows);
    EXPECT_EQ(plan.FateOf(kGrid.id()), HotKeyFate::TypesCharacter);
    EXPECT_TRUE(plan.Registers(HotKeyId::ScreenPicker));
    EXPECT_EQ(LeftOutLine(plan), L"Not in use: Ctrl+Alt+C (no action), Ctrl+Alt+G (types \u0123)");
    EXPECT_EQ(ActionLetters(rows), "LIPWURFETOSXAMG");
}

TEST(HotKeyPlanning, AFailedRegistrationIsListedWithItsReason) {
    HotKeyPlan plan = PlanHotKeys({});
    plan.RegistrationFailed(HotKeyId::ScreenPicker, true);
    plan.RegistrationFailed(HotKeyId::MinimizeVix, false);
    EXPECT_FALSE(plan.Registers(HotKeyId::ScreenPicker));
    EXPECT_EQ(LeftOutLine(plan),
              L"Not in use: Ctrl+Alt+P (used by another program), Ctrl+Alt+C (no action), "
              L"Ctrl+Alt+M (refused by Windows)");
}

}  // namespace
}  // namespace vix
