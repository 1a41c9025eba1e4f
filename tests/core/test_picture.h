#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "capture/byte_sink.h"
#include "capture/pixel_view.h"

// Pictures for the capture tests: 32-bit pixels 0xXXRRGGBB held top-down.

namespace vix::test {

struct TestPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    TestPicture(int w, int h, std::uint32_t fill = 0)
        : width(w),
          height(h),
          pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}

    std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    PixelView view() const { return PixelView::TopDown(pixels.data(), width, height); }
    MutablePixelView mutable_view() {
        return MutablePixelView::TopDown(pixels.data(), width, height);
    }
};

// A pattern with every channel varying: smooth enough for JPEG, distinct
// enough that a swapped or shifted channel shows.
inline TestPicture Pattern(int w, int h, std::uint32_t seed = 0) {
    TestPicture p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::uint32_t r = (x * 255 / (w > 1 ? w - 1 : 1) + seed) & 0xFF;
            const std::uint32_t g = (y * 255 / (h > 1 ? h - 1 : 1) + seed * 3) & 0xFF;
            const std::uint32_t b = ((x + y) * 4 + seed * 7) & 0xFF;
            p.at(x, y) = (r << 16) | (g << 8) | b;
        }
    return p;
}

// Every channel changing slowly and without jumps, as JPEG likes it.
inline TestPicture Smooth(int w, int h) {
    TestPicture p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::uint32_t r = static_cast<std::uint32_t>(x * 255 / (w > 1 ? w - 1 : 1));
            const std::uint32_t g = static_cast<std::uint32_t>(y * 255 / (h > 1 ? h - 1 : 1));
            const std::uint32_t b =
                static_cast<std::uint32_t>((x + y) * 255 / (w + h > 2 ? w + h - 2 : 1));
            p.at(x, y) = (r << 16) | (g << 8) | (255 - b);
        }
    return p;
}

inline std::uint32_t U16At(std::span<const std::uint8_t> b, std::size_t at) {
    return b[at] | (std::uint32_t{b[at + 1]} << 8);
}
inline std::uint32_t U32At(std::span<const std::uint8_t> b, std::size_t at) {
    return U16At(b, at) | (U16At(b, at + 2) << 16);
}

}  // namespace vix::test

namespace vix::test {

// FNV-1a over a file's bytes: equal files on every build give equal values.
inline std::uint64_t Fingerprint(std::span<const std::uint8_t> bytes) {
    std::uint64_t h = 14695981039346656037ull;
    for (std::uint8_t b : bytes)
        h = (h ^ b) * 1099511628211ull;
    return h;
}

}  // namespace vix::test

namespace vix::test {

// Takes `okWrites` writes, then refuses every one.
class FailingSink : public ByteSink {
  public:
    explicit FailingSink(int okWrites) : left_(okWrites) {}
    bool Write(std::span<const std::uint8_t>) override { return left_-- > 0; }

  private:
    int left_;
};

}  // namespace vix::test
