// Pictures of any small shape, storage order and depth: the file is refused
// or it is as long as its layout says, with the directory where the header
// points and every entry's data inside the file.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "capture/tiff_writer.h"

namespace {

std::uint32_t U16(const std::uint8_t* b) { return b[0] | (std::uint32_t{b[1]} << 8); }
std::uint32_t U32(const std::uint8_t* b) { return U16(b) | (U16(b + 2) << 16); }

void CheckFile(std::span<const std::uint8_t> f) {
    if (f.size() < 8 || f[0] != 'I' || f[1] != 'I' || U16(&f[2]) != 42) std::abort();
    const std::uint32_t dir = U32(&f[4]);
    if (dir + 2 > f.size()) std::abort();
    const std::uint32_t count = U16(&f[dir]);
    if (dir + 2 + 12 * count + 4 != f.size()) std::abort();
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint8_t* e = &f[dir + 2 + 12 * i];
        const std::uint32_t type = U16(e + 2), n = U32(e + 4);
        const std::uint32_t unit = type == 3 ? 2 : type == 5 ? 8 : type == 2 ? 1 : 4;
        const std::uint64_t bytes = std::uint64_t{unit} * n;
        if (bytes > 4 && U32(e + 8) + bytes > dir) std::abort();  // data before the directory
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const int width = data[0] % 40;
    const int height = data[1] % 40;
    const int bits[] = {1, 4, 8, 32, 2, 24};
    const int depth = bits[data[2] % 6];
    const bool bottomUp = data[3] & 1;
    const std::size_t colors = data[3] >> 1;
    std::vector<std::uint8_t> pixels(4 * 40 * 40);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = data[(4 + i) % size];
    const std::vector<std::uint32_t> table(colors, 0x00C08040);

    const std::ptrdiff_t rowBytes = depth == 32 ? 4 * width : (width * depth + 31) / 32 * 4;
    const std::uint8_t* top =
        bottomUp && height > 0 ? pixels.data() + (height - 1) * rowBytes : pixels.data();
    const std::ptrdiff_t stride = bottomUp ? -rowBytes : rowBytes;
    vix::MemorySink sink;
    const auto error =
        depth == 32
            ? vix::TiffToStream(vix::PixelView{top, width, height, stride}, sink)
            : vix::TiffToStream(vix::IndexedView{top, width, height, stride, depth, table}, sink);
    if (error) {
        if (error->reason.empty()) std::abort();
        return 0;
    }
    CheckFile(sink.bytes());
    if (depth == 32 && sink.size() != vix::TiffRgbLayoutOf(width, height).fileSize) std::abort();
    return 0;
}
