// The spacing measure's four walks from a point of a 3840 x 2160 copy of
// the desktop, side by side with a plain loop that reads the same pixels
// once (the row and the column through the point). The copy is uniform, so
// every walk runs to the desktop's edge: the most a walk can read. Runs
// alternate between the two; the medians are compared, the goal is at most
// 1.5 times the plain loop's time.
#include <cstdint>
#include <cstdio>
#include <vector>

#include "native_timing.h"
#include "spacing/edge_walk.h"

namespace {

constexpr int kWidth = 3840;
constexpr int kHeight = 2160;
constexpr int kRuns = 15;
constexpr int kRepeats = 200;  // walks per run, from points along a diagonal

volatile std::uint64_t sink;

}  // namespace

int main() {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(kWidth) * kHeight, 0x336699);
    const vix::Rect monitor{0, 0, kWidth, kHeight};
    const vix::DesktopPixels desktop{pixels, kWidth, kHeight, {0, 0}, {&monitor, 1}};
    const auto point = [](int i) { return vix::Point{i * 17 % kWidth, i * 11 % kHeight}; };

    std::vector<double> walks, plain;
    for (int run = 0; run < kRuns; ++run) {
        walks.push_back(1000 * vix::bench::ElapsedMs([&] {
                            std::uint64_t total = 0;
                            for (int i = 0; i < kRepeats; ++i) {
                                const auto spans = vix::WalkEdges(desktop, point(i), 30);
                                total +=
                                    static_cast<std::uint64_t>(spans->Width() + spans->Height());
                            }
                            sink = total;
                        }));
        plain.push_back(1000 * vix::bench::ElapsedMs([&] {
                            std::uint64_t total = 0;
                            for (int i = 0; i < kRepeats; ++i) {
                                const vix::Point p = point(i);
                                const std::uint32_t* row =
                                    pixels.data() + static_cast<std::size_t>(p.y) * kWidth;
                                for (int x = 0; x < kWidth; ++x)
                                    total += row[x];
                                for (int y = 0; y < kHeight; ++y)
                                    total += pixels[static_cast<std::size_t>(y) * kWidth + p.x];
                            }
                            sink = total;
                        }));
    }
    const double w = vix::bench::Median(walks) / kRepeats, p = vix::bench::Median(plain) / kRepeats;
    const double ratio = w / p;
    std::printf(
        "four walks: %.2f us, plain loop over the same pixels: %.2f us, ratio %.2f "
        "(goal at most 1.50): %s\n",
        w, p, ratio, ratio <= 1.5 ? "met" : "NOT met");
    return ratio <= 1.5 ? 0 : 1;
}
