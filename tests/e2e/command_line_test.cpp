// The one-shot commands run beside a copy of the program that is open on
// its Capture tab, over the test pattern, as a script would run them: the
// output redirected, the exit code read. And the delayed capture, which
// takes the screen as it is when the countdown ends.

#include <algorithm>

#include "capture_fixture.h"
#include "pattern.h"
#include "pattern_screen.h"

namespace vix::e2e {
namespace {

namespace pt = test::pattern;

struct CommandRun {
    std::optional<DWORD> exitCode;
    std::string out;  // UTF-8, as the program writes to a file
    std::string err;
};

std::string FileText(const std::wstring& path) {
    const auto bytes = ReadFileBytes(path);
    return {bytes.begin(), bytes.end()};
}

platform::File InheritableFile(const std::wstring& path) {
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    return platform::File(::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

// Runs vix.exe with `args`, its standard output and error going to files.
CommandRun RunVix(const std::wstring& args, const std::wstring& scratch) {
    const std::wstring outPath = scratch + L"\\stdout.txt", errPath = scratch + L"\\stderr.txt";
    CommandRun run;
    {
        platform::File out = InheritableFile(outPath), err = InheritableFile(errPath);
        STARTUPINFOW start{};
        start.cb = sizeof(start);
        start.dwFlags = STARTF_USESTDHANDLES;
        start.hStdOutput = out.get();
        start.hStdError = err.get();
        std::wstring line = L"\"" + BinDir() + L"\\vix.exe\" " + args;
        PROCESS_INFORMATION process{};
        if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                              &start, &process))
            return run;
        platform::KernelHandle processHandle(process.hProcess), thread(process.hThread);
        if (::WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0) {
            DWORD code = 0;
            ::GetExitCodeProcess(process.hProcess, &code);
            run.exitCode = code;
        }
    }
    run.out = FileText(outPath);
    run.err = FileText(errPath);
    return run;
}

int LineCount(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

class CommandLine : public CaptureFixture {};

TEST_F(CommandLine, CapturesAndPicksBesideARunningCopyAndRefusesWhatItCannotDo) {
    const std::wstring scratch = ScratchFolder(L"vix-command-\u00e9t\u00e9");
    const RECT pattern{pt::kLeft, pt::kTop, pt::kLeft + pt::kWidth, pt::kTop + pt::kHeight};
    ASSERT_TRUE(WaitPatternShown(pattern));
    SetSettingsDword(L"CPExportFormat", 4);  // "0x" and the hexadecimal RGB
    const auto valuesBefore = SettingsValueNames();

    const std::wstring region = scratch + L"\\r\u00e9gion.png";
    CommandRun run = RunVix(L"/capture 40,60,260,240 /out \"" + region + L"\"", scratch);
    ASSERT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_TRUE(run.err.empty()) << run.err;
    const auto taken = ReadImageFile(region);
    ASSERT_TRUE(taken);
    ASSERT_EQ(taken->width, pt::kWidth);
    ASSERT_EQ(taken->height, pt::kHeight);
    for (int y = 0; y < pt::kHeight; y += 9)
        for (int x = 0; x < pt::kWidth; x += 9)
            ASSERT_EQ(taken->At(x, y), pt::MainPixel(pt::kLeft + x, pt::kTop + y)) << x << "," << y;

    const std::wstring screen = scratch + L"\\screen.TIF";
    run = RunVix(L"-CAPTURE screen -out \"" + screen + L"\"", scratch);
    ASSERT_EQ(run.exitCode, 0u) << run.err;
    const auto whole = ReadImageFile(screen);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->width, ::GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(whole->height, ::GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_EQ(whole->At(pt::kFlatX, pt::kFlatY), pt::kFlat);

    // The window under the pointer, frame and all, with the cursor drawn in.
    PointAt({pt::kFlatX, pt::kFlatY});
    const RECT windowRect =
        ScreenRect(::GetAncestor(::WindowFromPoint({pt::kFlatX, pt::kFlatY}), GA_ROOT));
    const std::wstring window = scratch + L"\\window.jpeg";
    run = RunVix(L"/capture window /cursor /out \"" + window + L"\"", scratch);
    ASSERT_EQ(run.exitCode, 0u) << run.err;
    const auto windowShot = ReadImageFile(window);
    ASSERT_TRUE(windowShot);
    EXPECT_EQ(windowShot->width, windowRect.right - windowRect.left);
    EXPECT_EQ(windowShot->height, windowRect.bottom - windowRect.top);

    ClearClipboard();
    run = RunVix(L"/pick " + std::to_wstring(pt::kFlatX) + L"," + std::to_wstring(pt::kFlatY),
                 scratch);
    ASSERT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_EQ(ClipboardText(), std::wstring(L"0x129AE4"));

    const struct {
        const wchar_t* args;
        DWORD code;
        const char* says;
    } refused[] = {
        {L"/capture 40,60,0,10 /out a.png", 1, "width and height"},
        {L"/capture screen /delay 99 /out a.png", 1, "0 to 60"},
        {L"/capture screen", 1, "/out FILE"},
        {L"/capture 900,700,200,200 /out a.png", 2, "not wholly on the desktop"},
        {L"/pick 5000,5000", 2, "on no monitor"},
    };
    for (const auto& c : refused) {
        run = RunVix(c.args, scratch);
        EXPECT_EQ(run.exitCode, c.code) << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_EQ(LineCount(run.err), 1) << run.err;
    }
    const std::wstring nowhere = scratch + L"\\no such folder\\a.png";
    run = RunVix(L"/capture screen /out \"" + nowhere + L"\"", scratch);
    EXPECT_EQ(run.exitCode, 3u) << run.err;
    EXPECT_EQ(LineCount(run.err), 1) << run.err;
    EXPECT_FALSE(FileExists(nowhere));
    EXPECT_FALSE(FileExists(scratch + L"\\a.png"));

    run = RunVix(L"/?", scratch);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_NE(run.out.find("/capture screen|window|X,Y,W,H"), std::string::npos) << run.out;

    // The copy that runs was neither disturbed nor joined by another.
    EXPECT_TRUE(vix_->Running());
    EXPECT_EQ(TopLevelWindows(vix_->Pid(), L"Tvix_main").size(), 1u);
    EXPECT_EQ(SettingsValueNames(), valuesBefore);
    EXPECT_EQ(SettingsDword(L"CPExportFormat"), 4u);
}

// A window of the test's own whose colour the test changes while the
// countdown runs.
class ColourWindow {
  public:
    ColourWindow(const RECT& bounds, COLORREF colour) : colour_(colour) {
        WNDCLASSW cls{};
        cls.lpfnWndProc = &ColourWindow::Procedure;
        cls.hInstance = ::GetModuleHandleW(nullptr);
        cls.lpszClassName = L"VixTestColourWindow";
        ::RegisterClassW(&cls);
        window_.reset(::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                                        cls.lpszClassName, L"", WS_POPUP, bounds.left, bounds.top,
                                        bounds.right - bounds.left, bounds.bottom - bounds.top,
                                        nullptr, nullptr, cls.hInstance, nullptr));
        ::SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        ::ShowWindow(window_.get(), SW_SHOWNOACTIVATE);
        Paint(colour);
    }
    void Paint(COLORREF colour) {
        colour_ = colour;
        ::InvalidateRect(window_.get(), nullptr, TRUE);
        ::UpdateWindow(window_.get());
    }

  private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_ERASEBKGND) return 1;
        if (message == WM_PAINT) {
            auto* self = reinterpret_cast<ColourWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
            PAINTSTRUCT paint{};
            HDC dc = ::BeginPaint(hwnd, &paint);
            platform::Brush brush(::CreateSolidBrush(self ? self->colour_ : RGB(0, 0, 0)));
            ::FillRect(dc, &paint.rcPaint, brush.get());
            ::EndPaint(hwnd, &paint);
            return 0;
        }
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }

    COLORREF colour_;
    platform::WindowHandle window_;
};

class DelayedCapture : public CaptureFixture {
    void BeforeStart() override { SetSettingsDword(L"CaptureDelay", 5); }
};

TEST_F(DelayedCapture, TheWholeScreenIsTakenAsItIsWhenTheCountdownEnds) {
    const RECT spot{60, 420, 140, 500};
    ColourWindow window(spot, RGB(200, 30, 30));
    ASSERT_TRUE(WaitUntil([&] { return ScreenPixel({100, 460}) == 0xC81E1Eu; }));
    LeftClickAt(Center(Control(L"Capture the entire screen")));
    // Off the window the bar shows the countdown, not the button's hint.
    MoveTo({1000, 700});
    ASSERT_TRUE(WaitUntil([&] { return HintBarText().starts_with(L"Capturing in "); }))
        << testing::PrintToString(HintBarText());
    // No box asks for a click: the countdown runs on its own.
    EXPECT_EQ(WaitForMessageBox(vix_->Pid(), 300), nullptr);
    window.Paint(RGB(30, 160, 90));
    ASSERT_TRUE(WaitUntil([&] { return ScreenPixel({100, 460}) == 0x1EA05Au; }));
    ASSERT_TRUE(WaitUntil(
        [&] { return ::IsWindowEnabled(Control(L"Export snapshot to the clipboard")) != FALSE; },
        10000));
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(Main()) != FALSE; }));
    const auto shot = SnapshotViaClipboard();
    ASSERT_TRUE(shot);
    ASSERT_EQ(shot->width, ::GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(shot->At(100, 460), 0x1EA05Au);
    EXPECT_EQ(shot->At(pt::kFlatX, pt::kFlatY), pt::kFlat);
    EXPECT_EQ(HintBarText().find(L"Capturing"), std::wstring::npos);
}

}  // namespace
}  // namespace vix::e2e
