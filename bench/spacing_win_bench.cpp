// spacing_win_bench.exe [MOVES]: how soon the spacing measure's label shows
// beside the pointer once the pointer has moved, over MOVES moves (300 by
// default) sent through SendInput over a drawn pattern: from just before the
// move until the corner of the label's place has changed on the screen.
// Beside it, timed the same way in the same run, the floor: a bare topmost
// window over the desktop that paints one rectangle beside the pointer at
// each move. The two take turns in blocks of moves, so that both meet the
// same load; the median and the 99th percentile of both are printed, with
// the ratio of the medians and a frame's 16.7 ms at 60 Hz.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "fake_tool_host.h"
#include "input.h"
#include "platform/canvas.h"
#include "platform/desktop.h"
#include "platform/gdi.h"
#include "platform/handle.h"
#include "platform/screen_copy.h"
#include "spacing/spacing_tool.h"
#include "timing.h"
#include "ui/panel.h"

namespace {

constexpr int kBlock = 50;  // moves of one before the other's turn
// Under Wine about one SendInput move in a hundred reaches no window: the
// pointer is there, and nothing is drawn. Counted apart, not timed.
constexpr double kGiveUpMs = 500.0;
constexpr int kLabelOffset = 16;  // the label's corner from the pointer
constexpr int kFloorWidth = 90, kFloorHeight = 20;

// The pattern measured: a flat square in a darker frame, so that every walk
// ends at the square's edges.
constexpr vix::Rect kPattern{40, 40, 740, 600};
constexpr vix::Rect kSquare{100, 100, 600, 500};

LRESULT CALLBACK PatternProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(hwnd, &ps);
    vix::platform::FillSolid(dc, {0, 0, kPattern.width(), kPattern.height()},
                             vix::platform::GdiColor::Rgb(48, 48, 48));
    vix::platform::FillSolid(dc,
                             {kSquare.left - kPattern.left, kSquare.top - kPattern.top,
                              kSquare.right - kPattern.left, kSquare.bottom - kPattern.top},
                             vix::platform::GdiColor::Rgb(32, 96, 160));
    ::EndPaint(hwnd, &ps);
    return 0;
}

// The floor's one rectangle, beside the pointer as the label is.
RECT floorBox{};

RECT FloorBoxAt(int x, int y) {
    return {x + kLabelOffset, y + kLabelOffset, x + kLabelOffset + kFloorWidth,
            y + kLabelOffset + kFloorHeight};
}

LRESULT CALLBACK FloorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: return 1;
        case WM_MOUSEMOVE:
            ::InvalidateRect(hwnd, &floorBox, FALSE);
            floorBox =
                FloorBoxAt(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
            ::InvalidateRect(hwnd, &floorBox, FALSE);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = ::BeginPaint(hwnd, &ps);
            vix::platform::FillSolid(dc, ps.rcPaint, vix::platform::GdiColor::Rgb(48, 48, 48));
            vix::platform::FillSolid(dc, floorBox, vix::platform::GdiColor::Rgb(255, 255, 225));
            ::EndPaint(hwnd, &ps);
            return 0;
        }
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND TopmostWindow(const wchar_t* className, WNDPROC proc, const vix::Rect& r) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = className;
    ::RegisterClassW(&wc);
    return ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, className, L"", WS_POPUP, r.left,
                             r.top, r.width(), r.height(), nullptr, nullptr, nullptr, nullptr);
}

// This thread's waiting messages, without sleeping.
void HandleMessages() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// Where the i-th move goes: across the square, a row down or up at every
// move, so that the label's corner never lies where the last label was.
vix::Point MoveTarget(int i) { return {150 + (i % 5) * 70, 160 + (i % 2) * 70}; }

class ChangeClock {
  public:
    ChangeClock() : before_({kWatched, kWatched}), now_({kWatched, kWatched}) {}

    // The time from the move to `to` until the screen beside it changed;
    // negative when it had not after kGiveUpMs.
    double MoveAndWait(vix::Point to) {
        const vix::Rect watched = vix::Rect::FromBounds(
            to.x + kLabelOffset + 1, to.y + kLabelOffset + 1, kWatched, kWatched);
        Copy(before_, watched);
        const double t0 = vix::bench::NowMs();
        vix::test::SendMouseAt({to.x, to.y}, 0);
        for (;;) {
            HandleMessages();
            Copy(now_, watched);
            const double t = vix::bench::NowMs() - t0;
            if (std::memcmp(before_.pixels(), now_.pixels(), kBytes) != 0) return t;
            if (t > kGiveUpMs) return -1;
        }
    }

  private:
    // A corner of the label: its frame and some of its inside.
    static constexpr int kWatched = 8;
    static constexpr std::size_t kBytes = kWatched * kWatched * sizeof(DWORD);

    void Copy(vix::platform::Canvas& into, const vix::Rect& area) {
        vix::platform::CopyScreenSquare(into.dc(), area, screen_.get());
        ::GdiFlush();
    }

    vix::platform::WindowDC screen_;
    vix::platform::Canvas before_, now_;
};

class OnePage : public vix::ToolPages {
  public:
    vix::ui::Panel& Page(const vix::PageSpec&) override { return panel; }
    vix::ui::Panel panel;
};

struct Series {
    std::vector<double> times;
    int missed = 0;

    void Add(double t) {
        if (t < 0)
            ++missed;
        else
            times.push_back(t);
    }
};

// Moves `count` times from move `first` on, after the pointer rested away
// from every watched place.
void RunBlock(ChangeClock& clock, Series& into, int first, int count) {
    ::SetCursorPos(kSquare.right - 20, kSquare.bottom - 20);
    vix::test::Pump(150);
    for (int i = first; i < first + count; ++i)
        into.Add(clock.MoveAndWait(MoveTarget(i)));
}

void Report(const char* what, const Series& s) {
    const vix::bench::Figures f = vix::bench::FiguresOf(s.times);
    std::printf(
        "%-44s median %6.2f ms, 99th %6.2f ms, max %6.2f ms (%zu moves, %d not seen in 500 ms)\n",
        what, f.median, f.p99, f.max, s.times.size(), s.missed);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int moves = argc > 1 ? _wtoi(argv[1]) : 300;
    const vix::Rect desktop = vix::platform::VirtualDesktop();
    const vix::platform::WindowHandle pattern(
        TopmostWindow(L"VixSpacingBenchPattern", PatternProc, kPattern));
    ::ShowWindow(pattern.get(), SW_SHOWNOACTIVATE);
    ::UpdateWindow(pattern.get());
    const vix::platform::WindowHandle floor(
        TopmostWindow(L"VixSpacingBenchFloor", FloorProc, desktop));

    const vix::platform::WindowHandle owner(::CreateWindowExW(
        0, L"STATIC", L"", WS_POPUP, 800, 620, 260, 60, nullptr, nullptr, nullptr, nullptr));
    vix::test::FakeToolHost host;
    host.window = owner.get();
    OnePage pages;
    pages.panel.Create(owner.get(), vix::Rect::FromBounds(0, 0, 255, 36), L"", {});
    vix::SpacingTool tool(host);
    tool.Build(pages);
    for (const vix::OwnedWindow& w : tool.Windows())
        w.form->Create(owner.get());
    tool.SettingsLoaded(host.settings, true);
    vix::test::Pump(300);

    ChangeClock clock;
    Series overlay, bare;
    for (int first = 0; first < moves; first += kBlock) {
        const int count = moves - first < kBlock ? moves - first : kBlock;
        ::ShowWindow(floor.get(), SW_SHOWNOACTIVATE);
        ::UpdateWindow(floor.get());
        RunBlock(clock, bare, first, count);
        ::ShowWindow(floor.get(), SW_HIDE);
        // The measure copies the screen as it starts: the pattern again.
        vix::test::Pump(300);
        tool.Toggle();
        RunBlock(clock, overlay, first, count);
        tool.Toggle();
        vix::test::Pump(150);
    }

    std::printf("desktop %d x %d, label after a pointer move (a frame at 60 Hz: 16.7 ms)\n",
                desktop.width(), desktop.height());
    Report("spacing overlay, label beside the pointer:", overlay);
    Report("bare topmost window, one rectangle:", bare);
    const double a = vix::bench::FiguresOf(overlay.times).median;
    const double b = vix::bench::FiguresOf(bare.times).median;
    if (b > 0) std::printf("ratio of the medians, overlay to bare window: %.2f\n", a / b);
    return overlay.times.empty() || bare.times.empty() ? 1 : 0;
}
