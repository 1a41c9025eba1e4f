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

long CurrentGdiObjects() {
    const long gdi = static_cast<long>(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS));
    if (gdi > 0) return gdi;
    return kProbeLimit - Room<platform::Brush>([] { return ::CreateSolidBrush(0); });
}

GuiCounts CurrentGuiCounts() {
    const long user = static_cast<long>(::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS));
    return {CurrentGdiObjects(),
            user > 0 ? user : kProbeLimit - Room<platform::Menu>([] { return ::CreatePopupMenu(); })};
}

}  // namespace vix::test
