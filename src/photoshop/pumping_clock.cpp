#include "photoshop/pumping_clock.h"

#include <windows.h>

namespace vix {

std::uint32_t PumpingClock::NowMs() { return ::GetTickCount(); }

bool PumpingClock::Pause(std::uint32_t ms) {
    if (quitting_) return false;
    const DWORD end = ::GetTickCount() + ms;
    for (;;) {
        // Signed difference: right across the tick counter's wrap.
        const auto left = static_cast<LONG>(end - ::GetTickCount());
        if (left <= 0) return true;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                // Leave it for the program's own loop. Posted again, it
                // would end every later pause at once.
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                quitting_ = true;
                return false;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

}  // namespace vix
