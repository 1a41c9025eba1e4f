// Any snapshot and capture area: the plan is refused or sound, and composing
// writes exactly black, then the old picture, then the new one over it.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "capture/snapshot_join.h"

namespace {

// Reads the input a byte or four at a time; zeros once it runs out.
struct Input {
    const std::uint8_t* data;
    std::size_t size;
    std::uint8_t Byte() {
        if (size == 0) return 0;
        --size;
        return *data++;
    }
    int Small() { return static_cast<int>(static_cast<std::int8_t>(Byte())) / 2; }  // -64..63
    int Any() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v = (v << 8) | Byte();
        std::int32_t s;
        std::memcpy(&s, &v, sizeof s);
        return s;
    }
};

using Pixels = std::vector<std::uint32_t>;

Pixels Filled(const vix::Rect& r, std::uint32_t seed) {
    Pixels p(static_cast<std::size_t>(r.width()) * static_cast<std::size_t>(r.height()));
    for (std::size_t i = 0; i < p.size(); ++i)
        p[i] = seed + static_cast<std::uint32_t>(i) * 2654435761u;
    return p;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in{data, size};
    const std::uint8_t flags = in.Byte();
    const bool wide = flags & 1;
    auto coordinate = [&] { return wide ? in.Any() : in.Small(); };
    vix::SnapshotState state;
    state.rect = {coordinate(), coordinate(), coordinate(), coordinate()};
    state.firstCapture = flags & 2;
    const vix::Rect area{coordinate(), coordinate(), coordinate(), coordinate()};
    const bool multi = flags & 4;

    vix::CapturePlan plan;
    if (const auto refused = vix::PlanCapture(state, area, multi, plan)) {
        if (refused->reason.empty()) std::abort();
        return 0;
    }
    const vix::Size s = plan.size();
    if (s.width <= 0 || s.height <= 0) std::abort();
    if (static_cast<std::int64_t>(s.width) * s.height * 4 > vix::kMaxSnapshotBytes) std::abort();
    if (plan.capturePart.width() != area.width() || plan.capturePart.height() != area.height())
        std::abort();
    if (!plan.join && plan.rect != area) std::abort();
    if (wide || s.width > 256 || s.height > 256) return 0;  // composing needs the memory

    const Pixels previous =
        Filled(state.rect.width() > 0 && state.rect.height() > 0 ? state.rect : vix::Rect{}, 1);
    const Pixels capture = Filled(area, 7);
    const vix::PixelView previousView =
        previous.empty()
            ? vix::PixelView{}
            : vix::PixelView::TopDown(previous.data(), state.rect.width(), state.rect.height());
    const vix::PixelView captureView =
        vix::PixelView::TopDown(capture.data(), area.width(), area.height());
    Pixels target(static_cast<std::size_t>(s.width) * static_cast<std::size_t>(s.height),
                  0xDEADBEEF);
    vix::ComposeCapture(plan, previousView, captureView,
                        vix::MutablePixelView::TopDown(target.data(), s.width, s.height));

    Pixels expected(target.size(), 0);
    auto draw = [&](const Pixels& p, const vix::Rect& part) {
        for (int y = 0; y < part.height(); ++y)
            for (int x = 0; x < part.width(); ++x) {
                const int tx = part.left + x, ty = part.top + y;
                if (tx < 0 || ty < 0 || tx >= s.width || ty >= s.height) std::abort();
                expected[static_cast<std::size_t>(ty * s.width + tx)] =
                    p[static_cast<std::size_t>(y * part.width() + x)];
            }
    };
    if (plan.join) draw(previous, plan.previousPart);
    draw(capture, plan.capturePart);
    if (target != expected) std::abort();
    return 0;
}
