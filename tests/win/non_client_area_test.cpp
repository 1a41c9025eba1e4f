// Which windows have a frame for the system to paint: the frame paint is
// skipped for the others, so a wrong answer would leave a border unpainted.

#include <gtest/gtest.h>

#include "platform/window.h"

namespace vix::platform {
namespace {

struct FrameCase {
    const char* what;
    DWORD style;
    DWORD exStyle;
    bool child;
    bool hasFrame;
};

constexpr FrameCase kCases[] = {
    {"plain child", 0, 0, true, false},
    {"bordered child", WS_BORDER, 0, true, true},
    {"child with a vertical scroll bar", WS_VSCROLL, 0, true, true},
    {"child with a sunken edge", 0, WS_EX_CLIENTEDGE, true, true},
    {"borderless popup", WS_POPUP, 0, false, false},
    {"popup with a caption", WS_POPUP | WS_CAPTION, 0, false, true},
};

TEST(NonClientArea, OnlyFramesCaptionsAndScrollBarsCount) {
    HWND parent = ::CreateWindowExW(0, L"STATIC", L"parent", WS_POPUP, 0, 0, 200, 200, nullptr,
                                    nullptr, nullptr, nullptr);
    ASSERT_NE(parent, nullptr);
    for (const FrameCase& c : kCases) {
        HWND w =
            ::CreateWindowExW(c.exStyle, L"STATIC", L"", c.style | (c.child ? WS_CHILD : 0), 10, 10,
                              80, 60, c.child ? parent : nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(w, nullptr) << c.what;
        EXPECT_EQ(HasNonClientArea(w), c.hasFrame) << c.what;
        ::DestroyWindow(w);
    }
    ::DestroyWindow(parent);
}

}  // namespace
}  // namespace vix::platform
