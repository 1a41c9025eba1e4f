#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "capture/pixel_view.h"

// The snapshot as a packed device-independent bitmap, the clipboard's
// CF_DIB: a 40-byte BITMAPINFOHEADER, then the rows from the bottom up, 24
// bits a pixel (blue, green, red), each row filled to a multiple of four
// bytes. 24 bits and not 32: a reader cannot take the unused fourth byte
// for transparency.

namespace vix {

inline constexpr std::size_t kDibHeaderBytes = 40;

// Nothing for an empty picture or one whose bitmap would pass 4 GiB.
std::optional<std::vector<std::uint8_t>> PackedDib(const PixelView& picture);

}  // namespace vix
