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

GuiCounts CurrentGuiCounts() {
    HANDLE self = ::GetCurrentProcess();
    const long gdi = static_cast<long>(::GetGuiResources(self, GR_GDIOBJECTS));
    const long user = static_cast<long>(::GetGuiResources(self, GR_USEROBJECTS));
    if (gdi > 0 && user > 0) return {gdi, user};
    return {kProbeLimit - Room<platform::Brush>([] { return ::CreateSolidBrush(0); }),
            kProbeLimit - Room<platform::Menu>([] { return ::CreatePopupMenu(); })};
}

}  // namespace vix::test
