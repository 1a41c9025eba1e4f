#pragma once

#include <cmath>
#include <cstddef>

// Peak signal-to-noise ratio over the red, green and blue bytes of two
// equally long lists of 0x00RRGGBB words, in dB; 99 when they are equal.
// How the tests judge a lossy file against the pixels it was made from.

namespace vix::test {

template <typename Pixels>
double Psnr(const Pixels& a, const Pixels& b) {
    if (a.size() != b.size() || a.empty()) return 0;
    double sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        for (int shift : {0, 8, 16}) {
            const int d =
                static_cast<int>((a[i] >> shift) & 0xFF) - static_cast<int>((b[i] >> shift) & 0xFF);
            sum += d * d;
        }
    const double mse = sum / (3.0 * static_cast<double>(a.size()));
    return mse == 0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / mse);
}

}  // namespace vix::test
