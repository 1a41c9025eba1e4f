// moving_floor.exe [X Y]: the moving picker's yardstick (moving_floor.h) as
// a program of its own, its window at (X, Y), ticking every 15 ms at the
// pointer's place, for the CPU use beside vix.exe's with the picker on.
#include <windows.h>

#include <cstdlib>

#include "moving_floor.h"
#include "one_colour_window.h"

namespace {

constexpr UINT kIntervalMs = 15;

vix::bench::MovingFloor g_floor;

void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
    POINT p{};
    ::GetCursorPos(&p);
    g_floor.Tick(p.x, p.y);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const int x = __argc > 2 ? _wtoi(__wargv[1]) : 0;
    const int y = __argc > 2 ? _wtoi(__wargv[2]) : 0;
    if (!g_floor.Open(instance, x, y)) return 1;
    ::SetTimer(g_floor.window(), 1, kIntervalMs, OnTick);
    return RunMessages();
}
