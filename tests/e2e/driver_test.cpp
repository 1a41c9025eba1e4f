// The driver's wait for handled input really waits: a window whose thread
// does not pump keeps it waiting until the time limit.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "driver.h"

namespace vix::e2e {
namespace {

TEST(Driver, WaitingForHandledInputLastsUntilTheWindowsThreadPumps) {
    std::atomic<HWND> window{nullptr};
    std::atomic<bool> pump{false};
    std::atomic<bool> stop{false};
    std::thread owner([&] {
        HWND w = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, nullptr,
                                   nullptr, nullptr, nullptr);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&msg);
        ::ValidateRect(w, nullptr);
        window = w;
        while (!pump)
            ::Sleep(10);  // a busy thread: nothing is handled
        while (!stop) {
            while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                ::DispatchMessageW(&msg);
            ::Sleep(5);
        }
        ::DestroyWindow(w);
    });
    ASSERT_TRUE(WaitUntil([&] { return window.load() != nullptr; }));
    EXPECT_FALSE(WaitInputHandled(window, 300)) << "the thread handles nothing yet";
    pump = true;
    EXPECT_TRUE(WaitInputHandled(window, 3000));
    stop = true;
    owner.join();
}

}  // namespace
}  // namespace vix::e2e
