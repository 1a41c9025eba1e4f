// The handle owners release what they own, exactly once.

#include <gtest/gtest.h>

#include "gui_counts.h"
#include "platform/gdi.h"
#include "platform/handle.h"
#include "platform/message_watch.h"
#include "ui/panel.h"

namespace vix::platform {
namespace {

TEST(HandleOwners, GdiObjectsAreDeletedWhenTheirOwnerGoes) {
    const long before = test::CurrentGdiObjects();
    HGDIOBJ raw[6] = {};
    {
        Brush brush(::CreateSolidBrush(RGB(1, 2, 3)));
        Pen pen(::CreatePen(PS_SOLID, 1, 0));
        Font font(::CreateFontW(-11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial"));
        Region region(::CreateRectRgn(0, 0, 5, 5));
        Bitmap bitmap(::CreateBitmap(4, 4, 1, 32, nullptr));
        DibSection dib(8, 8);
        raw[0] = brush.get();
        raw[1] = pen.get();
        raw[2] = font.get();
        raw[3] = region.get();
        raw[4] = bitmap.get();
        raw[5] = dib.get();
        for (HGDIOBJ h : raw)
            ASSERT_NE(::GetObjectType(h), 0u);
    }
    for (HGDIOBJ h : raw)
        EXPECT_EQ(::GetObjectType(h), 0u);
    EXPECT_EQ(test::CurrentGdiObjects(), before);
}

TEST(HandleOwners, MovingHandsOverOwnershipAndReleasesOnce) {
    Brush first(::CreateSolidBrush(0));
    const HBRUSH raw = first.get();
    Brush second(std::move(first));
    EXPECT_FALSE(first);  // NOLINT(bugprone-use-after-move): moved-from is empty
    EXPECT_EQ(second.get(), raw);
    Brush third;
    third = std::move(second);
    EXPECT_EQ(third.get(), raw);
    third.reset();
    EXPECT_EQ(::GetObjectType(raw), 0u);
}

TEST(HandleOwners, ReleaseGivesTheHandleAwayAlive) {
    Region region(::CreateRectRgn(0, 0, 1, 1));
    HRGN raw = region.release();
    EXPECT_FALSE(region);
    EXPECT_EQ(::GetObjectType(raw), static_cast<DWORD>(OBJ_REGION));
    Region(raw).reset();  // take it back to delete it
    EXPECT_EQ(::GetObjectType(raw), 0u);
}

TEST(HandleOwners, SelectionPutsThePreviousObjectBack) {
    MemoryDC dc(::CreateCompatibleDC(nullptr));
    const HGDIOBJ original = ::GetCurrentObject(dc.get(), OBJ_BRUSH);
    Brush brush(::CreateSolidBrush(RGB(9, 9, 9)));
    {
        Selection select(dc.get(), brush.get());
        EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BRUSH), brush.get());
    }
    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BRUSH), original);
}

TEST(HandleOwners, UserObjectsAndKeysAreReleased) {
    HMENU menuRaw = nullptr;
    HWND windowRaw = nullptr;
    HKEY keyRaw = nullptr;
    {
        Menu menu(::CreatePopupMenu());
        WindowHandle window(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr,
                                              nullptr, nullptr, nullptr));
        HKEY k = nullptr;
        ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\VixTests\\Raii", 0, nullptr, 0,
                                    KEY_ALL_ACCESS, nullptr, &k, nullptr),
                  ERROR_SUCCESS);
        RegKey key(k);
        menuRaw = menu.get();
        windowRaw = window.get();
        keyRaw = key.get();
        ASSERT_TRUE(::IsMenu(menuRaw));
        ASSERT_TRUE(::IsWindow(windowRaw));
    }
    EXPECT_FALSE(::IsMenu(menuRaw));
    EXPECT_FALSE(::IsWindow(windowRaw));
    EXPECT_NE(::RegQueryInfoKeyW(keyRaw, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                 nullptr, nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VixTests\\Raii");
}

TEST(HandleOwners, ControlsAndDrawingLeaveTheCountsFlat) {
    const auto round = [] {
        WindowHandle host(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 100,
                                            100, nullptr, nullptr, nullptr, nullptr));
        ui::Panel panel;
        panel.Create(host.get(), {0, 0, 50, 20}, L"Caption", {.bevel = ui::Bevel::Lowered});
        ::RedrawWindow(panel.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    };
    round();  // the skin's fonts and pictures are made once and kept
    const test::GuiCounts before = test::CurrentGuiCounts();
    for (int i = 0; i < 200; ++i)
        round();
    EXPECT_EQ(test::CurrentGuiCounts(), before);
}

// The thread's watches share one hook: each sees every message taken from
// the queue (a peek that leaves it is no take), and a later watch hooks
// again after the last one went.
TEST(MessageWatch, EachWatchSeesTakenMessagesWhileItLasts) {
    constexpr UINT kProbe = WM_APP + 77;
    int first = 0, second = 0;
    const auto take = [] {
        ::PostThreadMessageW(::GetCurrentThreadId(), kProbe, 0, 0);
        MSG message;
        ::PeekMessageW(&message, nullptr, kProbe, kProbe, PM_NOREMOVE);
        while (::PeekMessageW(&message, nullptr, kProbe, kProbe, PM_REMOVE)) {
        }
    };
    {
        platform::MessageWatch a([&](const MSG& m) { first += m.message == kProbe; });
        {
            platform::MessageWatch b([&](const MSG& m) { second += m.message == kProbe; });
            take();
        }
        take();
    }
    EXPECT_EQ(first, 2);
    EXPECT_EQ(second, 1);
    EXPECT_TRUE(platform::MessageWatch([](const MSG&) {}).ok());
}

}  // namespace
}  // namespace vix::platform
