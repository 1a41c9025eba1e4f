// The program's outermost loop: it leaves timer ticks alone to GetMessage,
// and still runs the idle handler after any other message, also one handled
// by a loop nested in a tick.

#include <gtest/gtest.h>

#include "ui/message_loop.h"
#include "ui/timer.h"

namespace vix::ui {
namespace {

constexpr UINT kNested = WM_APP + 7;

LRESULT CALLBACK CountingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kNested) {
        ++*reinterpret_cast<int*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(MessageLoop, TicksAloneRunNoIdleWorkAndAMessageHandledInsideATickDoes) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VixMessageLoopTest";
    ::RegisterClassW(&wc);
    HWND window = ::CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    int handled = 0;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&handled));

    int idles = 0;
    int idlesBeforeNested = -1;
    SetIdleHandler([&] {
        ++idles;
        if (handled > 0) ::PostQuitMessage(3);
        return false;
    });
    int ticks = 0;
    Timer tick;
    tick.Start(10, [&] {
        // Twenty ticks alone, then one that handles a message of its own
        // loop, as the picker's drawing tick does.
        if (++ticks != 20) return;
        idlesBeforeNested = idles;
        ::PostMessageW(window, kNested, 0, 0);
        ProcessPendingMessages();
    });
    Timer bound;
    bool timedOut = false;
    bound.Start(5000, [&] {
        timedOut = true;
        ::PostQuitMessage(4);
    });

    PumpUntilQuit();
    MSG quit{};
    ASSERT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        << "WM_QUIT is left queued";
    EXPECT_FALSE(timedOut) << "the idle handler did not run after the nested message";
    EXPECT_EQ(quit.wParam, 3u);
    EXPECT_EQ(idlesBeforeNested, 1) << "ticks alone ran the idle handler";
    EXPECT_EQ(handled, 1);
    SetIdleHandler(nullptr);
    ::DestroyWindow(window);
}

}  // namespace
}  // namespace vix::ui
