// The capture modes and outputs against a stand-in for the main window:
// the rectangle overlay's shape, dashes, dragging and capture, hot tracking
// and the control capture, the save rules, the sequence and the preview.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "capture/capture_tools.h"
#include "capture/preview_window.h"
#include "capture/rectangle_overlay.h"
#include "capture/snapshot_files.h"
#include "capture_fakes.h"
#include "hooks/hook_protocol.h"
#include "platform/gdi.h"

namespace vix {
namespace {

using test::PaintedWindow;
using test::Pump;

class CaptureToolsTest : public ::testing::Test {
  protected:
    void SetUp() override { tools.Create(nullptr); }
    void TearDown() override {
        if (host.mode == kRectangleCaptureMode) tools.btnRectCaptureClick();
        if (host.mode == kControlCaptureMode) tools.btnControlCaptureClick();
    }

    // The screen's pixel, 0x00RRGGBB.
    static DWORD ScreenPixel(int x, int y) {
        platform::WindowDC screen;
        const COLORREF c = ::GetPixel(screen.get(), x, y);
        return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }

    void StartRectangleAt(const Rect& bounds) {
        tools.RectangleOverlay().SetRectangleBounds(bounds.left, bounds.top, bounds.width(),
                                                    bounds.height());
        tools.btnRectCaptureClick();
        Pump(150);
    }

    test::FakeCaptureHost host;
    test::ScriptedDialogs dialogs;
    test::RecordingSystemCursors cursors;
    platform::ClipboardWriter clipboard;
    CaptureTools tools{host, host, dialogs, cursors, clipboard};
};

TEST_F(CaptureToolsTest, RectangleOf200ShowsLabels192AndCapturesThe190InsideTheDashes) {
    PaintedWindow under({100, 100, 300, 300}, 0x2060A0, 0xA06020);
    StartRectangleAt(Rect::FromBounds(100, 100, 200, 200));
    EXPECT_EQ(host.mode, kRectangleCaptureMode);
    EXPECT_EQ(host.prompt, kCapturePrompt);
    EXPECT_TRUE(host.rectangleRunning);
    ASSERT_TRUE(host.labels);
    EXPECT_EQ(*host.labels, (Size{192, 192}));
    EXPECT_TRUE(tools.RectangleOverlay().Visible());

    tools.RectangleEvent(hooks::kCaptureClick);
    const Snapshot& shot = tools.CurrentSnapshot();
    EXPECT_EQ(shot.State().rect, (Rect{105, 105, 295, 295}));
    EXPECT_EQ(shot.Pixels().width, 190);
    EXPECT_EQ(shot.Pixels().At(0, 0) & 0xFFFFFF, 0x2060A0u) << "no dash or handle inside";
    EXPECT_EQ(shot.Pixels().At(189, 189) & 0xFFFFFF, 0xA06020u);
    EXPECT_TRUE(host.outputsEnabled);
    EXPECT_EQ(host.mode, ActiveMode::None) << "one capture switches the mode off";
    EXPECT_FALSE(tools.RectangleOverlay().Visible());
    EXPECT_FALSE(host.labels);
    EXPECT_EQ(cursors.calls.back(), L"restore");
}

TEST_F(CaptureToolsTest, TheOverlayShowsDashesOnTheLineAndTheDesktopElsewhere) {
    PaintedWindow under({400, 100, 600, 300}, 0x3C8D2F, 0x3C8D2F);
    StartRectangleAt(Rect::FromBounds(400, 100, 200, 200));
    tools.RectangleOverlay().StopAnimation();
    Pump(150);
    tools.RectangleOverlay().drawlines();
    const int phase = tools.RectangleOverlay().Phase();
    // The top line (y = 4) between the handles: 5 black, 5 white, by phase.
    for (int x = 12; x < 90; ++x) {
        const DWORD expected = DashIsBlack(x, phase) ? 0x000000u : 0xFFFFFFu;
        ASSERT_EQ(ScreenPixel(400 + x, 104), expected) << "x " << x;
    }
    EXPECT_EQ(ScreenPixel(500, 200), 0x3C8D2Fu) << "the inside is the desktop below";
    EXPECT_EQ(ScreenPixel(400 + 2, 100 + 2), 0x3C8D2Fu) << "a handle's centre is open";
    EXPECT_EQ(ScreenPixel(400, 100), 0x000000u) << "a handle's outline";
}

TEST_F(CaptureToolsTest, TheDashesMoveOnePixelPerTick) {
    StartRectangleAt(Rect::FromBounds(400, 350, 120, 100));
    tools.RectangleOverlay().StopAnimation();
    tools.RectangleOverlay().drawlines();
    Pump(50);
    std::vector<DWORD> before;
    for (int x = 12; x < 40; ++x)
        before.push_back(ScreenPixel(400 + x, 354));
    tools.RectangleOverlay().StartAnimation();
    const int phase = tools.RectangleOverlay().Phase();
    for (int i = 0; i < 40 && tools.RectangleOverlay().Phase() == phase; ++i)
        Pump(10);
    tools.RectangleOverlay().StopAnimation();
    ASSERT_EQ(tools.RectangleOverlay().Phase(), NextDashPhase(phase));
    Pump(30);
    for (int x = 13; x < 40; ++x)
        EXPECT_EQ(ScreenPixel(400 + x, 354), before[static_cast<std::size_t>(x - 13)])
            << "each pixel takes the colour of its left neighbour, x " << x;
}

TEST_F(CaptureToolsTest, DraggingTheTopEdgeDownStopsAt26Pixels) {
    StartRectangleAt(Rect::FromBounds(200, 200, 200, 200));
    tools.RectangleEvent(hooks::kZoneChanged, hooks::Zone::Top);
    EXPECT_EQ(tools.HitArea(), hooks::Zone::Top);
    EXPECT_EQ(cursors.calls.back(),
              L"system " + std::to_wstring(reinterpret_cast<ULONG_PTR>(IDC_SIZENS)));
    ::SetCursorPos(300, 202);
    Pump(30);
    tools.RectangleEvent(hooks::kDragStart);
    ::SetCursorPos(300, 500);
    Pump(200);
    tools.RectangleEvent(hooks::kDragEnd);
    EXPECT_EQ(tools.RectangleOverlay().WindowBounds(), (Rect{200, 374, 400, 400}));
    ASSERT_TRUE(host.labels);
    EXPECT_EQ(*host.labels, (Size{192, 18}));
}

TEST_F(CaptureToolsTest, DraggingTheInsideMovesWithoutChangingTheLabels) {
    StartRectangleAt(Rect::FromBounds(200, 200, 150, 120));
    tools.RectangleEvent(hooks::kZoneChanged, hooks::Zone::Inside);
    EXPECT_EQ(cursors.calls.back(), L"program MOVE");
    ::SetCursorPos(260, 260);
    Pump(30);
    tools.RectangleEvent(hooks::kDragStart);
    ::SetCursorPos(300, 230);
    Pump(200);
    tools.RectangleEvent(hooks::kDragEnd);
    EXPECT_EQ(tools.RectangleOverlay().WindowBounds(), (Rect::FromBounds(240, 170, 150, 120)));
    EXPECT_EQ(*host.labels, (Size{142, 112}));
}

TEST_F(CaptureToolsTest, ADragEndsWhereTheButtonWentUpAndStartsWhereItWentDown) {
    StartRectangleAt(Rect::FromBounds(200, 200, 150, 120));
    tools.RectangleEvent(hooks::kZoneChanged, hooks::Zone::Inside);
    // The pointer has moved on before the press is handled, and the release
    // comes before a tick has seen the last move.
    ::SetCursorPos(280, 290);
    tools.RectangleEvent(hooks::kDragStart, hooks::Zone::None, Point{260, 260});
    tools.RectangleEvent(hooks::kDragEnd, hooks::Zone::None, Point{300, 230});
    EXPECT_EQ(tools.RectangleOverlay().WindowBounds(), (Rect::FromBounds(240, 170, 150, 120)));
}

TEST_F(CaptureToolsTest, AReleaseArrivingWhileAStepReshapesTheOverlayIsNotLost) {
    StartRectangleAt(Rect::FromBounds(200, 200, 150, 120));
    tools.RectangleEvent(hooks::kZoneChanged, hooks::Zone::Bottom);
    tools.RectangleEvent(hooks::kDragStart, hooks::Zone::None, Point{260, 318});
    // The release lands inside the tick that follows the first move.
    host.onLabels = [&] {
        tools.RectangleEvent(hooks::kDragEnd, hooks::Zone::None, Point{260, 418});
    };
    ::SetCursorPos(260, 368);
    Pump(200);
    EXPECT_EQ(tools.RectangleOverlay().WindowBounds(), (Rect::FromBounds(200, 200, 150, 220)));
    ASSERT_TRUE(host.labels);
    EXPECT_EQ(*host.labels, (Size{142, 212}));
    ::SetCursorPos(260, 500);
    Pump(100);
    EXPECT_EQ(tools.RectangleOverlay().WindowBounds(), (Rect::FromBounds(200, 200, 150, 220)))
        << "the drag has ended: later moves change nothing";
}

TEST_F(CaptureToolsTest, TheButtonAgainSwitchesOffAndASmallRectangleStartsAt200) {
    StartRectangleAt(Rect::FromBounds(50, 60, 10, 300));
    EXPECT_EQ(tools.RectangleOverlay().WindowBounds(), (Rect::FromBounds(50, 60, 200, 300)));
    tools.btnRectCaptureClick();
    EXPECT_EQ(host.mode, ActiveMode::None);
    EXPECT_FALSE(tools.RectangleOverlay().Visible());
    EXPECT_EQ(host.prompt, L"");
    EXPECT_EQ(cursors.calls.back(), L"restore");
    EXPECT_TRUE(tools.CurrentSnapshot().Empty()) << "switching off takes nothing";
}

TEST_F(CaptureToolsTest, HotTrackingFramesTheControlUnderThePointerAndCapturesIt) {
    PaintedWindow parent({600, 400, 760, 520}, 0x101010, 0x101010);
    PaintedWindow child({20, 30, 120, 80}, 0xE01030, 0x30E010, parent.hwnd());
    ::SetCursorPos(600 + 50, 400 + 50);
    tools.btnControlCaptureClick();
    EXPECT_EQ(host.mode, kControlCaptureMode);
    EXPECT_EQ(host.prompt, kCapturePrompt);
    for (int i = 0; i < 50 && tools.CaptureTarget() != child.hwnd(); ++i)
        Pump(20);
    ASSERT_EQ(tools.CaptureTarget(), child.hwnd());
    EXPECT_EQ(tools.TrackingFrame().Bounds(), (Rect{619, 429, 721, 481}));
    EXPECT_EQ(*host.labels, (Size{100, 50}));
    Pump(100);
    EXPECT_EQ(ScreenPixel(619, 450), 0xFF0000u) << "the red line just outside the control";
    EXPECT_EQ(ScreenPixel(640, 450), 0xE01030u) << "the control itself stays visible";

    tools.ControlCaptureClicked();
    const Snapshot& shot = tools.CurrentSnapshot();
    EXPECT_EQ(shot.State().rect, (Rect{620, 430, 720, 480}));
    EXPECT_EQ(shot.Pixels().At(0, 0) & 0xFFFFFF, 0xE01030u);
    EXPECT_EQ(shot.Pixels().At(99, 49) & 0xFFFFFF, 0x30E010u);
    EXPECT_EQ(host.mode, kControlCaptureMode) << "the mode stays on";

    tools.btnControlCaptureClick();
    EXPECT_EQ(host.mode, ActiveMode::None);
    EXPECT_FALSE(tools.TrackingFrame().Visible());
    EXPECT_FALSE(host.labels);
}

TEST_F(CaptureToolsTest, AControlClickBeforeAnyTargetOnlyEnablesTheOutputs) {
    tools.ControlCaptureClicked();
    EXPECT_TRUE(host.outputsEnabled);
    EXPECT_TRUE(tools.CurrentSnapshot().Empty());
}

TEST_F(CaptureToolsTest, ARefusedHookLeavesEveryModeOff) {
    host.armAllowed = false;
    tools.btnRectCaptureClick();
    EXPECT_EQ(host.mode, ActiveMode::None);
    EXPECT_FALSE(tools.RectangleOverlay().Visible());
    EXPECT_EQ(host.prompt, L"");
    tools.btnControlCaptureClick();
    EXPECT_EQ(host.mode, ActiveMode::None);
    EXPECT_FALSE(tools.TrackingFrame().Visible());
    EXPECT_EQ(host.prompt, L"");
    tools.btnScreenCaptureClick();
    EXPECT_EQ(host.mode, ActiveMode::None);
    EXPECT_EQ(host.cameBack, host.left) << "the main window is back";
    EXPECT_FALSE(host.outputsEnabled);
}

TEST_F(CaptureToolsTest, TheAcknowledgementFlashIsWhiteRedWhiteFor50And50And70Ms) {
    const auto red = platform::GdiColor::Rgb(255, 0, 0);
    const auto white = platform::GdiColor::Rgb(255, 255, 255);
    THottracker& frame = tools.TrackingFrame();
    std::vector<std::pair<COLORREF, DWORD>> shown;
    frame.Flash([&](DWORD ms) { shown.emplace_back(frame.Colour().Ref(), ms); });
    const std::vector<std::pair<COLORREF, DWORD>> expected = {
        {white.Ref(), 50}, {red.Ref(), 50}, {white.Ref(), 70}};
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(frame.Colour(), red);
}

TEST_F(CaptureToolsTest, ScreenCaptureLeavesTakesTheWholeDesktopAndComesBack) {
    PaintedWindow mark({0, 0, 10, 10}, 0x123456, 0x123456);
    dialogs.messages.clear();
    tools.btnScreenCaptureClick();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], kScreenCaptureInfo);
    EXPECT_EQ(host.mode, kScreenCaptureMode);
    EXPECT_EQ(host.left, 1);
    EXPECT_TRUE(host.outputsEnabled);
    tools.btnScreenCaptureClick();
    EXPECT_EQ(dialogs.messages.size(), 1u) << "a second press while waiting does nothing";
    Pump(100);
    tools.ScreenCaptureClicked();
    EXPECT_EQ(host.mode, ActiveMode::None);
    EXPECT_EQ(host.cameBack, 1);
    const Rect desktop = Rect::FromBounds(
        ::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN),
        ::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_EQ(tools.CurrentSnapshot().State().rect, desktop);
    EXPECT_EQ(tools.CurrentSnapshot().Pixels().At(-desktop.left, -desktop.top) & 0xFFFFFF,
              0x123456u);
}

TEST_F(CaptureToolsTest, AScreenCaptureAbandonedWhileWaitingEndsTheModeAndCanStartAgain) {
    tools.btnScreenCaptureClick();
    ASSERT_EQ(host.mode, kScreenCaptureMode);
    tools.AbandonScreenCapture();  // another tool's hot key changed the page
    EXPECT_EQ(host.mode, ActiveMode::None);
    EXPECT_EQ(host.cameBack, 1);
    dialogs.messages.clear();
    tools.btnScreenCaptureClick();
    EXPECT_EQ(dialogs.messages.size(), 1u) << "the button works again at once";
    EXPECT_EQ(host.mode, kScreenCaptureMode);
    tools.AbandonScreenCapture();
}

TEST_F(CaptureToolsTest, KeysPressedWhileTheScreenCapturesBoxIsOpenOpenNoSecondBox) {
    dialogs.whileMessageOpen = [this] {
        for (int i = 0; i < 9; ++i)
            tools.btnScreenCaptureClick();
    };
    tools.btnScreenCaptureClick();
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(host.mode, kScreenCaptureMode);
    EXPECT_EQ(host.left, 1);
    tools.AbandonScreenCapture();
    EXPECT_EQ(host.cameBack, 1);

    // Another tool's key stops the capture while its box is open: the
    // screen is not left, and there is nothing to come back from.
    dialogs.whileMessageOpen = [this] { tools.AbandonScreenCapture(); };
    tools.btnScreenCaptureClick();
    EXPECT_EQ(host.mode, ActiveMode::None);
    EXPECT_EQ(host.left, 1);
    EXPECT_EQ(host.cameBack, 1);
}

class CaptureOutputs : public CaptureToolsTest {
  protected:
    void SetUp() override {
        CaptureToolsTest::SetUp();
        folder = test::TempFolder(L"vix outputs \u00e5");
        window.emplace(RECT{150, 150, 190, 180}, 0x445566, 0x778899);
        Pump(100);
    }
    void Capture() {
        platform::WindowDC screen;
        ASSERT_TRUE(tools.CopyToBuffer(screen.get(), {150, 150, 190, 180}, {150, 150}));
        tools.SaveToSequence();
    }
    std::wstring folder;
    std::optional<PaintedWindow> window;
};

TEST_F(CaptureOutputs, SaveAndClipboardDoNothingWhileDisabledOrEmpty) {
    tools.btnSaveCaptureClick();
    tools.btnCaptureToClipboardClick();
    EXPECT_EQ(dialogs.saveDialogs, 0);
    host.outputsEnabled = true;  // an abandoned screen capture
    tools.btnSaveCaptureClick();
    tools.btnCaptureToClipboardClick();
    EXPECT_EQ(dialogs.saveDialogs, 0);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CaptureOutputs, TheSaveDialogsChoiceDecidesFormatAndName) {
    Capture();
    host.outputsEnabled = true;
    // One save per format; the names for every filter and ending are the
    // save rules' own tests. Each file starts with its format's first byte.
    constexpr std::uint8_t kJpeg = 0xFF, kTiff = 'I', kPng = 0x89;
    struct Case {
        const wchar_t* typed;
        int filter;
        const wchar_t* saved;
        std::uint8_t firstByte;
    };
    const Case cases[] = {
        {L"\\shot", 2, L"\\shot.jpg", kJpeg},
        {L"\\b.jpg", 3, L"\\b.jpg.tif", kTiff},
        {L"\\d.png", 1, L"\\d.png", kPng},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.saved)));
        dialogs.saves.push_back(SaveChoice{folder + c.typed, c.filter});
        tools.btnSaveCaptureClick();
        const auto bytes = test::ReadFile(folder + c.saved);
        ASSERT_GT(bytes.size(), 4u);
        EXPECT_EQ(bytes[0], c.firstByte);
    }
    EXPECT_TRUE(dialogs.messages.empty());
    dialogs.saves.push_back(SaveChoice{folder + L"\\gone\\x.jpg", 2});
    tools.btnSaveCaptureClick();
    ASSERT_EQ(dialogs.messages.size(), 1u) << "a failed save says so";
    EXPECT_NE(dialogs.messages[0].find(L"x.jpg"), std::wstring::npos);
    EXPECT_FALSE(tools.CurrentSnapshot().Empty()) << "the snapshot stays";
}

TEST_F(CaptureOutputs, TheSequenceNumbersFilesAndRefillsAFreedNumber) {
    const std::wstring seq =
        test::TempFolder(L"vix sequence " + std::to_wstring(::GetTickCount64()));
    dialogs.folders.push_back(seq);
    host.choices.sequence = true;
    tools.chkCaptureSequenceClick(true);
    EXPECT_EQ(tools.SequenceFolder(), seq);
    Capture();
    Capture();
    Capture();
    EXPECT_TRUE(NameTaken(seq + L"\\Img_Sequence001.jpg"));
    EXPECT_TRUE(NameTaken(seq + L"\\Img_Sequence002.jpg"));
    EXPECT_TRUE(NameTaken(seq + L"\\Img_Sequence003.jpg"));
    ::DeleteFileW((seq + L"\\Img_Sequence002.jpg").c_str());
    Capture();
    EXPECT_TRUE(NameTaken(seq + L"\\Img_Sequence002.jpg"));
    EXPECT_FALSE(NameTaken(seq + L"\\Img_Sequence004.jpg"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CaptureOutputs, AFolderNamedLikeTheNextSequenceFileCountsAsTaken) {
    const std::wstring seq = test::TempFolder(L"vix taken " + std::to_wstring(::GetTickCount64()));
    ASSERT_TRUE(::CreateDirectoryW((seq + L"\\Img_Sequence001.jpg").c_str(), nullptr));
    dialogs.folders.push_back(seq);
    host.choices.sequence = true;
    tools.chkCaptureSequenceClick(true);
    Capture();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_GT(test::ReadFile(seq + L"\\Img_Sequence002.jpg").size(), 0u);
}

TEST_F(CaptureOutputs, AFullSequenceSaysSoAndKeepsTheCapture) {
    const std::wstring seq = test::TempFolder(L"vix short " + std::to_wstring(::GetTickCount64()));
    dialogs.folders.push_back(seq);
    host.choices.sequence = true;
    host.settings.sequenceDigits = 1;
    host.settings.sequenceName = L"n";
    tools.chkCaptureSequenceClick(true);
    for (int i = 0; i < 9; ++i)
        Capture();
    EXPECT_TRUE(NameTaken(seq + L"\\n9.jpg"));
    EXPECT_TRUE(dialogs.messages.empty());
    Capture();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], kSequenceFailed);
    EXPECT_FALSE(tools.CurrentSnapshot().Empty());
}

TEST_F(CaptureOutputs, NoFolderChosenUnticksTheSequence) {
    host.choices.sequence = true;
    tools.chkCaptureSequenceClick(true);
    EXPECT_FALSE(host.choices.sequence);
    EXPECT_TRUE(tools.SequenceFolder().empty());
}

// The preview opens centred on the main window, moved as little as keeps it
// inside the work area: room all round, then the bottom-left corner.
TEST_F(CaptureOutputs, ThePreviewOpensCentredOnTheMainWindowInsideTheWorkArea) {
    Capture();
    host.outputsEnabled = true;
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    for (const RECT& owner : {RECT{300, 200, 561, 376},
                              RECT{work.left, work.bottom - 176, work.left + 261, work.bottom}}) {
        SCOPED_TRACE(testing::Message() << "main window at " << owner.left << "," << owner.top);
        Tvix_imgpreview preview;
        preview.Create(nullptr);
        tools.SetPreview(&preview);
        PaintedWindow mainWindow(owner, 0x101010, 0x101010);
        host.window = mainWindow.hwnd();
        // Handled by the preview's own loop: it closes as soon as it is shown.
        ::PostMessageW(preview.hwnd(), WM_CLOSE, 0, 0);
        tools.btnCapturePreviewClick();
        tools.SetPreview(nullptr);
        EXPECT_EQ(host.mode, ActiveMode::None);
        RECT r{};
        ::GetWindowRect(preview.hwnd(), &r);
        // Exact where pushed, else give or take the halving.
        const auto expectAt = [](LONG at, LONG size, LONG from, LONG to, LONG low, LONG high) {
            const LONG centred = (from + to - size) / 2,
                       placed = std::clamp(centred, low, high - size);
            EXPECT_LE(std::abs(at - placed), placed == centred ? 1 : 0) << at << " for " << placed;
        };
        expectAt(r.left, r.right - r.left, owner.left, owner.right, work.left, work.right);
        expectAt(r.top, r.bottom - r.top, owner.top, owner.bottom, work.top, work.bottom);
    }
}

TEST(PreviewWindow, ASizeGripLiesInTheBottomRightCornerAboveTheView) {
    Tvix_imgpreview preview;
    preview.Create(nullptr);
    ::SetWindowPos(preview.hwnd(), nullptr, 0, 0, 300, 250, SWP_NOMOVE | SWP_NOZORDER);
    // The preview makes its controls when it first shows.
    ::ShowWindow(preview.hwnd(), SW_SHOWNOACTIVATE);
    const HWND grip = ::FindWindowExW(preview.hwnd(), nullptr, L"ScrollBar", nullptr);
    ASSERT_NE(grip, nullptr);
    EXPECT_TRUE(::GetWindowLongW(grip, GWL_STYLE) & SBS_SIZEGRIP);
    EXPECT_TRUE(::GetWindowLongW(grip, GWL_STYLE) & WS_VISIBLE);
    RECT client{}, r{};
    ::GetClientRect(preview.hwnd(), &client);
    ::GetWindowRect(grip, &r);
    ::MapWindowPoints(nullptr, preview.hwnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.right, client.right);
    EXPECT_EQ(r.bottom, client.bottom);
    EXPECT_EQ(r.right - r.left, ::GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(r.bottom - r.top, ::GetSystemMetrics(SM_CYHSCROLL));
    // Drawn over the view's corner, not under it.
    HWND above = ::GetWindow(preview.View().hwnd(), GW_HWNDPREV);
    while (above && above != grip)
        above = ::GetWindow(above, GW_HWNDPREV);
    EXPECT_EQ(above, grip);
}

TEST_F(CaptureOutputs, ThePreviewShowsTheSnapshotAtEachScaleAndDragsIt) {
    Capture();
    Tvix_imgpreview preview;
    int saves = 0;
    PreviewActions actions;
    actions.btnSaveCaptureClick = [&] { ++saves; };
    preview.SetActions(actions);
    preview.Create(nullptr);
    preview.ShowPicture(tools.CurrentSnapshot());
    EXPECT_EQ(preview.View().PictureSize(), (Size{40, 30}));
    ::SendMessageW(preview.ScaleBox(), CB_SETCURSEL, 0, 0);
    preview.lstScaleChange();
    EXPECT_EQ(preview.View().ScaledSize(), (Size{160, 120}));
    ::SendMessageW(preview.ScaleBox(), CB_SETCURSEL, 4, 0);
    preview.lstScaleChange();
    EXPECT_EQ(preview.View().ScaledSize(), (Size{10, 8}));
    ::SendMessageW(preview.ScaleBox(), CB_SETCURSEL, 0, 0);
    preview.lstScaleChange();

    // A bigger picture to scroll through: 400% of 40 x 30 is 160 x 120,
    // larger than nothing; shrink the window so that it does not fit.
    ::SetWindowPos(preview.hwnd(), nullptr, 0, 0, 150, 120, SWP_NOMOVE | SWP_NOZORDER);
    preview.View().ScrollBy({50, 40});
    const Point scrolled = preview.View().ScrollPosition();
    ASSERT_GT(scrolled.x, 30);
    const HWND view = preview.View().hwnd();
    ::SendMessageW(view, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    ::SendMessageW(view, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, 10));
    ::SendMessageW(view, WM_LBUTTONUP, 0, MAKELPARAM(40, 10));
    EXPECT_EQ(preview.View().ScrollPosition().x, scrolled.x - 30)
        << "dragging right by 30 scrolls back by 30";
    EXPECT_EQ(preview.View().ScrollPosition().y, scrolled.y);

    const HWND save = ::FindWindowExW(preview.hwnd(), nullptr, nullptr, L"Save snapshot to disk");
    ASSERT_NE(save, nullptr);
    ::SendMessageW(save, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ::SendMessageW(save, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(saves, 1) << "the button runs the main window's handler";
}

}  // namespace
}  // namespace vix
