// ruler_bench.exe: PaintRuler for rulers 200 and 2000 pixels long in every
// unit, one tick of the end views (both views) over 10,000 ticks, and the
// process's GDI and USER object counts around 10,000 view ticks and 1,000
// repaints.
#include <windows.h>

#include <cstdio>

#include "fake_tool_host.h"
#include "gui_counts.h"
#include "timing.h"
#include "platform/handle.h"
#include "ruler/ruler_page.h"
#include "ruler/ruler_window.h"
#include "ui/panel.h"

int wmain() {
    vix::platform::WindowHandle host(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 400,
                                                     400, 260, 200, nullptr, nullptr, nullptr,
                                                     nullptr));
    vix::test::FakeToolHost bench;
    bench.window = host.get();
    bench.settings.rulerColor = 0xFFFFFF;
    vix::ui::Panel rulerPage, viewsPage, infoPage;
    rulerPage.Create(host.get(), vix::Rect::FromBounds(0, 0, 255, 69), L"", {});
    viewsPage.Create(host.get(), vix::Rect::FromBounds(0, 70, 255, 61), L"", {});
    infoPage.Create(host.get(), vix::Rect::FromBounds(0, 132, 255, 58), L"", {});
    vix::RulerPage page(bench);
    page.Create(rulerPage.hwnd(), viewsPage.hwnd(), infoPage);
    vix::Trulerapp& ruler = page.RulerWindow();
    ruler.Create(nullptr);
    page.SelectUnit(0);
    page.btnEnableRulerClick();
    ruler.MoveRuler(100, 100);

    const wchar_t* units[] = {L"pixels", L"inches", L"centimetres", L"picas", L"percent"};
    for (int length : {200, 2000}) {
        ruler.SetRulerLength(length);
        for (int unit = 0; unit < 5; ++unit) {
            ruler.RulerUnit = vix::RulerUnitAt(unit);
            const vix::bench::Figures f = vix::bench::Time(300, [&](int) { ruler.PaintRuler(); });
            std::printf("PaintRuler %4d px %-12ls median %.3f ms  99th %.3f ms\n", length,
                        units[unit], f.median, f.p99);
        }
    }
    ruler.SetRulerLength(200);
    for (int i = 0; i < 200; ++i)
        page.RulerEvent();  // warm up
    const vix::test::GuiCounts before = vix::test::CurrentGuiCounts();
    const vix::bench::Figures views = vix::bench::Time(10000, [&](int) { page.RulerEvent(); });
    for (int i = 0; i < 1000; ++i) {
        ruler.RulerUnit = vix::RulerUnitAt(i % 5);
        ruler.PaintRuler();
    }
    const vix::test::GuiCounts after = vix::test::CurrentGuiCounts();
    std::printf("View tick (both views) over 10000 ticks: median %.3f ms  99th %.3f ms\n",
                views.median, views.p99);
    std::printf("GDI objects before %ld, after %ld; USER objects before %ld, after %ld\n",
                before.gdi, after.gdi, before.user, after.user);
    page.btnEnableRulerClick();
    return before == after ? 0 : 1;
}
