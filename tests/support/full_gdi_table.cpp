#include "full_gdi_table.h"

namespace vix::test {
namespace {

// Far above the limits of Windows (10,000 per process by default, 65,536
// per session) and of Wine.
constexpr std::size_t kLimit = 1 << 20;

}  // namespace

FullGdiTable::FullGdiTable() {
    brushes_.reserve(70000);
    while (brushes_.size() < kLimit) {
        platform::Brush brush(::CreateSolidBrush(RGB(1, 2, 3)));
        if (!brush) {
            full_ = true;
            return;
        }
        brushes_.push_back(std::move(brush));
    }
}

}  // namespace vix::test
