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
    std::string err;  // UTF-8, as the program writes to a file
    std::string out;
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
        DWORD code = 0;
        if (::WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0 &&
            ::GetExitCodeProcess(process.hProcess, &code))
            run.exitCode = code;
    }
    return {run.exitCode, FileText(errPath), FileText(outPath)};
}

class CommandLine : public CaptureFixture {};

TEST_F(CommandLine, CapturesAndPicksBesideARunningCopyAndRefusesWhatItCannotDo) {
    const std::wstring scratch = ScratchFolder(L"vix-command-\u00e9t\u00e9");
    ASSERT_TRUE(
        WaitPatternShown({pt::kLeft, pt::kTop, pt::kLeft + pt::kWidth, pt::kTop + pt::kHeight}));
    SetSettingsDword(L"CPExportFormat", 4);  // "0x" and the hexadecimal RGB
    const auto valuesBefore = SettingsValueNames();
    // Each source once, each into a file of its own type.
    const auto taken = [&](const std::wstring& source, const std::wstring& name) {
        const std::wstring file = scratch + L"\\" + name;
        const CommandRun run = RunVix(source + L" /out \"" + file + L"\"", scratch);
        EXPECT_EQ(run.exitCode, 0u) << run.err;
        EXPECT_EQ(run.err, "");
        return ReadImageFile(file).value_or(Picture{});
    };
    const Picture region = taken(L"/capture 40,60,260,240", L"r\u00e9gion.png");
    ASSERT_EQ(region.width, pt::kWidth);
    ASSERT_EQ(region.height, pt::kHeight);
    for (int y = 0; y < pt::kHeight; y += 9)
        for (int x = 0; x < pt::kWidth; x += 9)
            ASSERT_EQ(region.At(x, y), pt::MainPixel(pt::kLeft + x, pt::kTop + y)) << x << "," << y;
    const Picture screen = taken(L"-CAPTURE screen", L"screen.TIF");
    ASSERT_EQ(screen.width, ::GetSystemMetrics(SM_CXVIRTUALSCREEN));
    ASSERT_EQ(screen.height, ::GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_EQ(screen.At(pt::kFlatX, pt::kFlatY), pt::kFlat);
    // The window under the pointer, frame and all, with the cursor drawn in.
    PointAt({pt::kFlatX, pt::kFlatY});
    const RECT frame =
        ScreenRect(::GetAncestor(::WindowFromPoint({pt::kFlatX, pt::kFlatY}), GA_ROOT));
    const Picture window = taken(L"/capture window /cursor", L"window.jpeg");
    EXPECT_EQ(window.width, frame.right - frame.left);
    EXPECT_EQ(window.height, frame.bottom - frame.top);

    ClearClipboard();
    const std::wstring flat = std::to_wstring(pt::kFlatX) + L"," + std::to_wstring(pt::kFlatY);
    EXPECT_EQ(RunVix(L"/pick " + flat, scratch).exitCode, 0u);
    EXPECT_EQ(ClipboardText(), std::wstring(L"0x129AE4"));
    const CommandRun usage = RunVix(L"/?", scratch);
    EXPECT_EQ(usage.exitCode, 0u);
    EXPECT_NE(usage.out.find("/capture screen|window|X,Y,W,H"), std::string::npos) << usage.out;

    // Each exit code of a failure once, with one line that says why.
    const std::wstring nowhere = scratch + L"\\no such folder\\a.png";
    const struct {
        std::wstring args;
        DWORD code;
        const char* says;
    } refused[] = {{L"/capture screen /delay 99 /out a.png", 1, "0 to 60"},
                   {L"/capture 900,700,200,200 /out a.png", 2, "not wholly on the desktop"},
                   {L"/pick 5000,5000", 2, "on no monitor"},
                   {L"/capture screen /out \"" + nowhere + L"\"", 3, "no such folder"}};
    for (const auto& c : refused) {
        const CommandRun run = RunVix(c.args, scratch);
        EXPECT_EQ(run.exitCode, c.code) << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    EXPECT_FALSE(FileExists(nowhere));

    // The copy that runs was neither disturbed nor joined by another.
    EXPECT_TRUE(vix_->Running());
    EXPECT_EQ(TopLevelWindows(vix_->Pid(), L"Tvix_main").size(), 1u);
    EXPECT_EQ(SettingsValueNames(), valuesBefore);
    EXPECT_EQ(SettingsDword(L"CPExportFormat"), 4u);
}

class DelayedCapture : public CaptureFixture {
    void BeforeStart() override { SetSettingsDword(L"CaptureDelay", 5); }
};

// A window of the test's own in one colour, shown once the countdown runs.
HWND ColourWindow(const RECT& r, COLORREF colour) {
    WNDCLASSW cls{};
    cls.lpfnWndProc = ::DefWindowProcW;
    cls.hInstance = ::GetModuleHandleW(nullptr);
    cls.hbrBackground = ::CreateSolidBrush(colour);
    cls.lpszClassName = L"VixTestColourWindow";
    ::RegisterClassW(&cls);
    return ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, cls.lpszClassName,
                             L"", WS_POPUP, r.left, r.top, r.right - r.left, r.bottom - r.top,
                             nullptr, nullptr, cls.hInstance, nullptr);
}

TEST_F(DelayedCapture, TheWholeScreenIsTakenAsItIsWhenTheCountdownEnds) {
    const platform::WindowHandle window(ColourWindow({60, 420, 140, 500}, RGB(30, 160, 90)));
    LeftClickAt(Center(Control(L"Capture the entire screen")));
    // Off the window the bar shows the countdown, not the button's hint.
    MoveTo({1000, 700});
    ASSERT_TRUE(WaitUntil([&] { return HintBarText().starts_with(L"Capturing in "); }))
        << testing::PrintToString(HintBarText());
    ::ShowWindow(window.get(), SW_SHOWNOACTIVATE);
    ::UpdateWindow(window.get());
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
}

}  // namespace
}  // namespace vix::e2e
