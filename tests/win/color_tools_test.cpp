// The colour picker's and the library's window code against stand-ins for the
// main window, the clipboard and the system cursors; the screen is real.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "color/color_info_panel.h"
#include "color/color_library_page.h"
#include "color/color_picker.h"
#include "color/color_text.h"
#include "color/web_safe.h"
#include "memory_registry.h"
#include "fake_tool_host.h"
#include "full_gdi_table.h"
#include "platform/canvas.h"
#include "platform/handle.h"
#include "platform/screen_copy.h"
#include "platform/window.h"
#include "color/color_control_ids.h"
#include "ui/panel.h"
#include "ui/skin.h"

namespace vix {
namespace {

// The tools' main window, with the library the picker's samples go to.
struct FakeHost : test::FakeToolHost {
    std::vector<ColorWord> added;
};

class RecordingClipboard final : public TextClipboard {
  public:
    bool locked = false;
    std::vector<std::wstring> texts;
    bool SetText(std::wstring_view text) override {
        if (locked) return false;
        texts.emplace_back(text);
        return true;
    }
};

class RecordingCursors final : public platform::SystemCursors {
  public:
    std::vector<std::wstring> calls;
    void ReplaceSystemCursors(const wchar_t* name) override {
        calls.push_back(std::wstring(L"replace ") + name);
    }
    void ReplaceWithSystemShape(const wchar_t*) override { calls.push_back(L"system shape"); }
    void RestoreSystemCursors() override { calls.push_back(L"restore"); }
};

// A window painted in one known colour, to sample; a test may repaint it in
// another (the colour is the window's user data when set).
constexpr platform::GdiColor kPainted = platform::GdiColor::Rgb(0x12, 0x9A, 0xE4);
constexpr POINT kPaintedPoint = {700, 600};

LRESULT CALLBACK PaintedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        RECT r;
        ::GetClientRect(hwnd, &r);
        const LONG_PTR other = ::GetWindowLongPtrW(hwnd, GWLP_USERDATA);
        platform::FillSolid(reinterpret_cast<HDC>(wParam), r,
                            other ? platform::GdiColor::Rgb(static_cast<std::uint8_t>(other >> 16),
                                                            static_cast<std::uint8_t>(other >> 8),
                                                            static_cast<std::uint8_t>(other))
                                  : kPainted);
        return 1;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

// Repaints `window` in 0xRRGGBB and waits, handling every message but the
// timers' (so that no picker tick runs meanwhile), until the screen shows
// it at `p`.
bool Repaint(HWND window, std::uint32_t rgb, POINT p) {
    ::SetWindowLongPtrW(window, GWLP_USERDATA, static_cast<LONG_PTR>(rgb));
    ::InvalidateRect(window, nullptr, TRUE);
    ::UpdateWindow(window);
    platform::Canvas pixel({1, 1});
    for (int wait = 0; wait < 1000; ++wait) {
        platform::CopyScreenSquare(pixel.dc(), Rect::FromBounds(p.x, p.y, 1, 1));
        ::GdiFlush();
        if ((pixel.pixel(0, 0) & 0xFFFFFF) == rgb) return true;
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, WM_TIMER - 1, PM_REMOVE) ||
               ::PeekMessageW(&msg, nullptr, WM_TIMER + 1, 0xFFFFFFFF, PM_REMOVE))
            ::DispatchMessageW(&msg);
        ::Sleep(1);
    }
    return false;
}

// The colour 0xRRGGBB of the enlarged view's pixel (x, y).
std::uint32_t ViewPixel(const ColorPicker& picker, int x, int y) {
    return picker.EnlargedView().Bitmap().pixel(x, y) & 0xFFFFFF;
}

class ColorTools : public ::testing::Test {
  protected:
    void SetUp() override {
        WNDCLASSW wc{};
        wc.lpfnWndProc = PaintedProc;
        wc.lpszClassName = L"VixPaintedTestWindow";
        ::RegisterClassW(&wc);
        painted.reset(::CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE,
                                        650, 550, 100, 100, nullptr, nullptr, nullptr, nullptr));
        host.reset(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 10, 10, 300, 300,
                                     nullptr, nullptr, nullptr, nullptr));
        fake.window = host.get();
        fake.settings.copySamplesToClipboard = true;
        fake.decimal = L',';
        pickerPage.Create(host.get(), Rect::FromBounds(0, 0, 255, 112), L"", {});
        infoPage.Create(host.get(), Rect::FromBounds(0, 120, 255, 74), L"", {});
        libraryPage.Create(host.get(), Rect::FromBounds(0, 200, 255, 79), L"", {});
        info.Create(infoPage.hwnd());
        picker.Create(pickerPage.hwnd());
        picker.onSampleTaken = [this](ColorWord c) { fake.added.push_back(c); };
        picker.ResetSampling();
        picker.SelectFormat(kFormatRgb);
        library.Create(libraryPage.hwnd(), libraryPage);
        test::Pump(50);
    }
    void TearDown() override {
        if (picker.On()) picker.btnEnablePickerClick();
    }

    platform::WindowHandle painted;
    platform::WindowHandle host;
    FakeHost fake;
    RecordingClipboard clipboard;
    RecordingCursors cursors;
    MemoryRegistry registry;
    ui::Panel pickerPage, infoPage, libraryPage;
    ColorInfoPanel info;
    ColorPicker picker{fake, clipboard, cursors, info};
    ColorLibraryPage library{fake, registry};
};

Point At(POINT p) { return {p.x, p.y}; }

const ui::Label& LabelOf(HWND page, int id) {
    return dynamic_cast<const ui::Label&>(*platform::Window::FromHandle(::GetDlgItem(page, id)));
}

TEST_F(ColorTools, SwitchingOnAndOffInstallsAndRestoresTheCursorsAndTheMode) {
    picker.btnEnablePickerClick();
    EXPECT_EQ(fake.mode, ColorPicker::kMode);
    EXPECT_EQ(fake.prompt, L"Press right mouse button to sample color");
    EXPECT_TRUE(picker.On());
    EXPECT_EQ(cursors.calls, std::vector<std::wstring>{L"replace PICKER"});
    picker.PointerMoved(At(kPaintedPoint));
    test::Pump(200);  // a few ticks
    EXPECT_EQ(RgbOf(picker.LiveColor()), MakeColor(0x12, 0x9A, 0xE4));
    EXPECT_EQ(picker.LiveColor() >> 24, kSampledFlag);
    EXPECT_EQ(info.lblColorK.Caption(), L"11%");

    picker.btnEnablePickerClick();
    EXPECT_EQ(fake.mode, ActiveMode::None);
    EXPECT_EQ(fake.prompt, L"");
    EXPECT_FALSE(picker.On());
    EXPECT_EQ(cursors.calls, (std::vector<std::wstring>{L"replace PICKER", L"restore"}));
    EXPECT_EQ(info.lblColorK.Caption(), L"");
}

TEST_F(ColorTools, ARefusedHookLeavesThePickerOffWithTheCursorsAsTheyWere) {
    fake.armAllowed = false;
    picker.btnEnablePickerClick();
    EXPECT_EQ(fake.armed.size(), 1u);
    EXPECT_FALSE(picker.On());
    EXPECT_EQ(fake.mode, ActiveMode::None);
    EXPECT_EQ(fake.prompt, L"");
    EXPECT_TRUE(cursors.calls.empty() || cursors.calls.back() == L"restore");
}

TEST_F(ColorTools, WithTheGdiTableFullTheTicksSampleNothingAndTheNextTickWithRoomDoes) {
    std::optional<test::FullGdiTable> full;
    picker.btnEnablePickerClick();
    picker.PointerMoved(At(kPaintedPoint));
    full.emplace();
    ASSERT_GT(full->Taken(), 0u);
    const ColorWord before = picker.LiveColor();
    picker.ShowBox();
    picker.ShowBox();
    EXPECT_EQ(picker.LiveColor(), before);
    full.reset();
    picker.ShowBox();
    EXPECT_EQ(RgbOf(picker.LiveColor()), MakeColor(0x12, 0x9A, 0xE4));
}

// Every tick copies the 13 x 13 pixels round the pointer: with the pointer
// still, a change of any of them shows at the next tick, as does a new
// sample size or value form over a still screen.
TEST_F(ColorTools, WithThePointerStillTheNextTickShowsAnyChangeRoundIt) {
    picker.btnEnablePickerClick();
    picker.PointerMoved(At(kPaintedPoint));
    picker.ShowBox();
    picker.ShowBox();
    EXPECT_EQ(RgbOf(picker.LiveColor()), MakeColor(0x12, 0x9A, 0xE4));
    EXPECT_EQ(ViewPixel(picker, 38, 38), 0x129AE4u);  // the pointer's cell

    ASSERT_TRUE(Repaint(painted.get(), 0x345678, kPaintedPoint));
    picker.ShowBox();
    EXPECT_EQ(RgbOf(picker.LiveColor()), MakeColor(0x34, 0x56, 0x78));
    EXPECT_EQ(ViewPixel(picker, 38, 38), 0x345678u);
    // Painted at this tick; the window text follows once the pointer and
    // the pixels have settled, at the next.
    const ui::Label& red = LabelOf(pickerPage.hwnd(), kIdLiveRed);
    EXPECT_EQ(red.Shown(), L"52");
    EXPECT_EQ(platform::WindowText(red.hwnd()), L"18");
    picker.ShowBox();
    EXPECT_EQ(platform::WindowText(red.hwnd()), L"52");

    // One pixel at the view's corner cell only, six pixels right and down.
    platform::WindowHandle corner(::CreateWindowExW(
        WS_EX_TOPMOST | WS_EX_NOACTIVATE, L"VixPaintedTestWindow", L"", WS_POPUP | WS_VISIBLE,
        kPaintedPoint.x + 6, kPaintedPoint.y + 6, 1, 1, nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(Repaint(corner.get(), 0xFE0102, {kPaintedPoint.x + 6, kPaintedPoint.y + 6}));
    picker.ShowBox();
    EXPECT_EQ(ViewPixel(picker, 74, 74), 0xFE0102u);
    EXPECT_EQ(RgbOf(picker.LiveColor()), MakeColor(0x34, 0x56, 0x78));
    // A pointer one pixel further sees the corner pixel one cell further in.
    picker.PointerMoved(At({kPaintedPoint.x + 1, kPaintedPoint.y + 1}));
    picker.ShowBox();
    EXPECT_EQ(ViewPixel(picker, 68, 68), 0xFE0102u);
    EXPECT_EQ(ViewPixel(picker, 74, 74), 0x345678u);
    picker.PointerMoved(At(kPaintedPoint));
    picker.ShowBox();

    // The 5 x 5 box: black at (23, 23), where the point box leaves the cell.
    HWND sizes = ::GetDlgItem(pickerPage.hwnd(), kIdSampleSizeList);
    ::SendMessageW(sizes, CB_SETCURSEL, 2, 0);
    ::SendMessageW(pickerPage.hwnd(), WM_COMMAND, MAKEWPARAM(kIdSampleSizeList, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(sizes));
    EXPECT_EQ(ViewPixel(picker, 23, 23), 0x345678u);
    picker.ShowBox();
    EXPECT_EQ(ViewPixel(picker, 23, 23), 0u);

    picker.SelectFormat(kFormatHex);
    picker.ShowBox();
    EXPECT_EQ(red.Shown(), L"#34");
}

// Over pixels that change at every tick the window texts still follow what
// is painted, every kCaptionTicks drawing ticks.
TEST_F(ColorTools, WhileThePixelsKeepChangingTheWindowTextsFollowAtTheirCadence) {
    picker.btnEnablePickerClick();
    picker.PointerMoved(At(kPaintedPoint));
    picker.ShowBox();
    picker.ShowBox();
    const ui::Label& red = LabelOf(pickerPage.hwnd(), kIdLiveRed);
    ASSERT_EQ(platform::WindowText(red.hwnd()), L"18");
    for (int tick = 1; tick <= kCaptionTicks; ++tick) {
        const int r = 100 + tick;
        ASSERT_TRUE(
            Repaint(painted.get(), static_cast<std::uint32_t>(r << 16 | 0x9AE4), kPaintedPoint));
        picker.ShowBox();
        ASSERT_EQ(red.Shown(), std::to_wstring(r));
        if (tick < kCaptionTicks) {
            ASSERT_EQ(platform::WindowText(red.hwnd()), L"18") << tick;
        }
    }
    EXPECT_EQ(platform::WindowText(red.hwnd()), std::to_wstring(100 + kCaptionTicks));
    EXPECT_EQ(platform::WindowText(info.lblHSB_H.hwnd()), info.lblHSB_H.Shown());
    EXPECT_FALSE(info.lblHSB_H.Shown().empty());
}

TEST_F(ColorTools, ASampleTakesTheLastTicksColourIntoLibrarySummaryAndClipboard) {
    picker.btnEnablePickerClick();
    picker.PointerMoved(At(kPaintedPoint));
    picker.ShowBox();
    // The click's own place is not sampled again.
    picker.TakeSample(At({5, 5}));
    const ColorWord expected = MakeColor(0x12, 0x9A, 0xE4, kSampledFlag);
    EXPECT_EQ(picker.SampledColor(), expected);
    EXPECT_TRUE(picker.ColorSampled());
    EXPECT_EQ(fake.added, std::vector<ColorWord>{expected});
    EXPECT_EQ(picker.Summary().Caption(), L"R:18  G:154  B:228");
    EXPECT_EQ(clipboard.texts, std::vector<std::wstring>{L"#129AE4"});

    fake.settings.copySamplesToClipboard = false;
    picker.TakeSample(At(kPaintedPoint));
    EXPECT_EQ(clipboard.texts.size(), 1u);
    picker.SelectFormat(kFormatPercent);
    picker.ShowSummary();
    EXPECT_EQ(picker.Summary().Caption(), L"R:7,1%  G:60,4%  B:89,4%");
}

TEST_F(ColorTools, PointerReportsLeftOfColumnOneAreRaisedSamplesAreNot) {
    picker.PointerMoved(At({0, -3}));
    const Rect desktop = Rect::FromBounds(::GetSystemMetrics(SM_XVIRTUALSCREEN),
                                          ::GetSystemMetrics(SM_YVIRTUALSCREEN), 1, 1);
    EXPECT_EQ(picker.PickerPos(), (Point{desktop.left + 1, desktop.top + 1}));
    picker.TakeSample(At({0, 0}));
    EXPECT_EQ(picker.PickerPos(), (Point{0, 0}));
}

TEST_F(ColorTools, WebSafeConversionOfTheEmptySwatchShowsItsSummary) {
    const platform::GdiColor face = ui::FaceColor();
    EXPECT_FALSE(picker.ColorSampled());
    EXPECT_EQ(picker.Summary().Caption(), L"No color sampled");
    picker.btnWebSafeColorClick();
    const ColorWord expected = WebSafeColor(MakeColor(face.Red(), face.Green(), face.Blue()));
    EXPECT_EQ(RgbOf(picker.SampledColor()), RgbOf(expected));
    EXPECT_TRUE(picker.ColorSampled());
    EXPECT_EQ(picker.Summary().Caption(), ColorSummaryText(expected, kFormatRgb));
    EXPECT_TRUE(fake.added.empty()) << "the library is not touched";
    EXPECT_TRUE(clipboard.texts.empty()) << "nor the clipboard";
}

TEST_F(ColorTools, ALockedClipboardLosesNothingAndTheNextCopyWorks) {
    picker.TakeLibraryColor(MakeColor(1, 2, 3));
    clipboard.locked = true;
    picker.btnColorToClipboardClick();
    EXPECT_TRUE(clipboard.texts.empty());
    clipboard.locked = false;
    picker.btnColorToClipboardClick();
    EXPECT_EQ(clipboard.texts, std::vector<std::wstring>{L"#010203"});
    fake.settings.clipboardFormat = 9;  // no such format: nothing is copied
    picker.btnColorToClipboardClick();
    EXPECT_EQ(clipboard.texts.size(), 1u);
}

TEST_F(ColorTools, LibraryColourBecomesTheSampledColourWithoutEnteringTheLibraryAgain) {
    picker.TakeLibraryColor(MakeColor(200, 100, 50));
    EXPECT_TRUE(picker.ColorSampled());
    EXPECT_EQ(picker.Summary().Caption(), L"R:200  G:100  B:50");
    EXPECT_TRUE(fake.added.empty());
    EXPECT_TRUE(clipboard.texts.empty());
}

const auto kUser = RegistryRoot::CurrentUser;

TEST_F(ColorTools, LibraryLoadCreatesAnEmptyRecordAndKeepsItUpToDate) {
    library.LoadLibrary();
    EXPECT_EQ(registry.Get(kUser, kColorLibraryKeyPath, kLibraryValueName),
              RegistryValue::Binary(LibraryRecord{}));
    EXPECT_FALSE(library.SaveButtonEnabled());
    library.Newcolor(MakeColor(9, 8, 7, kSampledFlag));
    const auto stored = registry.Get(kUser, kColorLibraryKeyPath, kLibraryValueName);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->data[0], 9);
    EXPECT_EQ(stored->data[105], 1);
    EXPECT_TRUE(library.SaveButtonEnabled());
}

TEST_F(ColorTools, ABadStoredValueIsReadWithinItsBytesAndRewrittenSoundAtTheNextChange) {
    // A text value with a count byte far above 35.
    std::vector<std::uint8_t> bad(106, 0x11);
    bad[105] = 200;
    registry.Set(kUser, kColorLibraryKeyPath, kLibraryValueName, {RegistryType::String, bad});
    library.LoadLibrary();
    EXPECT_EQ(library.Library().Count(), 35);
    library.Newcolor(MakeColor(1, 2, 3));
    const auto stored = registry.Get(kUser, kColorLibraryKeyPath, kLibraryValueName);
    EXPECT_EQ(stored->type, RegistryType::Binary);
    EXPECT_EQ(stored->data.size(), 106u);
    EXPECT_EQ(stored->data[105], 35);
    EXPECT_EQ(stored->data[0], 1);
}

TEST_F(ColorTools, WithoutAStoredRecordAdditionsStayInMemory) {
    library.Newcolor(MakeColor(1, 2, 3));
    EXPECT_EQ(library.Library().Count(), 1);
    EXPECT_FALSE(registry.Get(kUser, kColorLibraryKeyPath, kLibraryValueName).has_value());
}

TEST_F(ColorTools, AnUnopenableKeyLeavesTheLibraryInMemoryAsItWas) {
    library.LoadLibrary();
    library.Newcolor(MakeColor(1, 2, 3));
    registry.refuseOpen = true;
    library.LoadLibrary();
    EXPECT_EQ(library.Library().Count(), 1);
    library.ClearColorLibrary();
    EXPECT_EQ(library.Library().Count(), 1) << "nothing is dropped when it cannot be stored";
    EXPECT_FALSE(library.SaveButtonEnabled());
    registry.refuseOpen = false;
    library.ClearColorLibrary();
    EXPECT_EQ(library.Library().Count(), 0);
    EXPECT_EQ(registry.Get(kUser, kColorLibraryKeyPath, kLibraryValueName)->data,
              std::vector<std::uint8_t>(106, 0));
}

TEST_F(ColorTools, DoublesFollowTheSetting) {
    library.LoadLibrary();
    library.Newcolor(MakeColor(1, 2, 3, kSampledFlag));
    library.Newcolor(MakeColor(1, 2, 3, kSampledFlag));
    EXPECT_EQ(library.Library().Count(), 1);
    fake.settings.keepRepeatedSamples = true;
    library.Newcolor(MakeColor(1, 2, 3, kSampledFlag));
    EXPECT_EQ(library.Library().Count(), 2);
}

}  // namespace
}  // namespace vix
