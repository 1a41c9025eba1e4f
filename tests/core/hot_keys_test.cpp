#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hotkeys/hot_key_actions.h"
#include "hotkeys/hot_key_plan.h"
#include "hotkeys/hot_key_table.h"

namespace vix {
namespace {

TEST(HotKeyTable, FifteenKeysInTheOrderOfRegistration) {
    std::wstring atoms;
    std::string letters;
    for (const HotKeyRow& row : HotKeyRows()) {
        atoms += std::wstring(row.atomName) + L" ";
        letters += row.letter;
        EXPECT_EQ(&HotKeyRowOf(row.id), &row);
    }
    EXPECT_EQ(atoms,
              L"ColorLibrary Extendedcolorinfo ScreenPicker WebSaveColor Ruler RotateRuler "
              L"FlipRuler EntireScreenCapture RectangleCapture ControlCapture SaveToDisk Capture "
              L"CopyToClipboard ExportToPhotoshop MinimizeVix ");
    EXPECT_EQ(letters, "LIPWURFETOSCXAM");
    EXPECT_EQ(kHotKeyModifiers, 3u);
}

TEST(HotKeyTable, EveryKeyButCHasAnActionAndIsTestedOnce) {
    for (const HotKeyRow& row : HotKeyRows()) {
        const auto found = kHotKeyDispatchOrder.find(row.letter);
        EXPECT_EQ(row.hasAction, found != std::string_view::npos) << row.letter;
        EXPECT_EQ(kHotKeyDispatchOrder.rfind(row.letter), found) << row.letter;
    }
    EXPECT_EQ(HotKeyRowOfLetter('C')->id, HotKeyId::Capture);
    EXPECT_EQ(HotKeyRowOfLetter('Z'), nullptr);
}

// The main window, written down: which tab is open, which pages are
// expanded, and every button pressed.
class HotKeyDispatch : public ::testing::Test {
  protected:
    void SetUp() override {
        HotKeyActions a;
        a.openTab = [this] { return tab; };
        a.changePage = [this](int t) {
            log.push_back("tab " + std::to_string(t));
            tab = t;
        };
        a.pageExpanded = [this](HotKeyPage p) { return expanded[static_cast<int>(p)]; };
        a.expandPage = [this](HotKeyPage p) {
            log.push_back(p == HotKeyPage::ColorPicker ? "expand picker" : "expand ruler");
            expanded[static_cast<int>(p)] = true;
        };
        const auto press = [this](const char* name) {
            return [this, name] { log.push_back(name); };
        };
        a.pickerButton = press("picker");
        a.webSafeColor = press("websafe");
        a.rulerButton = press("ruler");
        a.rotateRuler = press("rotate");
        a.flipRuler = press("flip");
        a.captureEntireScreen = press("screen");
        a.captureRectangle = press("rectangle");
        a.captureControl = press("control");
        a.saveSnapshot = press("save snapshot");
        a.saveLibrary = press("save library");
        a.copyColor = press("copy colour");
        a.copySnapshot = press("copy snapshot");
        a.exportColor = press("export colour");
        a.exportSnapshot = press("export snapshot");
        a.trayOffersMinimize = [this] { return offersMinimize; };
        a.minimize = [this] {
            log.push_back("minimize");
            offersMinimize = false;
        };
        a.restore = [this] {
            log.push_back("restore");
            offersMinimize = true;
        };
        a.hideOwner = press("hide owner");
        BindHotKeys(table, std::move(a));
    }

    std::vector<std::string> Key(unsigned virtualKey) {
        log.clear();
        table.DispatchHotKey(virtualKey, tab);
        return log;
    }

    using Log = std::vector<std::string>;
    ToolTable table;
    int tab = kPickerTab;
    bool expanded[2] = {true, true};
    bool offersMinimize = true;
    Log log;
};

TEST_F(HotKeyDispatch, PickerKeyOpensThePickerTabExpandsItsPageAndPressesTheButton) {
    tab = kRulerTab;
    expanded[0] = false;
    EXPECT_EQ(Key('P'), (Log{"tab 0", "expand picker", "picker"}));
    // On its own tab the key only presses the button: the picker stops.
    EXPECT_EQ(Key('P'), (Log{"picker"}));
}

TEST_F(HotKeyDispatch, RulerKeysOpenTheRulerTab) {
    expanded[1] = false;
    EXPECT_EQ(Key('U'), (Log{"tab 1", "expand ruler", "ruler"}));
    EXPECT_EQ(Key('R'), (Log{"rotate"}));
    EXPECT_EQ(Key('F'), (Log{"flip"}));
    tab = -1;
    EXPECT_EQ(Key('R'), (Log{"tab 1", "rotate"}));
}

TEST_F(HotKeyDispatch, LibraryAndInfoKeysOnlyOpenThePickerTab) {
    tab = -1;
    expanded[0] = false;
    EXPECT_EQ(Key('L'), (Log{"tab 0"}));
    EXPECT_EQ(Key('I'), Log{});
    EXPECT_EQ(Key('W'), (Log{"websafe"}));
}

TEST_F(HotKeyDispatch, CaptureKeysOpenTheCaptureTab) {
    EXPECT_EQ(Key('E'), (Log{"tab 2", "screen"}));
    EXPECT_EQ(Key('T'), (Log{"rectangle"}));
    EXPECT_EQ(Key('O'), (Log{"control"}));
}

TEST_F(HotKeyDispatch, SaveCopyAndExportActOnTheOpenTabAndNeverChangeIt) {
    struct Case {
        int tab;
        char key;
        Log expected;
    };
    const Case cases[] = {
        {kPickerTab, 'S', {"save library"}},
        {kCaptureTab, 'S', {"save snapshot"}},
        {kRulerTab, 'S', {}},
        {3, 'S', {}},
        {-1, 'S', {}},
        {kPickerTab, 'X', {"copy colour"}},
        {kCaptureTab, 'X', {"copy snapshot"}},
        {kRulerTab, 'X', {}},
        {kPickerTab, 'A', {"export colour"}},
        {kCaptureTab, 'A', {"export snapshot"}},
        {-1, 'A', {}},
    };
    for (const Case& c : cases) {
        tab = c.tab;
        EXPECT_EQ(Key(c.key), c.expected) << c.key << " on tab " << c.tab;
        EXPECT_EQ(tab, c.tab);
    }
}

TEST_F(HotKeyDispatch, OnlyTheLowByteOfTheKeyCounts) {
    tab = kCaptureTab;
    EXPECT_EQ(Key(0x100 | 'S'), (Log{"save snapshot"}));
    EXPECT_EQ(Key(0xFF00 | 'E'), (Log{"screen"}));
    EXPECT_EQ(Key('s'), Log{});  // the virtual key of a letter is its upper case
}

TEST_F(HotKeyDispatch, CAndKeysOfNoRowDoNothing) {
    for (unsigned key : {unsigned('C'), unsigned('Z'), 0u, 0x12u})
        EXPECT_EQ(Key(key), Log{}) << key;
}

TEST_F(HotKeyDispatch, MinimizeFollowsTheTrayMenu) {
    EXPECT_EQ(Key('M'), (Log{"minimize", "hide owner"}));
    EXPECT_EQ(Key('M'), (Log{"restore", "hide owner"}));
    EXPECT_EQ(Key('M'), (Log{"minimize", "hide owner"}));
}

TEST(HotKeyDispatchMissing, KeysWhoseHandlersAreNotThereDoNothing) {
    ToolTable table;
    int tab = kRulerTab;
    HotKeyActions a;
    a.openTab = [&] { return tab; };
    a.changePage = [&](int t) { tab = t; };
    BindHotKeys(table, std::move(a));
    for (char key : kHotKeyDispatchOrder)
        table.DispatchHotKey(static_cast<unsigned char>(key), tab);
    EXPECT_EQ(tab, kCaptureTab);  // O was the last key to open a tab
}

LayoutFacts Layout(const wchar_t* name, std::map<char, std::wstring> typed) {
    return {name, std::move(typed)};
}

TEST(HotKeyPlanning, WithNoAltGrCharactersEveryKeyButCIsRegistered) {
    const LayoutFacts us[] = {Layout(L"00000409", {})};
    const HotKeyPlan plan = PlanHotKeys(us);
    for (const HotKeyRow& row : HotKeyRows())
        EXPECT_EQ(plan.Registers(row.id), row.letter != 'C') << row.letter;
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
    EXPECT_EQ(plan.typed[static_cast<int>(HotKeyId::ExportToPhotoshop)], L"\u0105");
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
