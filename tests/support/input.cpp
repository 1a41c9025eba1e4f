#include "input.h"

namespace vix::test {

void SendMouseAt(POINT p, DWORD flags) {
    const int w = ::GetSystemMetrics(SM_CXSCREEN);
    const int h = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT in{};
    in.type = INPUT_MOUSE;
    // Absolute positions are 0..65535 across the primary screen; round up so
    // that the pixel reached is exactly the one asked for.
    in.mi.dx = static_cast<LONG>((p.x * 65536LL + w - 1) / w);
    in.mi.dy = static_cast<LONG>((p.y * 65536LL + h - 1) / h);
    in.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &in, sizeof(in));
}

}  // namespace vix::test
