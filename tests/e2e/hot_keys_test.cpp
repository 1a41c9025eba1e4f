// The global hot keys as a user presses them: the main window minimised to
// the tray, another program's window active, the keys sent through the
// system's input path.

#include <cstdlib>

#include "pattern.h"
#include "platform/window.h"
#include "settings_dialog/settings_dialog.h"
#include "tools/control_ids.h"
#include "platform/clipboard.h"
#include "vix_fixture.h"

namespace vix::e2e {
namespace {

namespace pt = test::pattern;

void SetClipboardText(const std::wstring& text) {
    ASSERT_TRUE(platform::ClipboardWriter().SetText(text));
}

class HotKeys : public VixTest {
  protected:
    void SetUp() override {
        VixTest::SetUp();
        pattern_ = std::make_unique<VixProcess>(BinDir() + L"\\pattern.exe");
        ASSERT_TRUE(pattern_->Start());
        patternWindow_ = pattern_->WaitForWindow(L"VixTestPattern");
        ASSERT_NE(patternWindow_, nullptr);
    }
    void TearDown() override {
        VixTest::TearDown();
        pattern_.reset();
    }

    // Starts the program, minimises it to the tray and makes the pattern
    // the active window.
    void StartMinimised() {
        StartVix();
        LeftClickAt(Center(Control(L"Minimize")));
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(Main()); }));
        LeftClickAt({pt::kLeft + 5, pt::kTop + 5});
        ::Sleep(100);
    }
    // A hot key, handled when the main window shows: what it does is done
    // before the test looks (a look at the clipboard meanwhile would hold it
    // while the program writes it).
    // Wine brings the keyboard state up to date with X's when a window of
    // ours takes the focus: keys pressed while the focus is still moving can
    // lose their Ctrl and Alt, so the windows settle first.
    void Key(char letter) const {
        WaitKeysHandled();
        WaitInputHandled(Main());
        PressKeyWith(static_cast<WORD>(letter), {VK_CONTROL, VK_MENU});
        ::Sleep(150);
        WaitInputHandled(Main());
    }
    bool Shows(const wchar_t* caption) const {
        return WaitUntil([&] { return Control(caption) != nullptr; });
    }
    HWND RulerWindow() const {
        for (HWND w : TopLevelWindows(vix_->Pid(), L"Trulerapp"))
            if (::IsWindowVisible(w)) return w;
        return nullptr;
    }

    std::unique_ptr<VixProcess> pattern_;
    HWND patternWindow_ = nullptr;
};

TEST_F(HotKeys, PickerKeyExpandsItsPageThenStartsAndStopsThePicker) {
    SetSettingsDword(L"_tab_ColorPickerpage", 0);
    SetSettingsDword(L"ActivePageIndex", 1);
    StartMinimised();
    Key('P');
    EXPECT_TRUE(Shows(L"Deactivate Colorpicker"));
    // Sampled from the other program's window while the picker runs.
    Sample({pt::kFlatX, pt::kFlatY}, pt::kFlat);
    EXPECT_TRUE(WaitUntil([] { return ClipboardText() == L"#129AE4"; }));
    Key('P');
    EXPECT_TRUE(Shows(L"Activate Colorpicker"));
    ::PostMessageW(Main(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(vix_->WaitForExit().has_value());
    EXPECT_EQ(SettingsDword(L"_tab_ColorPickerpage"), 1u);
    EXPECT_EQ(SettingsDword(L"ActivePageIndex"), 0u);
}

TEST_F(HotKeys, LibraryAndInfoKeysOnlyOpenThePickerTab) {
    for (char key : {'L', 'I'}) {
        SetSettingsDword(L"ActivePageIndex", 2);
        StartMinimised();
        Key(key);
        ::Sleep(200);
        ::PostMessageW(Main(), WM_CLOSE, 0, 0);
        ASSERT_TRUE(vix_->WaitForExit().has_value());
        EXPECT_EQ(SettingsDword(L"ActivePageIndex"), 0u) << key;
        EXPECT_EQ(SettingsDword(L"_tab_ColorLibPage"), 0u) << key;
        EXPECT_EQ(SettingsDword(L"_tab_ColorInfopage"), 0u) << key;
    }
}

TEST_F(HotKeys, WebSafeKeySnapsTheSampleAndCopyKeyCopiesItOnThePickerTab) {
    SetSettingsDword(L"AutoSampleToClipboard", 0);
    StartMinimised();
    Key('P');
    ASSERT_TRUE(Shows(L"Deactivate Colorpicker"));
    Sample({pt::kFlatX, pt::kFlatY}, pt::kFlat);
    Key('P');
    Key('W');
    SetClipboardText(L"marker");
    Key('X');
    // 0x12 0x9A 0xE4 to the nearest of the six levels.
    EXPECT_TRUE(WaitUntil([] { return ClipboardText() == L"#0099CC"; }))
        << testing::PrintToString(ClipboardText());
}

TEST_F(HotKeys, RulerKeysShowTurnAndHideTheRuler) {
    StartMinimised();
    Key('U');
    ASSERT_TRUE(WaitUntil([&] { return RulerWindow() != nullptr; }));
    HWND ruler = RulerWindow();
    RECT r = ScreenRect(ruler);
    EXPECT_EQ(r.right - r.left, 200);
    Key('R');
    EXPECT_TRUE(WaitUntil([&] {
        r = ScreenRect(ruler);
        return r.right - r.left == 30 && r.bottom - r.top == 200;
    }));
    Key('F');
    EXPECT_NE(RulerWindow(), nullptr) << "flipping keeps it shown";
    Key('U');
    EXPECT_TRUE(WaitUntil([&] { return RulerWindow() == nullptr; }));
}

TEST_F(HotKeys, SaveCopyAndExportKeysDoNothingOnTheWrongTab) {
    SetSettingsDword(L"ActivePageIndex", 1);
    StartMinimised();
    SetClipboardText(L"marker");
    for (char key : {'S', 'X', 'A'})
        Key(key);
    ::Sleep(300);
    EXPECT_EQ(ClipboardText(), L"marker");
    EXPECT_EQ(HWND{}, WaitForMessageBox(vix_->Pid(), 500));
    EXPECT_FALSE(::IsWindowVisible(Main()));
    ::PostMessageW(Main(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(vix_->WaitForExit().has_value());
    EXPECT_EQ(SettingsDword(L"ActivePageIndex"), 1u) << "the tab stays";
}

TEST_F(HotKeys, MinimizeKeyAlternates) {
    StartMinimised();
    Key('M');
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(Main()) != FALSE; }));
    Key('M');
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(Main()); }));
    Key('M');
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(Main()) != FALSE; }));
}

TEST_F(HotKeys, RectangleAndControlKeysSwitchTheirModesOnAndOff) {
    StartMinimised();
    const auto shown = [&](const wchar_t* overlay) {
        for (HWND w : TopLevelWindows(vix_->Pid(), overlay))
            if (::IsWindowVisible(w)) return true;
        return false;
    };
    Key('T');
    EXPECT_TRUE(WaitUntil([&] { return shown(L"Trectan"); }));
    Key('T');
    EXPECT_TRUE(WaitUntil([&] { return !shown(L"Trectan"); }));
    Key('O');
    EXPECT_TRUE(WaitUntil([&] { return shown(L"THottracker"); }));
    Key('O');
    EXPECT_TRUE(WaitUntil([&] { return !shown(L"THottracker"); }));
    ::PostMessageW(Main(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(vix_->WaitForExit().has_value());
    EXPECT_EQ(SettingsDword(L"ActivePageIndex"), 2u) << "the keys open the Capture tab";
}

// The whole-screen key, then the copy and save keys on the Capture tab the
// screen key has opened.
TEST_F(HotKeys, ScreenKeyTakesTheDesktopAndTheCopyAndSaveKeysOutputIt) {
    StartMinimised();
    Key('E');
    HWND box = WaitForMessageBox(vix_->Pid());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"To capture a snapshot press the right mouse button");
    PressOk(box);
    // The outputs are enabled once the hook that takes the click is set.
    HWND copy = Control(L"Export snapshot to the clipboard");
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(copy) != FALSE; }));
    RightClickAt({700, 700});
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(Main()) && !::IsIconic(Main()); }));

    SetClipboardText(L"marker");
    Key('X');
    SIZE onClipboard{};
    EXPECT_TRUE(WaitUntil([&] {
        if (!::OpenClipboard(nullptr)) return false;
        if (HANDLE dib = ::GetClipboardData(CF_DIB)) {
            if (const auto* info = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(dib))) {
                onClipboard = {info->biWidth, std::abs(info->biHeight)};
                ::GlobalUnlock(dib);
            }
        }
        ::CloseClipboard();
        return onClipboard.cx > 0;
    }));
    EXPECT_EQ(onClipboard.cx, ::GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(onClipboard.cy, ::GetSystemMetrics(SM_CYVIRTUALSCREEN));

    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring file = std::wstring(temp) + L"vix hot key snapshot.jpg";
    ::DeleteFileW(file.c_str());
    Key('S');
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        for (HWND w : TopLevelWindows(vix_->Pid(), L"#32770"))
            if (::IsWindowVisible(w)) dialog = w;
        return dialog != nullptr;
    }));
    // Typing goes to the dialog's name field once it has the focus.
    ASSERT_TRUE(WaitFocusInside(dialog));
    TypeText(file);
    PressKey(VK_RETURN);
    // The first filter is JPEG: the file starts with the JPEG marker.
    unsigned char head[2] = {};
    EXPECT_TRUE(WaitUntil([&] {
        platform::File f(::CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, 0, nullptr));
        DWORD read = 0;
        return f && ::ReadFile(f.get(), head, 2, &read, nullptr) && read == 2;
    }));
    EXPECT_EQ(head[0], 0xFF);
    EXPECT_EQ(head[1], 0xD8);
    ::DeleteFileW(file.c_str());
}

class OtherProgram final : public platform::Window {
  public:
    OtherProgram() {
        Create({.name = L"VixOtherProgram"}, {.style = WS_POPUP, .text = L"other", .bounds = {}});
    }
};

TEST_F(HotKeys, AKeyTakenByAnotherProgramIsListedAndTheOthersWork) {
    OtherProgram other;
    ASSERT_TRUE(::RegisterHotKey(other.hwnd(), 0x3001, MOD_CONTROL | MOD_ALT, 'P'));
    StartMinimised();
    Key('U');
    EXPECT_TRUE(WaitUntil([&] { return RulerWindow() != nullptr; }));
    Key('M');
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(Main()) != FALSE; }));
    LeftClickAt(Center(Control(L"Settings")));
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        dialog = ::FindWindowW(L"TSettings", L"Settings");
        return dialog && ::IsWindowVisible(dialog);
    }));
    const std::wstring leftOut = TextOf(FindById(dialog, kIdSettingsHotKeysLeftOut));
    EXPECT_NE(leftOut.find(L"Ctrl+Alt+P (used by another program)"), std::wstring::npos)
        << leftOut.size();
    EXPECT_NE(leftOut.find(L"Ctrl+Alt+C (no action)"), std::wstring::npos);
    EXPECT_EQ(leftOut.find(L"Ctrl+Alt+U"), std::wstring::npos);
    LeftClickAt(Center(FindByText(dialog, L"&Cancel")));
    ::UnregisterHotKey(other.hwnd(), 0x3001);
}

}  // namespace
}  // namespace vix::e2e
