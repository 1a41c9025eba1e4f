#include "fake_tool_host.h"

namespace vix::test {

void Pump(DWORD ms) {
    const ULONGLONG end = ::GetTickCount64() + ms;
    MSG msg;
    while (::GetTickCount64() < end) {
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&msg);
        ::Sleep(5);
    }
}

}  // namespace vix::test
