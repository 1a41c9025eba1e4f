#include "vision/vision_filter.h"

#include <cstring>

#include "vision/srgb_codec.h"

namespace vix {

VisionFilter::VisionFilter(Vision vision, double severityPercent)
    : vision_(vision), identity_(vision == Vision::Normal) {
    const Matrix3 m = VisionMatrix(vision, severityPercent);
    const SrgbCodec& codec = SrgbCodec::Instance();
    for (int out = 0; out < 3; ++out)
        for (int in = 0; in < 3; ++in)
            for (int v = 0; v < 256; ++v)
                products_[out][in][v] =
                    static_cast<float>(m[static_cast<std::size_t>(out * 3 + in)]) *
                    codec.Decode(static_cast<std::uint8_t>(v));
}

std::uint32_t VisionFilter::ApplyToPixel(std::uint32_t pixel) const {
    std::uint8_t bytes[4];
    std::memcpy(bytes, &pixel, sizeof bytes);
    ApplyToRows(bytes, 0, bytes, 0, 1, 1);
    std::memcpy(&pixel, bytes, sizeof bytes);
    return pixel;
}

void VisionFilter::ApplyToRows(const std::uint8_t* source, std::ptrdiff_t sourceStride,
                               std::uint8_t* target, std::ptrdiff_t targetStride, int width,
                               int height) const {
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    if (identity_) {
        for (int y = 0; y < height; ++y)
            if (source + y * sourceStride != target + y * targetStride)
                std::memmove(target + y * targetStride, source + y * sourceStride, rowBytes);
        return;
    }
    const SrgbCodec& codec = SrgbCodec::Instance();
    const auto& p = products_;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* s = source + y * sourceStride;
        std::uint8_t* t = target + y * targetStride;
        for (int x = 0; x < width; ++x, s += 4, t += 4) {
            const std::uint8_t b = s[0], g = s[1], r = s[2];
            const float lr = p[0][0][r] + p[0][1][g] + p[0][2][b];
            const float lg = p[1][0][r] + p[1][1][g] + p[1][2][b];
            const float lb = p[2][0][r] + p[2][1][g] + p[2][2][b];
            t[0] = codec.Encode(lb);
            t[1] = codec.Encode(lg);
            t[2] = codec.Encode(lr);
            t[3] = s[3];
        }
    }
}

}  // namespace vix
