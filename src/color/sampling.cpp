#include "color/sampling.h"

namespace vix {

ColorWord AverageBlock(const Block5& block, int sampleSize) {
    const int n = SampleSide(sampleSize);
    const int start = (kBlock - n) / 2;
    int r = 0, g = 0, b = 0;
    for (int y = start; y < start + n; ++y) {
        for (int x = start; x < start + n; ++x) {
            const std::uint32_t p = block[y * kBlock + x];
            r += (p >> 16) & 0xFF;
            g += (p >> 8) & 0xFF;
            b += p & 0xFF;
        }
    }
    const int count = n * n;
    const auto mean = [count](int sum) {
        return static_cast<std::uint8_t>((sum + count / 2) / count);
    };
    return MakeColor(mean(r), mean(g), mean(b), kSampledFlag);
}

Point ClampPickerPosition(Point p, const Rect& desktop) {
    return {p.x < desktop.left + 1 ? desktop.left + 1 : p.x,
            p.y < desktop.top + 1 ? desktop.top + 1 : p.y};
}

}  // namespace vix
