// Starting and ending the program as a user does.

#include <ostream>
#include <string>

#include "settings/settings.h"
#include "color/color_control_ids.h"
#include "ruler/ruler_control_ids.h"
#include "vix_fixture.h"

namespace vix::e2e {
namespace {

struct FormCase {
    const wchar_t* className;
    const wchar_t* caption;
};

constexpr FormCase kHiddenForms[] = {
    {L"Tvix_psVersion", L"Information"},
    {L"Tvix_update", L"Update VUZirivare"},
    {L"Tvix_imgpreview", L"Image preview"},
    {L"TAbout", L"About vix"},
    {L"TSettings", L"Settings"},
    {L"THottracker", L""},
    {L"Trectan", L""},
    {L"Trulerapp", L"Vix ruler"},
};

using Startup = VixTest;

TEST_F(Startup, MainWindowIsTvixMainWithItsCaptionAndTheOtherEightWindowsWaitHidden) {
    StartVix();
    wchar_t className[64] = {};
    ::GetClassNameW(Main(), className, 64);
    EXPECT_STREQ(className, L"Tvix_main");
    EXPECT_EQ(TextOf(Main()), L"VIX v2.0 - Brellin SD");
    EXPECT_TRUE(::GetWindowLongW(Main(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    for (const FormCase& f : kHiddenForms) {
        const auto windows = TopLevelWindows(vix_->Pid(), f.className);
        ASSERT_EQ(windows.size(), 1u) << "class " << testing::PrintToString(f.className);
        EXPECT_FALSE(::IsWindowVisible(windows[0]));
        EXPECT_EQ(TextOf(windows[0]), f.caption);
        // Their controls are made when they first show.
        EXPECT_EQ(::GetWindow(windows[0], GW_CHILD), nullptr)
            << "class " << testing::PrintToString(f.className);
    }
}

// The values' names, types and defaults are the settings rows' (tested
// natively); here the real program writes them at its first start and adds
// the hints' record, the one value never created, when it closes.
TEST_F(Startup, FirstStartWritesTheSettingsAndCloseAddsHintCheck) {
    StartVix();
    const std::size_t created = SettingsValueNames().size();
    EXPECT_GT(created, 0u);
    EXPECT_FALSE(SettingsBinary(L"HintCheck").has_value());
    CloseVix();
    EXPECT_EQ(SettingsValueNames().size(), created + 1);
    const auto hintCheck = SettingsBinary(L"HintCheck");
    ASSERT_TRUE(hintCheck.has_value());
    EXPECT_EQ(hintCheck->size(), 20u);
}

TEST_F(Startup, SecondCopyReportsAlreadyRunningAndLeavesTheFirstUntouched) {
    StartVix();
    const RECT before = ScreenRect(Main());
    const std::size_t values = SettingsValueNames().size();
    SetSettingsDword(L"JPGQuality", 7);

    VixProcess second;
    ASSERT_TRUE(second.Start());
    HWND box = WaitForMessageBox(second.Pid());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"VIX is already running.");
    EXPECT_TRUE(TopLevelWindows(second.Pid(), L"Tvix_main").empty());
    PressOk(box);
    EXPECT_TRUE(second.WaitForExit().has_value());

    EXPECT_TRUE(vix_->Running());
    EXPECT_TRUE(::IsWindowVisible(Main()));
    const RECT after = ScreenRect(Main());
    EXPECT_TRUE(::EqualRect(&before, &after));
    EXPECT_EQ(SettingsDword(L"JPGQuality"), 7u) << "the second copy must not touch the settings";
    EXPECT_EQ(SettingsValueNames().size(), values);
}

TEST_F(Startup, TheRunningCopyIsFoundBeforeTheLibraryIsAskedForItsVersion) {
    StartVix();
    VixProcess wrong(BinDir() + L"\\lib99\\vix.exe");
    ASSERT_TRUE(wrong.Start());
    HWND box = WaitForMessageBox(wrong.Pid());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"VIX is already running.");
    PressOk(box);
    EXPECT_TRUE(wrong.WaitForExit().has_value());
    EXPECT_TRUE(vix_->Running());
}

// With the Picker tab open and only its first page shown, the other pages'
// controls are built once the window has painted: there without ever being
// shown, with the settings read at start, and a start and a close leave
// those settings and the library as they were.
TEST_F(Startup, PagesNotShownAtStartAreBuiltAfterThePaintWithTheSettingsOfTheStart) {
    std::vector<BYTE> record(106, 0);
    record[0] = 10, record[1] = 20, record[2] = 30, record[105] = 1;
    SetRegistryBinary(kColorLibraryKeyPath, L"Sampled colors", record);
    SetSettingsDword(L"RulerValue", 2);  // centimetres
    SetSettingsDword(L"_tab_RulerViewsPage", 1);
    SetSettingsDword(L"_tab_ColorLibPage", 0);
    StartVix();
    HWND units = FindById(Main(), kIdRulerUnits);
    ASSERT_NE(units, nullptr) << "the Ruler tab's controls";
    EXPECT_FALSE(::IsWindowVisible(units));
    EXPECT_EQ(::SendMessageW(units, CB_GETCURSEL, 0, 0), 2);
    HWND save = Control(L"Save Color Libray as .act");
    ASSERT_NE(save, nullptr) << "the collapsed library page's controls";
    EXPECT_TRUE(::IsWindowEnabled(save)) << "the stored library was read";
    EXPECT_NE(FindById(Main(), kIdColorInfoFirst), nullptr);
    EXPECT_NE(Control(L"Capture the entire screen"), nullptr);
    CloseVix();

    EXPECT_EQ(SettingsDword(L"RulerValue"), 2u);
    EXPECT_EQ(SettingsDword(L"_tab_RulerViewsPage"), 1u);
    EXPECT_EQ(SettingsDword(L"_tab_ColorLibPage"), 0u);
    EXPECT_EQ(RegistryBinary(kColorLibraryKeyPath, L"Sampled colors"), record);
}

struct LibraryCase {
    const char* name;  // the case's name
    const wchar_t* folder;
    const wchar_t* message;
    // Listed by its name, not its bytes.
    friend void PrintTo(const LibraryCase& c, std::ostream* os) { *os << c.name; }
};

class WrongLibrary : public VixTest, public ::testing::WithParamInterface<LibraryCase> {};

TEST_P(WrongLibrary, StopsTheStartWithItsMessageAndCreatesNothing) {
    VixProcess vix(BinDir() + L"\\" + GetParam().folder + L"\\vix.exe");
    ASSERT_TRUE(vix.Start());
    HWND box = WaitForMessageBox(vix.Pid());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), GetParam().message);
    EXPECT_TRUE(TopLevelWindows(vix.Pid(), L"Tvix_main").empty());
    PressOk(box);
    EXPECT_TRUE(vix.WaitForExit().has_value());
    EXPECT_TRUE(SettingsValueNames().empty()) << "no setting may be written";
}

INSTANTIATE_TEST_SUITE_P(
    Library, WrongLibrary,
    ::testing::Values(LibraryCase{"UnknownVersion", L"lib99",
                                  L"Corrupt file, please re-install VUZirivare"},
                      LibraryCase{"OlderVersion", L"lib3",
                                  L"Wrong version of Vix32.dll, please re-install VUZirivare"}),
    [](const ::testing::TestParamInfo<LibraryCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vix::e2e
