#pragma once

#include <cstddef>
#include <cstdint>

#include "vision/vision_matrix.h"

// One vision at one severity, ready to apply to 8-bit colours: each value is
// decoded to linear light, multiplied by the matrix, clamped to 0..1 and
// encoded again. The matrix is held as nine tables of products (entry times
// each decoded value), so a pixel costs nine look-ups and six additions
// before its three encodings.

namespace vix {

class VisionFilter {
  public:
    VisionFilter(Vision vision, double severityPercent);

    Vision Kind() const { return vision_; }
    // Normal vision: pixels are copied. A severity of 0 goes through the
    // arithmetic like any other and gives the same colours back.
    bool Identity() const { return identity_; }

    // A pixel 0xXXRRGGBB (a 32-bit DIB's); the top byte is kept.
    std::uint32_t ApplyToPixel(std::uint32_t pixel) const;

    // `height` rows of `width` pixels of 4 bytes, blue, green, red, unused,
    // `stride` bytes apart (negative for bottom-up storage). Source and
    // target may be the same pixels.
    void ApplyToRows(const std::uint8_t* source, std::ptrdiff_t sourceStride, std::uint8_t* target,
                     std::ptrdiff_t targetStride, int width, int height) const;

  private:
    // products_[out][in][v]: matrix entry (out, in) times the decoded v.
    float products_[3][3][256];
    Vision vision_;
    bool identity_;
};

}  // namespace vix
