// Which windows have a frame for the system to paint: the frame paint is
// skipped for the others, so a wrong answer would leave a border unpainted.

#include <gtest/gtest.h>

#include <tuple>

#include "platform/window.h"

namespace vix::platform {

TEST(NonClientArea, OnlyFramesCaptionsAndScrollBarsCount) {
    HWND parent = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                                    nullptr, nullptr);
    ASSERT_NE(parent, nullptr);
    // Style, extended style, whether it is a child, whether it has a frame.
    for (auto [style, ex, child, frame] : {std::tuple{0ul, 0ul, true, false},
                                           {WS_BORDER, 0ul, true, true},
                                           {WS_VSCROLL, 0ul, true, true},
                                           {0ul, WS_EX_CLIENTEDGE, true, true},
                                           {WS_POPUP, 0ul, false, false},
                                           {WS_POPUP | WS_CAPTION, 0ul, false, true}}) {
        HWND w = ::CreateWindowExW(ex, L"STATIC", L"", style | (child ? WS_CHILD : 0), 10, 10, 80,
                                   60, child ? parent : nullptr, nullptr, nullptr, nullptr);
        EXPECT_EQ(HasNonClientArea(w), frame) << std::hex << style << " " << ex;
        ::DestroyWindow(w);
    }
    ::DestroyWindow(parent);
}

}  // namespace vix::platform
