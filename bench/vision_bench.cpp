// The colour-vision simulation of a 3840 x 2160 snapshot, side by side with
// one pass of sRGB decoding and encoding over the same pixels (each channel
// decoded through the table and encoded again, the least any simulation in
// linear light has to do). The pixels are every colour in a scrambled order,
// so no run of equal pixels helps either side. Runs alternate between the
// two; the medians are compared, the goal is at most 1.5 times the pass.
#include <cstdint>
#include <cstdio>
#include <vector>

#include "native_timing.h"
#include "vision/srgb_codec.h"
#include "vision/vision_filter.h"

namespace {

constexpr int kWidth = 3840;
constexpr int kHeight = 2160;
constexpr int kRuns = 11;

volatile std::uint8_t sink;

void DecodeEncode(const std::uint8_t* source, std::uint8_t* target, std::size_t pixels) {
    const vix::SrgbCodec& codec = vix::SrgbCodec::Instance();
    for (std::size_t i = 0; i < pixels * 4; i += 4) {
        target[i] = codec.Encode(codec.Decode(source[i]));
        target[i + 1] = codec.Encode(codec.Decode(source[i + 1]));
        target[i + 2] = codec.Encode(codec.Decode(source[i + 2]));
        target[i + 3] = source[i + 3];
    }
}

}  // namespace

int main() {
    const std::size_t count = static_cast<std::size_t>(kWidth) * kHeight;
    std::vector<std::uint32_t> source(count), target(count);
    std::uint32_t state = 12345;
    for (auto& p : source) {
        state = state * 1664525u + 1013904223u;
        p = state >> 8;
    }
    const auto* in = reinterpret_cast<const std::uint8_t*>(source.data());
    auto* out = reinterpret_cast<std::uint8_t*>(target.data());
    const std::ptrdiff_t stride = kWidth * 4;

    const vix::Vision visions[] = {vix::Vision::Protanopia, vix::Vision::Deuteranopia,
                                   vix::Vision::Tritanopia, vix::Vision::Achromatopsia};
    std::vector<double> pass;
    std::vector<std::vector<double>> simulated(std::size(visions));
    for (int run = 0; run < kRuns; ++run) {
        pass.push_back(vix::bench::ElapsedMs([&] { DecodeEncode(in, out, count); }));
        sink = out[count / 2];
        for (std::size_t v = 0; v < std::size(visions); ++v) {
            // Made per run, as the preview makes one per change of the list.
            simulated[v].push_back(vix::bench::ElapsedMs([&] {
                const vix::VisionFilter filter(visions[v], 65);
                filter.ApplyToRows(in, stride, out, stride, kWidth, kHeight);
            }));
            sink = out[count / 3];
        }
    }
    const char* names[] = {"protanopia", "deuteranopia", "tritanopia", "achromatopsia"};
    const double p = vix::bench::Median(pass);
    std::printf("decode and encode pass: %.1f ms\n", p);
    bool met = true;
    for (std::size_t v = 0; v < std::size(visions); ++v) {
        const double s = vix::bench::Median(simulated[v]);
        const double ratio = s / p;
        met = met && ratio <= 1.5;
        std::printf("%-14s at 65 %%: %.1f ms, ratio %.2f (goal at most 1.50): %s\n", names[v], s,
                    ratio, ratio <= 1.5 ? "met" : "NOT met");
    }
    return met ? 0 : 1;
}
