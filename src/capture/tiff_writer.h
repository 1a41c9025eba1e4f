#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "capture/byte_sink.h"
#include "capture/image_error.h"
#include "capture/pixel_view.h"

// Uncompressed, single-strip, little-endian TIFF files (baseline tags only).
//
// Every file is: the 8-byte header, constant blocks (resolution 87.7 pixels
// per inch twice, the bits per sample, the software name "Bimsa soft" with
// its terminating zero), the pixel rows from the top of the picture down,
// and last the directory, placed right after what precedes it even at an odd
// offset. A 32-bit picture becomes 8-bit RGB: the file is 227 + 3 x W x H
// bytes with the pixels at 41 and the directory at 41 + 3 x W x H.
//
// The offsets are 32-bit and the width and height 16-bit: a picture beyond
// either is refused, and nothing is written.

namespace vix {

inline constexpr int kTiffMaxSide = 65535;
inline constexpr std::uint64_t kTiffMaxFileSize = 0xFFFFFFFFu;

// Where the RGB file's parts lie; the sizes are 64-bit so that a picture too
// large for the format can be recognised before anything is written.
struct TiffRgbLayout {
    static constexpr std::uint32_t kPixels = 41;
    std::uint64_t pixelBytes;
    std::uint64_t directory;
    std::uint64_t fileSize;
};
TiffRgbLayout TiffRgbLayoutOf(int width, int height);

// Writes `picture` as an RGB TIFF file into `out`. On an error the sink may
// hold part of the file: the caller throws it away.
std::optional<ImageError> TiffToStream(const PixelView& picture, ByteSink& out);

// A picture of colour indexes: 1 bit per pixel (bilevel, written with zero
// as black), or 4 or 8 bits (palette). Rows are packed as in a bitmap, the
// leftmost pixel in the high bits, and row 0 is the top row.
struct IndexedView {
    const std::uint8_t* top = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;
    int bitsPerPixel = 8;
    // The colour table as 0x00RRGGBB words (a bitmap's blue, green, red,
    // reserved quads); entries it lacks are written black. Unused at 1 bit.
    std::span<const std::uint32_t> colors;
};

// A 4-bit picture keeps only whole groups of 4 pixels per row (its width is
// rounded down to a multiple of 4).
std::optional<ImageError> TiffToStream(const IndexedView& picture, ByteSink& out);

}  // namespace vix
