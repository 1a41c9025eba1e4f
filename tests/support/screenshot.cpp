// screenshot.exe FILE.png [LEFT TOP WIDTH HEIGHT]: saves the screen, or a part
// of it, as a PNG file.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "platform/gdi.h"
#include "png.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 2 && argc != 6) return 2;
    const int x = argc == 6 ? _wtoi(argv[2]) : GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int y = argc == 6 ? _wtoi(argv[3]) : GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int w = argc == 6 ? _wtoi(argv[4]) : GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int h = argc == 6 ? _wtoi(argv[5]) : GetSystemMetrics(SM_CYVIRTUALSCREEN);
    vix::platform::DibSection dib(w, h);
    vix::platform::WindowDC screen;
    vix::platform::MemoryDC dc(CreateCompatibleDC(screen.get()));
    {
        vix::platform::Selection keep(dc.get(), dib.get());
        BitBlt(dc.get(), 0, 0, w, h, screen.get(), x, y, SRCCOPY);
    }
    GdiFlush();
    char path[MAX_PATH * 3] = {};
    WideCharToMultiByte(CP_UTF8, 0, argv[1], -1, path, sizeof(path), nullptr, nullptr);
    return vix::test::WritePng(path, reinterpret_cast<const std::uint32_t*>(dib.pixels()), w, h)
               ? 0
               : 1;
}
