#pragma once

#include <optional>

#include "capture/byte_sink.h"
#include "capture/image_error.h"
#include "capture/pixel_view.h"

// PNG files of the snapshot: 8-bit RGB without alpha (the fourth byte of a
// pixel holds no colour), not interlaced, one zlib stream compressed whole
// by libdeflate, each row given the filter that suits it best (the smallest
// sum of its bytes taken as signed, the rule most PNG writers follow).
// Lossless: a reader gets back exactly the red, green and blue of every pixel.

namespace vix {

// Encodes `picture` into `out`. On an error the sink may hold part of the
// file: the caller throws it away.
std::optional<ImageError> PngToStream(const PixelView& picture, ByteSink& out);

}  // namespace vix
