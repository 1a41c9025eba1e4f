// picker_bench.exe [TICKS]: the colour picker's sampling tick (ShowBox with
// the magnifier and labels), timed one by one over TICKS ticks (10,000 by
// default), over a window of many colours:
//   - the pointer moving every tick, so that the view, the swatch and the
//     labels change as they do in use, in turns with the least a tick
//     showing the same must do (moving_floor.h), and the ratio of the two;
//   - the pointer moving over the desktop's one colour;
//   - the pointer and the screen still;
//   - the pointer still while the pixels under it change every tick;
// beside them the one thing a still tick cannot leave out: the copy of the
// 13 x 13 pixels round the pointer from the screen, without which a change
// of the screen would go unseen. Then the process's GDI and USER object
// counts before and after.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "color/color_info_panel.h"
#include "color/color_picker.h"
#include "color/color_text.h"
#include "fake_tool_host.h"
#include "gui_counts.h"
#include "moving_floor.h"
#include "platform/canvas.h"
#include "platform/clipboard.h"
#include "platform/gdi.h"
#include "platform/handle.h"
#include "platform/screen_copy.h"
#include "platform/system_cursors.h"
#include "timing.h"
#include "ui/panel.h"

namespace {

constexpr RECT kPicture = {300, 200, 600, 400};

// A picture of many colours, so that every pointer position shows another
// neighbourhood; `shift` changes every pixel.
void DrawPicture(vix::platform::Canvas& canvas, int shift) {
    DWORD* p = canvas.pixels();
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            *p++ = static_cast<DWORD>((x * 7 + shift) % 256 << 16 | (y * 5 + x) % 256 << 8 |
                                      (x * y + shift * 3) % 256);
}

vix::platform::Canvas* picture = nullptr;

LRESULT CALLBACK PictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(hwnd, &ps);
        picture->CopyTo(dc, 0, 0);
        ::EndPaint(hwnd, &ps);
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

void Report(const char* what, int ticks, const vix::bench::Figures& f) {
    std::printf("%-52s median %.3f ms, 99th percentile %.3f ms, max %.3f ms (%d ticks)\n", what,
                f.median, f.p99, f.max, ticks);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int ticks = argc > 1 ? _wtoi(argv[1]) : 10000;
    vix::platform::Canvas drawn({kPicture.right - kPicture.left, kPicture.bottom - kPicture.top});
    DrawPicture(drawn, 0);
    picture = &drawn;
    WNDCLASSW wc{};
    wc.lpfnWndProc = PictureProc;
    wc.lpszClassName = L"VixPickerBenchPicture";
    ::RegisterClassW(&wc);
    vix::platform::WindowHandle pictureWindow(
        ::CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE,
                          kPicture.left, kPicture.top, kPicture.right - kPicture.left,
                          kPicture.bottom - kPicture.top, nullptr, nullptr, nullptr, nullptr));
    ::UpdateWindow(pictureWindow.get());

    vix::platform::WindowHandle host(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 10,
                                                     10, 260, 200, nullptr, nullptr, nullptr,
                                                     nullptr));
    vix::test::FakeToolHost bench;
    bench.window = host.get();
    vix::platform::ClipboardWriter clipboard{[&host] { return host.get(); }};
    vix::platform::WinSystemCursors cursors;
    vix::ui::Panel pickerPage, infoPage;
    pickerPage.Create(host.get(), vix::Rect::FromBounds(0, 0, 255, 112), L"", {});
    infoPage.Create(host.get(), vix::Rect::FromBounds(0, 115, 255, 74), L"", {});
    vix::ColorInfoPanel info;
    info.Create(infoPage.hwnd());
    vix::ColorPicker picker(bench, clipboard, cursors, info);
    picker.Create(pickerPage.hwnd());
    picker.ResetSampling();
    picker.SelectFormat(vix::kFormatPercent);

    picker.btnEnablePickerClick();
    vix::bench::MovingFloor floor;
    if (!floor.Open(nullptr, 10, 420)) {
        std::printf("the floor's window could not be made\n");
        return 1;
    }
    const vix::Point still{450, 300};
    picker.PointerMoved(still);
    for (int i = 0; i < 200; ++i)
        picker.ShowBox();  // warm up
    // As in use, the windows have had their first paint before the ticks
    // are timed, and nothing is left waiting.
    vix::test::Pump(100);
    vix::platform::Canvas check({1, 1});
    const vix::test::GuiCounts before = vix::test::CurrentGuiCounts();
    // The picker's tick and the floor's, in turns at the same places, so
    // that whatever else the machine does weighs on both alike.
    std::vector<double> pickerTicks, floorTicks;
    for (int i = 0; i < ticks; ++i) {
        const vix::Point p{kPicture.left + 10 + i * 7 % 280, kPicture.top + 10 + i * 3 % 180};
        double t0 = vix::bench::NowMs();
        picker.PointerMoved(p);
        picker.ShowBox();
        pickerTicks.push_back(vix::bench::NowMs() - t0);
        t0 = vix::bench::NowMs();
        floor.Tick(p.x, p.y);
        floorTicks.push_back(vix::bench::NowMs() - t0);
    }
    const vix::bench::Figures moving = vix::bench::FiguresOf(pickerTicks);
    const vix::bench::Figures floorMoving = vix::bench::FiguresOf(floorTicks);
    // Over the desktop's one colour, as a designer crosses a plain area.
    const vix::bench::Figures plain = vix::bench::Time(ticks, [&](int i) {
        picker.PointerMoved({650 + i % 200, 450 + i % 150});
        picker.ShowBox();
    });
    picker.PointerMoved(still);
    picker.ShowBox();
    const vix::bench::Figures unchanged = vix::bench::Time(ticks, [&](int) { picker.ShowBox(); });
    // The screen changes between ticks (not timed): every tick must see it.
    const int changing = ticks / 10;
    std::vector<double> changed;
    int missed = 0, late = 0;
    for (int i = 0; i < changing; ++i) {
        DrawPicture(drawn, i + 1);
        ::InvalidateRect(pictureWindow.get(), nullptr, FALSE);
        ::UpdateWindow(pictureWindow.get());
        // Wine puts a window's drawing on the screen a little later: wait
        // until the screen shows it, so that the tick is judged alone.
        const DWORD expected = drawn.pixel(still.x - kPicture.left, still.y - kPicture.top);
        bool shown = false;
        for (int wait = 0; wait < 100 && !shown; ++wait) {
            vix::platform::CopyScreenSquare(check.dc(),
                                            vix::Rect::FromBounds(still.x, still.y, 1, 1));
            ::GdiFlush();
            shown = (check.pixel(0, 0) & 0xFFFFFF) == (expected & 0xFFFFFF);
            if (!shown) vix::test::Pump(1);
        }
        if (!shown) {
            ++late;
            continue;
        }
        const double t0 = vix::bench::NowMs();
        picker.ShowBox();
        changed.push_back(vix::bench::NowMs() - t0);
        // The live colour (red in the low byte) is the pixel now on the screen.
        const vix::ColorWord live = picker.LiveColor();
        if (vix::Red(live) != (expected >> 16 & 0xFF) ||
            vix::Green(live) != (expected >> 8 & 0xFF) || vix::Blue(live) != (expected & 0xFF))
            ++missed;
    }
    const vix::test::GuiCounts after = vix::test::CurrentGuiCounts();
    picker.btnEnablePickerClick();

    // As the picker copies: from a screen DC held meanwhile.
    vix::platform::Canvas square({13, 13});
    const vix::platform::WindowDC screen;
    const vix::bench::Figures copy = vix::bench::Time(ticks, [&](int) {
        vix::platform::CopyScreenSquare(
            square.dc(), vix::Rect::FromBounds(still.x - 6, still.y - 6, 13, 13), screen.get());
        ::GdiFlush();
    });

    Report("ShowBox, pointer moving:", ticks, moving);
    Report("the moving floor's tick (moving_floor.h):", ticks, floorMoving);
    std::printf("ratio, picker to floor, pointer moving: median %.2f, 99th percentile %.2f\n",
                moving.median / floorMoving.median, moving.p99 / floorMoving.p99);
    Report("ShowBox, pointer moving over one colour:", ticks, plain);
    Report("ShowBox, pointer and screen still:", ticks, unchanged);
    Report("ShowBox, pointer still, the pixels under it changing:", changing,
           vix::bench::FiguresOf(changed));
    Report("the 13 x 13 screen copy alone (the still tick's floor):", ticks, copy);
    std::printf(
        "ticks that missed a change of the pixels under the pointer: %d of %d (%d changes "
        "not on the screen within 100 ms were left out)\n",
        missed, changing - late, late);
    std::printf("GDI objects before %ld, after %ld; USER objects before %ld, after %ld\n",
                before.gdi, after.gdi, before.user, after.user);
    return before == after && missed == 0 ? 0 : 1;
}
