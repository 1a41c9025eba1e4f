// The main window's frame: tabs, sections, hints, position and closing.

#include "pictures.h"
#include "vix_fixture.h"

namespace vix::e2e {
namespace {

using Frame = VixTest;

// Each tab as the window drew it when its picture in tests/e2e/reference was
// kept: a change in how the window is built or painted must not change a
// pixel. A deliberate change of look takes new pictures from the run's
// screenshots.
void ExpectLooksAsKept(HWND window, const wchar_t* name) {
    // The source folder as Wine's drive Z: shows the Linux root.
    const std::string folder = VIX_E2E_REFERENCE_DIR;
    const std::wstring file =
        L"Z:" + std::wstring(folder.begin(), folder.end()) + L"/" + name + L".png";
    const std::optional<Picture> kept = ReadImageFile(file);
    ASSERT_TRUE(kept) << "no picture " << testing::PrintToString(file);
    const Picture now = ScreenPicture(ScreenRect(window));
    ASSERT_EQ(now.width, kept->width);
    ASSERT_EQ(now.height, kept->height);
    int differing = 0;
    POINT first{-1, -1};
    for (int y = 0; y < now.height; ++y)
        for (int x = 0; x < now.width; ++x)
            if (now.At(x, y) != kept->At(x, y) && differing++ == 0) first = {x, y};
    EXPECT_EQ(differing, 0) << testing::PrintToString(name) << ": the first at (" << first.x << ", "
                            << first.y << ")";
}

struct TabCase {
    const wchar_t* caption;
    const wchar_t* shot;
    int height;
};

constexpr TabCase kTabs[] = {
    {L" Ruler", L"tab-ruler", 184},
    {L" Capture", L"tab-capture", 176},
    {L" More", L"tab-more", 374},
    {L" Picker", L"tab-picker", 227},
};

TEST_F(Frame, EachTabGivesItsHeightAndClickingTheOpenTabCollapses) {
    StartVix();
    EXPECT_EQ(ClientHeight(), 227);
    EXPECT_EQ(ClientSize(Main()).cx, 261);
    for (const TabCase& t : kTabs) {
        ClickTab(t.caption);
        ASSERT_TRUE(WaitUntil([&] { return ClientHeight() == t.height; }))
            << "tab" << testing::PrintToString(t.caption) << " gave " << ClientHeight();
        WaitPainted(Main());
        EXPECT_TRUE(SaveWindowShot(Main(), t.shot));
        ExpectLooksAsKept(Main(), t.shot);
    }
    ClickTab(L" Picker");
    EXPECT_TRUE(WaitUntil([&] { return ClientHeight() == 44; })) << ClientHeight();
    EXPECT_TRUE(SaveWindowShot(Main(), L"tabs-closed"));
    ClickTab(L" Capture");
    EXPECT_TRUE(WaitUntil([&] { return ClientHeight() == 176; })) << ClientHeight();
}

TEST_F(Frame, TogglingASectionChangesTheHeightByItsPage) {
    StartVix();
    HWND toggle = Control(L"Expand/Collapse Sampled color library");
    ASSERT_NE(toggle, nullptr);
    LeftClickAt(Center(toggle));
    EXPECT_TRUE(WaitUntil([&] { return ClientHeight() == 227 + 79; })) << ClientHeight();
    ToggleSection(L"Expand/Collapse Colorpicker");
    EXPECT_TRUE(WaitUntil([&] { return ClientHeight() == 227 + 79 - 112; }));
    EXPECT_TRUE(SaveWindowShot(Main(), L"picker-library-open"));
    // A double-click on the bar's caption toggles twice, once per press.
    HWND caption = Control(L"Extended color information");
    ASSERT_NE(caption, nullptr);
    LeftClickAt(Center(caption));  // a single click on the caption does nothing
    ASSERT_TRUE(WaitInputHandled(Main()));
    EXPECT_EQ(ClientHeight(), 227 + 79 - 112);
}

TEST_F(Frame, ClosingStoresTheOpenTabLayoutAndPosition) {
    StartVix();
    ClickTab(L" Ruler");
    ToggleSection(L"Expand/Collapse Ruler info");
    ASSERT_TRUE(WaitUntil([&] { return ClientHeight() == 184 + 58; }));
    const RECT title = ScreenRect(FindById(Main(), 1004));
    const RECT before = ScreenRect(Main());
    LeftDrag({title.left + 40, title.top + 7}, {title.left + 40 - 200, title.top + 7 - 150});
    const RECT moved = ScreenRect(Main());
    EXPECT_EQ(moved.left, before.left - 200);
    EXPECT_EQ(moved.top, before.top - 150);
    CloseVix();

    EXPECT_EQ(SettingsDword(L"ActivePageIndex"), 1u);
    EXPECT_EQ(SettingsDword(L"_tab_RulerInfoPage"), 1u);
    EXPECT_EQ(SettingsDword(L"LastX"), static_cast<DWORD>(moved.left));
    EXPECT_EQ(SettingsDword(L"LastY"), static_cast<DWORD>(moved.top));

    StartVix();
    EXPECT_EQ(ClientHeight(), 184 + 58);
    const RECT again = ScreenRect(Main());
    EXPECT_EQ(again.left, moved.left);
    EXPECT_EQ(again.top, moved.top);
}

// Centring, the unset mark and the pulling in at every edge are checked in
// the placement tests; here, that the stored position and the desktop reach
// them.
TEST_F(Frame, AStoredPositionBeyondTheDesktopIsPulledIn) {
    // A first start creates the key; then the position is written as if saved.
    StartVix();
    CloseVix();
    SetSettingsDword(L"LastX", 5000);
    SetSettingsDword(L"LastY", 4000);
    StartVix();
    // Its right and bottom edges on those of the 1024 x 768 desktop.
    const RECT r = ScreenRect(Main());
    EXPECT_EQ(r.right, 1024);
    EXPECT_EQ(r.bottom, 768);
}

TEST_F(Frame, InformationBarShowsTheHintUnderThePointer) {
    StartVix();
    MoveTo(TabPoint(Tab(L" Ruler")));
    EXPECT_TRUE(WaitUntil([&] { return HintBarText() == L"Activate the Screenruler tab"; }))
        << testing::PrintToString(HintBarText());
    MoveTo(Center(Control(L"Expand/Collapse Colorpicker")));
    EXPECT_TRUE(WaitUntil([&] { return HintBarText() == L"Expand/Collapse Colorpicker"; }));
    MoveTo(Center(Control(L"Settings")));
    EXPECT_TRUE(WaitUntil([&] { return HintBarText() == L"Settings"; }));
    // Leaving the window clears the bar.
    MoveTo({1000, 700});
    EXPECT_TRUE(WaitUntil([&] { return HintBarText().empty(); }));
}

TEST_F(Frame, WithoutTheInformationBarEveryTabIsTwentyTwoPixelsShorter) {
    StartVix();
    CloseVix();
    SetSettingsDword(L"ShowInformationBar", 0);
    StartVix();
    EXPECT_EQ(ClientHeight(), 227 - 22);
    ClickTab(L" More");
    EXPECT_TRUE(WaitUntil([&] { return ClientHeight() == 374 - 22; }));
    ClickTab(L" More");
    EXPECT_TRUE(WaitUntil([&] { return ClientHeight() == 44; }));
    // The hint of a tab would show once the pointer's move is handled and
    // the loop idles, before the click on it.
    MoveTo(TabPoint(Tab(L" Ruler")));
    ClickTab(L" Ruler");
    EXPECT_TRUE(WaitUntil([&] { return ClientHeight() == 184 - 22; })) << ClientHeight();
    EXPECT_EQ(HintBarText(), L"");
}

TEST_F(Frame, MinimizeHidesTheWindowAndTheExitButtonEndsTheProgram) {
    StartVix();
    LeftClickAt(Center(Control(L"Minimize")));
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(Main()); }));
    EXPECT_TRUE(vix_->Running());
    // The window menu's minimise, the tray and the hot key bring it back;
    // here the window is closed while minimised and still saves.
    ::PostMessageW(Main(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(vix_->WaitForExit().has_value());
    // "HintCheck" is written by the first save only.
    EXPECT_TRUE(SettingsBinary(L"HintCheck").has_value());
}

// The tray menu has two items: "Minimize" or "Maximize", then "Exit". Its
// texts cannot be read from here, so the test watches what the first item does.
TEST_F(Frame, TrayMenuSwapsMinimizeAndMaximizeAndExits) {
    StartVix();
    RightClickAt(TrayIconPoint());
    ASSERT_NE(WaitForPopupMenu(), nullptr);
    ChooseMenuItem(0);  // "Minimize"
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(Main()); }));

    RightClickAt(TrayIconPoint());
    ASSERT_NE(WaitForPopupMenu(), nullptr);
    ChooseMenuItem(0);  // now "Maximize"
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(Main()); }));
    EXPECT_TRUE(::GetWindowLongW(Main(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    // Minimised with the caption button, a double-click on the icon restores.
    LeftClickAt(Center(Control(L"Minimize")));
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(Main()); }));
    LeftDoubleClickAt(TrayIconPoint());
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(Main()); }));

    RightClickAt(TrayIconPoint());
    ASSERT_NE(WaitForPopupMenu(), nullptr);
    ChooseMenuItem(1);  // "Exit"
    EXPECT_TRUE(vix_->WaitForExit().has_value());
    EXPECT_TRUE(SettingsBinary(L"HintCheck").has_value()) << "the exit saves";
}

TEST_F(Frame, HelpMenuOpensTheAboutBoxWithItsVersion) {
    StartVix();
    LeftClickAt(Center(Control(L"Help")));
    ASSERT_NE(WaitForPopupMenu(), nullptr);
    ChooseMenuItem(1);  // "&About"
    HWND about = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        about = ::FindWindowW(L"TAbout", L"About vix");
        return about && ::IsWindowVisible(about);
    }));
    EXPECT_NE(FindByText(about, L" v2.0"), nullptr);
    EXPECT_FALSE(::IsWindowEnabled(Main())) << "the About box is modal";
    // Opened from the help menu it is centred on the screen.
    const RECT r = ScreenRect(about);
    EXPECT_NEAR((r.left + r.right) / 2, 512, 1);
    EXPECT_TRUE(SaveWindowShot(about, L"about"));
    LeftClickAt(Center(FindByText(about, L"&OK")));
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(about); }));
    EXPECT_TRUE(::IsWindowEnabled(Main()));
}

}  // namespace
}  // namespace vix::e2e
