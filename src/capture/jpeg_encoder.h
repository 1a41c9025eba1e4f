#pragma once

#include <optional>

#include "capture/byte_sink.h"
#include "capture/image_error.h"
#include "capture/pixel_view.h"

// JPEG files of the snapshot through libjpeg-turbo: baseline, colour (YCbCr,
// the library's default sampling), accurate integer DCT, the library's
// defaults in everything but the quality. The same bytes as
// `cjpeg -quality Q -baseline -dct int` gives for the picture's RGB pixels.

namespace vix {

// The encoder's quality (0 to 100) for the `JPGQuality` setting, which counts
// in tenths (0 to 10); a setting outside that range is held to it.
int JpegQualityOf(int jpgQualitySetting);

// Encodes `picture` at `quality` (0 to 100; 0 is taken as 1, as the library
// does) into `out`. Every failure of the library, out of memory included,
// comes back as an error; the process never ends in here. On an error the
// sink may hold part of the file: the caller throws it away. The sink's
// Write is called from inside the library and must not throw.
std::optional<ImageError> JpegToStream(const PixelView& picture, int quality, ByteSink& out);

}  // namespace vix
