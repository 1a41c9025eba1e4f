// The capture page's controls: captions and hints as window text, output
// buttons disabled until a capture, the check boxes read by the capture,
// the size labels, and the mode buttons' pictures.

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "capture/capture_delay.h"
#include "capture/capture_page.h"
#include "capture_fakes.h"
#include "common/utf16.h"
#include "platform/clipboard.h"
#include "platform/gdi.h"
#include "platform/window.h"
#include "ui/panel.h"

namespace vix {
namespace {

class CapturePageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host_ = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 10, 10, 255,
                                  kCapturePageHeight, nullptr, nullptr, nullptr, nullptr);
        // A panel, as on the main window: it hands the check boxes' notices on.
        panel_.Create(host_, Rect::FromBounds(0, 0, 255, kCapturePageHeight), L"", {});
        parent_ = panel_.hwnd();
        page.SetPhotoshopOutputs({.btnCaptureToPSClick =
                                      [this](bool enabled) {
                                          exports.push_back({"document", enabled});
                                      },
                                  .btnCaptureToPSLayerClick =
                                      [this](bool enabled) {
                                          exports.push_back({"layer", enabled});
                                      }});
        page.Create(parent_, host_);
    }
    void TearDown() override { ::DestroyWindow(host_); }
    HWND Child(const wchar_t* text) const {
        return ::FindWindowExW(parent_, nullptr, nullptr, text);
    }
    void Click(HWND control) {
        ::SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        ::SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    }

    HWND host_ = nullptr;
    ui::Panel panel_;
    HWND parent_ = nullptr;
    test::FakeToolHost window;
    test::ScriptedDialogs dialogs;
    test::RecordingSystemCursors cursors;
    platform::ClipboardWriter clipboard{[this] { return host_; }};
    CapturePage page{window, dialogs, cursors, clipboard};
    std::vector<std::pair<std::string, bool>> exports;  // the Photoshop outputs run
};

TEST_F(CapturePageTest, EveryControlCarriesItsCaptionOrHintAndOutputsStartDisabled) {
    for (const wchar_t* mode :
         {L"Capture the entire screen", L"Rectangle capture", L"Control capture"}) {
        ASSERT_NE(Child(mode), nullptr);
        EXPECT_TRUE(::IsWindowEnabled(Child(mode)));
    }
    for (const wchar_t* output : {L"Save snapshot to disk", L"Export snapshot to the clipboard",
                                  L"Export snapshot to new Photoshop document",
                                  L"Export snapshot to new Photoshop layer", L"Review snapshot"}) {
        ASSERT_NE(Child(output), nullptr);
        EXPECT_FALSE(::IsWindowEnabled(Child(output)));
    }
    for (const wchar_t* box : {L"Multi Capture (to one image)", L"Capture to image sequence",
                               L"Capure with mouse cursor"})
        EXPECT_NE(Child(box), nullptr);
    EXPECT_FALSE(page.CaptureButtonsEnabled());
    page.EnableCaptureButtons();
    EXPECT_TRUE(page.CaptureButtonsEnabled());
    EXPECT_TRUE(::IsWindowEnabled(Child(L"Review snapshot")));
    EXPECT_TRUE(page.DocumentExportEnabled());
}

TEST_F(CapturePageTest, TheCheckBoxesAreWhatTheCaptureReads) {
    EXPECT_EQ(page.Choices().multiCapture, false);
    ::SendMessageW(Child(L"Multi Capture (to one image)"), BM_SETCHECK, BST_CHECKED, 0);
    ::SendMessageW(Child(L"Capure with mouse cursor"), BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_TRUE(page.Choices().multiCapture);
    EXPECT_TRUE(page.Choices().withCursor);
    EXPECT_FALSE(page.Choices().sequence);
    // Ticking the sequence box asks for a folder; none chosen unticks it.
    const HWND sequence = Child(L"Capture to image sequence");
    ::SendMessageW(sequence, BM_CLICK, 0, 0);
    EXPECT_FALSE(page.Choices().sequence);
    dialogs.folders.push_back(L"C:\\");
    ::SendMessageW(sequence, BM_CLICK, 0, 0);
    EXPECT_TRUE(page.Choices().sequence);
    EXPECT_EQ(page.Tools().SequenceFolder(), L"C:\\");
}

TEST_F(CapturePageTest, TheRectangleButtonRunsTheModeAndTheLabelsShowItsSize) {
    Click(Child(L"Rectangle capture"));
    EXPECT_EQ(window.mode, kRectangleCaptureMode);
    EXPECT_EQ(window.prompt, kCapturePrompt);
    // The mode shows its tab, which changes the page only when another tab
    // is open: a hot key that opened the tab first changes it once.
    EXPECT_EQ(window.tabsShown, std::vector<int>{kCaptureTab});
    EXPECT_TRUE(window.pagesChanged.empty());
    const Rect b = page.Tools().RectangleOverlay().WindowBounds();
    EXPECT_EQ(platform::WindowText(Child(L"Rectangle capture")), L"Rectangle capture");
    bool found = false;
    for (HWND c = ::GetWindow(parent_, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT))
        found |= platform::WindowText(c) == std::to_wstring(b.width() - 8);
    EXPECT_TRUE(found) << "the width label shows width - 8";
    Click(Child(L"Rectangle capture"));
    EXPECT_EQ(window.mode, ActiveMode::None);
    EXPECT_EQ(window.prompt, L"");
}

TEST_F(CapturePageTest, TheDelayIsRememberedCountsDownAndIsCancelledByASecondPressOrTheTab) {
    const HWND list = ::FindWindowExW(parent_, nullptr, L"COMBOBOX", nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_NE(Child(L"Delay:"), nullptr);
    ::SendMessageW(list, CB_SETCURSEL, 2, 0);
    ::SendMessageW(parent_, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(list), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(NumberSetting(window.settings, kCaptureDelay), 3);
    EXPECT_EQ(window.settingsSaved, 1);
    const HWND screen = Child(L"Capture the entire screen");
    const auto stopped = [&] {
        return !page.Tools().DelayRunning() && window.mode == ActiveMode::None &&
               window.prompt.empty();
    };
    Click(screen);
    EXPECT_EQ(window.mode, kScreenCaptureMode);
    EXPECT_TRUE(window.prompt.starts_with(L"Capturing in 3 s")) << ToUtf8(window.prompt);
    Click(screen);
    EXPECT_TRUE(stopped());
    Click(Child(L"Control capture"));
    EXPECT_EQ(window.mode, kControlCaptureMode);
    page.Tools().btnControlCaptureClick();
    EXPECT_TRUE(stopped());
    Click(screen);  // then the tab's stop
    ASSERT_TRUE(page.Tools().DelayRunning());
    page.Tools().AbandonScreenCapture();
    EXPECT_TRUE(stopped());
    // No box asked for a click, no hook was armed, nothing stepped aside.
    EXPECT_TRUE(dialogs.messages.empty() && window.armed.empty() && window.left == 0);
    EXPECT_TRUE(page.Tools().CurrentSnapshot().Empty());

    // Run out, the screen is taken with the window out of the way.
    SetField(window.settings, kCaptureDelay, RegistryValue::Dword(1));
    Click(screen);
    ASSERT_TRUE(test::PumpUntil([&] { return window.cameBack == 1; }, 4000));
    EXPECT_EQ(window.left, 1);
    EXPECT_TRUE(stopped());
    EXPECT_FALSE(page.Tools().CurrentSnapshot().Empty());
    EXPECT_TRUE(page.CaptureButtonsEnabled());
}

TEST_F(CapturePageTest, EachPhotoshopOutputTestsItsOwnButton) {
    page.EnableCaptureButtons();
    ::EnableWindow(Child(L"Export snapshot to new Photoshop document"), FALSE);
    // The preview's twins run the page's handlers whatever the page shows.
    // The preview makes its buttons when it first shows.
    const HWND preview = page.Preview().hwnd();
    ::ShowWindow(preview, SW_SHOWNOACTIVATE);
    Click(::FindWindowExW(preview, nullptr, nullptr, L"Export snapshot to new Photoshop layer"));
    Click(::FindWindowExW(preview, nullptr, nullptr, L"Export snapshot to new Photoshop document"));
    ::ShowWindow(preview, SW_HIDE);
    EXPECT_EQ(exports,
              (std::vector<std::pair<std::string, bool>>{{"layer", true}, {"document", false}}));
}

// The main window's one page, as the window hands it to a tool it builds.
class OnePage final : public ToolPages {
  public:
    explicit OnePage(ui::Panel& page) : page_(page) {}
    ui::Panel& Page(const PageSpec&) override { return page_; }

  private:
    ui::Panel& page_;
};

// Another program holds the clipboard, opened without a window of its own,
// and keeps it with its text on it until the holder goes.
class ClipboardHolder {
  public:
    ClipboardHolder()
        : thread_([this] {
              const bool opened = ::OpenClipboard(nullptr) != FALSE;
              if (opened) {
                  ::EmptyClipboard();
                  const wchar_t text[] = L"holder";
                  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, sizeof text);
                  std::memcpy(::GlobalLock(memory), text, sizeof text);
                  ::GlobalUnlock(memory);
                  ::SetClipboardData(CF_UNICODETEXT, memory);
              }
              holding_ = opened;
              ready_ = true;
              while (opened && !release_)
                  ::Sleep(5);
              if (opened) ::CloseClipboard();
          }) {
        while (!ready_)
            ::Sleep(5);
    }
    ~ClipboardHolder() {
        release_ = true;
        thread_.join();
    }
    bool Holding() const { return holding_; }

  private:
    std::atomic<bool> ready_{false};
    std::atomic<bool> holding_{false};
    std::atomic<bool> release_{false};
    std::thread thread_;
};

std::wstring ClipboardText() {
    platform::ClipboardSession session(nullptr);
    HANDLE data = session.IsOpen() ? ::GetClipboardData(CF_UNICODETEXT) : nullptr;
    const auto* text = data ? static_cast<const wchar_t*>(::GlobalLock(data)) : nullptr;
    std::wstring copy = text ? text : L"";
    if (text) ::GlobalUnlock(data);
    return copy;
}

// The page as the main window builds it, with no window of its own to hand
// the tools: the snapshot still opens the clipboard with the main window,
// so it waits for the holder, then says it could not.
TEST(CapturePageBuilt, TheSnapshotLeavesAClipboardHeldByAnotherProgramAloneAndSaysSo) {
    platform::WindowHandle mainWindow(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 10, 10, 255,
                                                        kCapturePageHeight, nullptr, nullptr,
                                                        nullptr, nullptr));
    ui::Panel panel;
    panel.Create(mainWindow.get(), Rect::FromBounds(0, 0, 255, kCapturePageHeight), L"", {});
    test::FakeToolHost host;
    test::ScriptedDialogs dialogs;
    test::RecordingSystemCursors cursors;
    const platform::ClipboardWriter clipboard([&mainWindow] { return mainWindow.get(); });
    CapturePage page(host, dialogs, cursors, clipboard);
    OnePage pages(panel);
    page.Build(pages);
    {
        platform::WindowDC screen;
        ASSERT_FALSE(
            page.Tools().CurrentSnapshot().CopyToBuffer(screen.get(), {0, 0, 20, 10}, {0, 0}, {}));
    }
    page.EnableCaptureButtons();
    {
        const ClipboardHolder holder;
        ASSERT_TRUE(holder.Holding());
        page.Tools().btnCaptureToClipboardClick();
    }
    EXPECT_EQ(dialogs.messages,
              std::vector<std::wstring>{L"The snapshot could not be put on the clipboard."});
    EXPECT_EQ(ClipboardText(), L"holder");
}

}  // namespace
}  // namespace vix
