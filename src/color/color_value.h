#pragma once

#include <cstdint>

// A colour as the program holds it: the platform's 32-bit colour word, red in
// the low byte, then green, then blue. The top byte carries no colour: 0x02
// marks a freshly sampled colour, 0 one rebuilt from stored bytes. Every text
// form uses the three components alone.

namespace vix {

using ColorWord = std::uint32_t;

inline constexpr std::uint8_t kSampledFlag = 0x02;

constexpr std::uint8_t Red(ColorWord c) { return static_cast<std::uint8_t>(c); }
constexpr std::uint8_t Green(ColorWord c) { return static_cast<std::uint8_t>(c >> 8); }
constexpr std::uint8_t Blue(ColorWord c) { return static_cast<std::uint8_t>(c >> 16); }

constexpr ColorWord MakeColor(std::uint8_t r, std::uint8_t g, std::uint8_t b,
                              std::uint8_t top = 0) {
    return static_cast<ColorWord>(r) | (static_cast<ColorWord>(g) << 8) |
           (static_cast<ColorWord>(b) << 16) | (static_cast<ColorWord>(top) << 24);
}

// The three components alone, top byte cleared.
constexpr ColorWord RgbOf(ColorWord c) { return c & 0x00FFFFFFu; }

// A pixel of a 32-bit DIB (0x00RRGGBB) as a colour word.
constexpr ColorWord FromPixel(std::uint32_t pixel, std::uint8_t top = 0) {
    return MakeColor(static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
                     static_cast<std::uint8_t>(pixel), top);
}

}  // namespace vix
