// picker_bench.exe [TICKS]: the colour picker's sampling tick (ShowBox with
// the magnifier and labels), timed one by one over TICKS ticks (10,000 by
// default), and the process's GDI and USER object counts before and after.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "color/color_info_panel.h"
#include "color/color_picker.h"
#include "color/color_text.h"
#include "fake_tool_host.h"
#include "gui_counts.h"
#include "platform/clipboard.h"
#include "platform/handle.h"
#include "platform/system_cursors.h"
#include "ui/panel.h"

namespace {

double Now() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int ticks = argc > 1 ? _wtoi(argv[1]) : 10000;
    vix::platform::WindowHandle host(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 10,
                                                     10, 260, 200, nullptr, nullptr, nullptr,
                                                     nullptr));
    vix::test::FakeToolHost bench;
    bench.window = host.get();
    vix::platform::WinClipboard clipboard;
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
    picker.PointerMoved(static_cast<WPARAM>(400 | (300 << 16)));
    for (int i = 0; i < 200; ++i)
        picker.ShowBox();  // warm up
    const vix::test::GuiCounts before = vix::test::CurrentGuiCounts();
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(ticks));
    for (int i = 0; i < ticks; ++i) {
        // A pointer that moves, so labels and swatches change as they do in use.
        picker.PointerMoved(static_cast<WPARAM>((300 + i % 200) | ((200 + i % 150) << 16)));
        const double t0 = Now();
        picker.ShowBox();
        times.push_back(Now() - t0);
    }
    const vix::test::GuiCounts after = vix::test::CurrentGuiCounts();
    picker.btnEnablePickerClick();

    std::sort(times.begin(), times.end());
    std::printf("ShowBox over %d ticks: median %.3f ms, 99th percentile %.3f ms, max %.3f ms\n",
                ticks, times[times.size() / 2], times[times.size() * 99 / 100], times.back());
    std::printf("GDI objects before %ld, after %ld; USER objects before %ld, after %ld\n",
                before.gdi, after.gdi, before.user, after.user);
    return before == after ? 0 : 1;
}
