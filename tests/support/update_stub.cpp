// Stands in for the vendor's update program: when started it leaves
// "<its own path>.started" beside itself and ends, so a test can tell
// whether it was started.
#include <windows.h>

#include <string>

#include "platform/handle.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t self[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    if (length == 0 || length == MAX_PATH) return 1;
    const std::wstring marker = std::wstring(self) + L".started";
    const vix::platform::File file(::CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr,
                                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file ? 0 : 1;
}
