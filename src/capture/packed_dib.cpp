#include "capture/packed_dib.h"

#include <cstring>
#include <new>

namespace vix {
namespace {

void Put16(std::uint8_t* at, std::uint32_t v) {
    at[0] = static_cast<std::uint8_t>(v);
    at[1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(std::uint8_t* at, std::uint32_t v) {
    Put16(at, v);
    Put16(at + 2, v >> 16);
}

}  // namespace

std::optional<std::vector<std::uint8_t>> PackedDib(const PixelView& picture) {
    if (picture.empty()) return std::nullopt;
    const std::uint64_t stride =
        (std::uint64_t{3} * static_cast<std::uint32_t>(picture.width) + 3) & ~std::uint64_t{3};
    const std::uint64_t imageBytes = stride * static_cast<std::uint32_t>(picture.height);
    if (imageBytes > 0xFFFFFFFFu - kDibHeaderBytes || imageBytes + kDibHeaderBytes > SIZE_MAX)
        return std::nullopt;
    std::vector<std::uint8_t> dib;
    try {
        dib.assign(kDibHeaderBytes + static_cast<std::size_t>(imageBytes), 0);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    std::uint8_t* h = dib.data();
    Put32(h, kDibHeaderBytes);                                 // biSize
    Put32(h + 4, static_cast<std::uint32_t>(picture.width));   // biWidth
    Put32(h + 8, static_cast<std::uint32_t>(picture.height));  // biHeight: bottom-up
    Put16(h + 12, 1);                                          // biPlanes
    Put16(h + 14, 24);                                         // biBitCount
    Put32(h + 16, 0);                                          // biCompression: BI_RGB
    Put32(h + 20, static_cast<std::uint32_t>(imageBytes));     // biSizeImage
    // Resolution, colours used and important stay 0: none is said.
    std::uint8_t* row = h + kDibHeaderBytes;
    for (int y = picture.height - 1; y >= 0; --y, row += stride) {
        const std::uint8_t* px = picture.Row(y);
        for (int x = 0; x < picture.width; ++x, px += kBytesPerPixel)
            std::memcpy(row + std::size_t{3} * static_cast<std::size_t>(x), px, 3);
    }
    return dib;
}

}  // namespace vix
