#pragma once

#include <cstdint>

// The test pattern that pattern.exe paints at fixed places on the desktop, so
// that the end-to-end tests know the colour of every pixel they sample.

namespace vix::test::pattern {

// The main pattern window, left of where vix.exe appears.
inline constexpr int kLeft = 40;
inline constexpr int kTop = 60;
inline constexpr int kWidth = 260;
inline constexpr int kHeight = 240;
inline constexpr std::uint32_t kBackground = 0xF0E8D8;  // 0xRRGGBB

// A flat area: every sample size gives this colour at its centre.
inline constexpr std::uint32_t kFlat = 0x129AE4;
inline constexpr int kFlatLeft = kLeft + 10, kFlatTop = kTop + 10, kFlatSize = 60;
inline constexpr int kFlatX = kFlatLeft + kFlatSize / 2, kFlatY = kFlatTop + kFlatSize / 2;

// A 5 x 5 block of distinct colours whose 3 x 3 and 5 x 5 averages are
// none of its pixels; the pointer goes to its centre.
inline constexpr int kBlockLeft = kLeft + 100, kBlockTop = kTop + 30;
inline constexpr int kBlockX = kBlockLeft + 2, kBlockY = kBlockTop + 2;
constexpr std::uint32_t BlockPixel(int x, int y) {
    return (static_cast<std::uint32_t>((x * x * 37 + y * 19 + 11) % 256) << 16) |
           (static_cast<std::uint32_t>((y * y * 41 + x * 3 + 5) % 256) << 8) |
           static_cast<std::uint32_t>((x * y * 53 + 7) % 256);
}

// 36 distinct colour squares, 6 x 6, for filling the library.
inline constexpr int kSwatchLeft = kLeft + 10, kSwatchTop = kTop + 100, kSwatchSize = 14;
inline constexpr int kSwatchCount = 36;
constexpr std::uint32_t Swatch(int i) {
    return (static_cast<std::uint32_t>(20 + i * 6) << 16) |
           (static_cast<std::uint32_t>(250 - i * 5) << 8) | static_cast<std::uint32_t>(i * 7);
}
constexpr int SwatchX(int i) { return kSwatchLeft + (i % 6) * kSwatchSize + kSwatchSize / 2; }
constexpr int SwatchY(int i) { return kSwatchTop + (i / 6) * kSwatchSize + kSwatchSize / 2; }

// The main window's pixel at (x, y) on the screen, inside kLeft..kLeft+kWidth
// and kTop..kTop+kHeight.
constexpr std::uint32_t MainPixel(int x, int y) {
    if (x >= kFlatLeft && x < kFlatLeft + kFlatSize && y >= kFlatTop && y < kFlatTop + kFlatSize)
        return kFlat;
    if (x >= kBlockLeft && x < kBlockLeft + 5 && y >= kBlockTop && y < kBlockTop + 5)
        return BlockPixel(x - kBlockLeft, y - kBlockTop);
    const int column = (x - kSwatchLeft) / kSwatchSize, row = (y - kSwatchTop) / kSwatchSize;
    if (x >= kSwatchLeft && y >= kSwatchTop && column < 6 && row < kSwatchCount / 6)
        return Swatch(row * 6 + column);
    return kBackground;
}

// A 4 x 4 window in the desktop's top-left corner.
inline constexpr int kCornerSize = 4;
constexpr std::uint32_t CornerPixel(int x, int y) {
    return 0x400000u * static_cast<std::uint32_t>(x) + 0x003000u * static_cast<std::uint32_t>(y) +
           0x20u;
}

}  // namespace vix::test::pattern
