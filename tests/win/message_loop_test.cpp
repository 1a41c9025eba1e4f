// The program's outermost loop leaves timer ticks and messages marked quiet
// to GetMessage, and still runs the idle handler after any other message,
// also one that a loop nested in a tick handled.

#include <gtest/gtest.h>

#include "platform/handle.h"
#include "ui/message_loop.h"
#include "ui/timer.h"

namespace vix::ui {
namespace {

constexpr UINT kReport = WM_APP + 2;
int g_reports = 0;

LRESULT CALLBACK CountReports(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kReport) ++g_reports;
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(MessageLoop, TicksAloneRunNoIdleWorkAndAMessageHandledInsideATickDoes) {
    // A report marked quiet at every tick, as the hook library posts one
    // per pointer move: handled, and no idle work after it.
    WNDCLASSW wc{};
    wc.lpfnWndProc = CountReports;
    wc.lpszClassName = L"VixQuietReports";
    ::RegisterClassW(&wc);
    const platform::WindowHandle reports(::CreateWindowExW(
        0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
    MarkQuiet(reports.get(), kReport);
    int idles = 0, idlesBeforeNested = -1, ticks = 0;
    bool nestedHandled = false;
    SetIdleHandler([&] {
        ++idles;
        if (nestedHandled) ::PostQuitMessage(3);
        return false;
    });
    Timer tick;
    tick.Start(10, [&] {
        // Twenty ticks alone, then one whose own loop handles a message, as
        // the picker's drawing tick does.
        ::PostMessageW(reports.get(), kReport, 0, 0);
        if (++ticks != 20) return;
        idlesBeforeNested = idles;
        nestedHandled = true;
        ::PostThreadMessageW(::GetCurrentThreadId(), WM_NULL, 0, 0);
        ProcessPendingMessages();
    });
    Timer bound;
    bound.Start(5000, [] { ::PostQuitMessage(4); });

    PumpUntilQuit();
    MSG quit{};
    ASSERT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "left queued";
    EXPECT_EQ(quit.wParam, 3u) << "no idle work after the nested message";
    EXPECT_EQ(idlesBeforeNested, 1) << "ticks and quiet reports alone ran the idle handler";
    EXPECT_GE(g_reports, 20) << "the quiet reports were not all handled";
    SetIdleHandler(nullptr);
}

}  // namespace
}  // namespace vix::ui
