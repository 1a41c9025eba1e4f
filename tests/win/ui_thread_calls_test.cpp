// The hand-off from a worker to the user-interface thread through its
// message loop, and the shutdown order of a worker and its hand-offs.

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>

#include "common/worker_thread.h"
#include "fake_tool_host.h"
#include "platform/ui_thread_calls.h"

namespace vix::platform {
namespace {

template <typename F>
bool PumpUntil(F done, DWORD ms = 5000) {
    const ULONGLONG end = ::GetTickCount64() + ms;
    while (!done()) {
        if (::GetTickCount64() > end) return false;
        test::Pump(5);
    }
    return true;
}

TEST(UiThreadCalls, TheCallRunsInTheMessageLoopWhileTheWorkerWaits) {
    UiThreadCalls ui;
    ASSERT_NE(ui.hwnd(), nullptr);
    const DWORD uiThread = ::GetCurrentThreadId();
    std::atomic<DWORD> ranOn{0};
    std::atomic<bool> workerSawIt{false};
    CallOutcome outcome = CallOutcome::Cancelled;
    WorkerThread worker([&](std::stop_token stop) {
        outcome = ui.Call(
            [&] {
                ::Sleep(30);
                ranOn = ::GetCurrentThreadId();
            },
            stop);
        workerSawIt = ranOn.load() != 0;
    });
    EXPECT_TRUE(PumpUntil([&] { return !worker.running(); }));
    worker.Stop();
    EXPECT_EQ(outcome, CallOutcome::Ran);
    EXPECT_EQ(ranOn, uiThread);
    EXPECT_TRUE(workerSawIt);
}

TEST(UiThreadCalls, AnErrorRaisedOnTheUiThreadReachesTheWorker) {
    UiThreadCalls ui;
    bool caught = false;
    WorkerThread worker([&](std::stop_token stop) {
        try {
            ui.Call([] { throw std::runtime_error("not a number"); }, stop);
        } catch (const std::runtime_error&) {
            caught = true;
        }
    });
    EXPECT_TRUE(PumpUntil([&] { return !worker.running(); }));
    worker.Stop();
    EXPECT_TRUE(caught);
}

TEST(UiThreadCalls, TheUiThreadStoppingWhileAWorkerWaitsNeitherHangsNorRunsTheCall) {
    // The message loop has ended (the window closed) while the worker waits
    // for its hand-off; the owner then stops the worker without pumping.
    // The hand-off has no time limit of its own: a stop that did not end the
    // wait would hang here.
    std::atomic<bool> ran{false};
    std::atomic<bool> waiting{false};
    {
        UiThreadCalls ui;
        WorkerThread worker([&](std::stop_token stop) {
            waiting = true;
            EXPECT_EQ(ui.Call([&] { ran = true; }, stop), CallOutcome::Cancelled);
        });
        while (!waiting)
            ::Sleep(1);
        ::Sleep(50);  // let the worker reach its wait; no message is handled
        worker.Stop();
        EXPECT_FALSE(worker.running());
    }
    test::Pump(50);  // the wake-up that is still queued finds nothing to run
    EXPECT_FALSE(ran);
}

TEST(UiThreadCalls, ClosingReleasesAWaitingWorkerThatThenEndsByItself) {
    std::atomic<bool> ran{false};
    UiThreadCalls ui;
    std::atomic<int> outcomes{0};
    WorkerThread worker([&](std::stop_token stop) {
        if (ui.Call([&] { ran = true; }, stop) == CallOutcome::Cancelled) ++outcomes;
        // Later hand-offs are refused at once.
        if (ui.Call([&] { ran = true; }, stop) == CallOutcome::Cancelled) ++outcomes;
    });
    ::Sleep(50);
    ui.Close();
    EXPECT_TRUE(PumpUntil([&] { return !worker.running(); }));
    EXPECT_EQ(outcomes, 2);
    EXPECT_FALSE(ran);
}

TEST(UiThreadCalls, ClosingTheProgramFromInsideTheHandOffDoesNotHang) {
    // The update dialog runs inside the hand-off; a close from its nested
    // loop stops the worker that waits for that very call.
    UiThreadCalls ui;
    WorkerThread worker;
    bool closed = false;
    std::atomic<bool> workerLeft{false};
    worker = WorkerThread([&](std::stop_token stop) {
        ui.Call(
            [&] {
                test::Pump(20);  // a nested message loop
                worker.Stop();
                closed = true;
            },
            stop);
        workerLeft = true;
    });
    EXPECT_TRUE(PumpUntil([&] { return closed; }));
    EXPECT_TRUE(workerLeft);
}

}  // namespace
}  // namespace vix::platform
