#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// A picture held by someone else: 32-bit pixels of four bytes each, blue,
// green, red and one unused byte (the layout of a 32-bit device-independent
// bitmap). Row 0 is the top row whatever the storage order: a bitmap stored
// bottom-up is seen through a negative stride. The unused byte is ignored by
// every reader here.

namespace vix {

inline constexpr int kBytesPerPixel = 4;

struct PixelView {
    const std::uint8_t* top = nullptr;  // first byte of the top row
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;  // bytes from a row to the row below it

    // Rows stored from the top down, `width` pixels each, no gaps.
    static PixelView TopDown(const void* bits, int width, int height) {
        return {static_cast<const std::uint8_t*>(bits), width, height,
                static_cast<std::ptrdiff_t>(width) * kBytesPerPixel};
    }
    // Rows stored from the bottom up (a bitmap of positive height): the bits
    // begin with the bottom row.
    static PixelView BottomUp(const void* bits, int width, int height) {
        const std::ptrdiff_t rowBytes = static_cast<std::ptrdiff_t>(width) * kBytesPerPixel;
        const auto* first = static_cast<const std::uint8_t*>(bits);
        return {height > 0 ? first + (height - 1) * rowBytes : first, width, height, -rowBytes};
    }

    bool empty() const { return top == nullptr || width <= 0 || height <= 0; }
    const std::uint8_t* Row(int y) const { return top + y * stride; }
    // The pixel as a word 0xXXRRGGBB.
    std::uint32_t At(int x, int y) const {
        std::uint32_t p;
        std::memcpy(&p, Row(y) + static_cast<std::ptrdiff_t>(x) * kBytesPerPixel, sizeof p);
        return p;
    }
};

// The same over pixels the holder lets us write.
struct MutablePixelView {
    std::uint8_t* top = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;

    static MutablePixelView TopDown(void* bits, int width, int height) {
        return {static_cast<std::uint8_t*>(bits), width, height,
                static_cast<std::ptrdiff_t>(width) * kBytesPerPixel};
    }
    static MutablePixelView BottomUp(void* bits, int width, int height) {
        const PixelView v = PixelView::BottomUp(bits, width, height);
        return {const_cast<std::uint8_t*>(v.top), width, height, v.stride};
    }

    bool empty() const { return top == nullptr || width <= 0 || height <= 0; }
    std::uint8_t* Row(int y) const { return top + y * stride; }
    operator PixelView() const { return {top, width, height, stride}; }
};

}  // namespace vix
