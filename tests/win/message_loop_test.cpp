// The program's outermost loop leaves timer ticks to GetMessage, and still
// runs the idle handler after any other message, also one that a loop
// nested in a tick handled.

#include <gtest/gtest.h>

#include "ui/message_loop.h"
#include "ui/timer.h"

namespace vix::ui {
namespace {

TEST(MessageLoop, TicksAloneRunNoIdleWorkAndAMessageHandledInsideATickDoes) {
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
    EXPECT_EQ(idlesBeforeNested, 1) << "ticks alone ran the idle handler";
    SetIdleHandler(nullptr);
}

}  // namespace
}  // namespace vix::ui
