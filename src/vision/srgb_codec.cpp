#include "vision/srgb_codec.h"

#include <cmath>

namespace vix {

double SrgbToLinear(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double LinearToSrgb(double x) {
    return x <= 0.0031308 ? x * 12.92 : 1.055 * std::pow(x, 1.0 / 2.4) - 0.055;
}

const SrgbCodec& SrgbCodec::Instance() {
    static const SrgbCodec codec;
    return codec;
}

SrgbCodec::SrgbCodec() {
    for (int v = 0; v < 256; ++v)
        decode_[v] = static_cast<float>(SrgbToLinear(v / 255.0));
    for (int k = 0; k < 255; ++k) {
        // Where 255 times the curve reaches k + 0.5; the float at or just
        // above it, so that `x >= step` holds exactly for the floats there.
        const double exact = SrgbToLinear((k + 0.5) / 255.0);
        float f = static_cast<float>(exact);
        if (static_cast<double>(f) < exact) f = std::nextafter(f, 2.0f);
        step_[k] = f;
    }
    step_[255] = 2.0f;
    int k = 0;
    for (int i = 0; i <= kBuckets; ++i) {
        const float start = static_cast<float>(i) / kBuckets;
        while (k < 255 && start >= step_[k])
            ++k;
        base_[i] = static_cast<std::uint8_t>(k);
    }
}

}  // namespace vix
