// picker_bench.exe [TICKS]: the colour picker's sampling tick (ShowBox with
// the magnifier and labels), timed one by one over TICKS ticks (10,000 by
// default), and the process's GDI and USER object counts before and after.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "color/color_info_panel.h"
#include "color/color_picker.h"
#include "color/color_text.h"
#include "fake_tool_host.h"
#include "gui_counts.h"
#include "timing.h"
#include "platform/clipboard.h"
#include "platform/handle.h"
#include "platform/system_cursors.h"
#include "ui/panel.h"

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
    picker.PointerMoved({400, 300});
    for (int i = 0; i < 200; ++i)
        picker.ShowBox();  // warm up
    const vix::test::GuiCounts before = vix::test::CurrentGuiCounts();
    const vix::bench::Figures f = vix::bench::Time(ticks, [&](int i) {
        // A pointer that moves, so labels and swatches change as they do in use.
        picker.PointerMoved({300 + i % 200, 200 + i % 150});
        picker.ShowBox();
    });
    const vix::test::GuiCounts after = vix::test::CurrentGuiCounts();
    picker.btnEnablePickerClick();

    std::printf("ShowBox over %d ticks: median %.3f ms, 99th percentile %.3f ms, max %.3f ms\n",
                ticks, f.median, f.p99, f.max);
    std::printf("GDI objects before %ld, after %ld; USER objects before %ld, after %ld\n",
                before.gdi, after.gdi, before.user, after.user);
    return before == after ? 0 : 1;
}
