#include "gui_counts.h"

#include <windows.h>

#include <vector>

#include "platform/handle.h"

namespace vix::test {
namespace {

constexpr long kProbeLimit = 1 << 20;

// Fills the handle table with cheap objects, counts them and frees them.
template <typename Handle, typename Make>
long Room(Make make) {
    std::vector<Handle> made;
    made.reserve(70000);
    while (static_cast<long>(made.size()) < kProbeLimit) {
        Handle h(make());
        if (!h) break;
        made.push_back(std::move(h));
    }
    return static_cast<long>(made.size());
}

}  // namespace

// The first drawing surfaces of a process make objects of the system's that
// stay (Wine's display driver sets itself up then): made before any count,
// they are not taken for a leak of whatever the test makes first. (They
// used to be made by the libraries the program loaded at start.)
void WarmUpGdi() {
    static const bool warm = [] {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), 4, -4, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HDC memory = ::CreateCompatibleDC(nullptr);
        HBITMAP dib = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = ::SelectObject(memory, dib);
        ::SelectObject(memory, old);
        ::DeleteObject(dib);
        ::DeleteDC(memory);
        return true;
    }();
    (void)warm;
}

long CurrentGdiObjects() {
    WarmUpGdi();
    const long gdi = static_cast<long>(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS));
    if (gdi > 0) return gdi;
    return kProbeLimit - Room<platform::Brush>([] { return ::CreateSolidBrush(0); });
}

GuiCounts CurrentGuiCounts() {
    const long user = static_cast<long>(::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS));
    return {CurrentGdiObjects(), user > 0 ? user : kProbeLimit - Room<platform::Menu>([] {
                                                       return ::CreatePopupMenu();
                                                   })};
}

}  // namespace vix::test
