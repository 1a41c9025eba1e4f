#include "capture/png_encoder.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include <libdeflate.h>

namespace vix {
namespace {

// The compression level: libdeflate's 6 packs screenshots about as small
// as zlib's 9 in a fraction of the time (measured by bench/capture_bench).
constexpr int kLevel = 6;
// IDAT chunks of at most this many bytes, as most writers cut them.
constexpr std::size_t kIdatBytes = 1 << 20;

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

enum Filter : std::uint8_t { kNone, kSub, kUp, kAverage, kPaeth, kFilterCount };

void PutBig32(std::uint8_t* at, std::uint32_t v) {
    at[0] = static_cast<std::uint8_t>(v >> 24);
    at[1] = static_cast<std::uint8_t>(v >> 16);
    at[2] = static_cast<std::uint8_t>(v >> 8);
    at[3] = static_cast<std::uint8_t>(v);
}

// One chunk: length, type, data, and the CRC of type and data.
bool WriteChunk(ByteSink& out, const char (&type)[5], const std::uint8_t* data, std::size_t size) {
    std::uint8_t head[8];
    PutBig32(head, static_cast<std::uint32_t>(size));
    std::memcpy(head + 4, type, 4);
    std::uint32_t crc = libdeflate_crc32(0, head + 4, 4);
    if (size > 0) crc = libdeflate_crc32(crc, data, size);
    std::uint8_t tail[4];
    PutBig32(tail, crc);
    return out.Write(head) && (size == 0 || out.Write({data, size})) && out.Write(tail);
}

// The predictor of each filter, from the byte to the left (a), above (b)
// and above left (c).
struct SubPredictor {
    static int Of(int a, int, int) { return a; }
};
struct UpPredictor {
    static int Of(int, int b, int) { return b; }
};
struct AveragePredictor {
    static int Of(int a, int b, int) { return (a + b) >> 1; }
};
struct PaethPredictor {
    static int Of(int a, int b, int c) {
        const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
        const int bOrC = pb <= pc ? b : c;
        return pa <= pb && pa <= pc ? a : bOrC;
    }
};

constexpr std::size_t kBpp = 3;  // bytes a pixel

// A filtered byte read as signed, without its sign.
inline std::uint32_t Magnitude(std::uint8_t v) { return v < 128 ? v : 256u - v; }

// How well `size` bytes of `raw` filtered against `prior` would pack: the
// sum of the filtered bytes read as signed. The first pixel has no left
// neighbours: zeros stand in for them. Summed in blocks that cannot
// overflow 32 bits, so that the loop runs on vector registers.
template <typename Predictor>
std::uint64_t Cost(const std::uint8_t* raw, const std::uint8_t* prior, std::size_t size) {
    std::uint64_t total = 0;
    for (std::size_t i = 0; i < kBpp && i < size; ++i)
        total += Magnitude(static_cast<std::uint8_t>(raw[i] - Predictor::Of(0, prior[i], 0)));
    constexpr std::size_t kBlock = 1 << 16;
    for (std::size_t i = kBpp; i < size;) {
        const std::size_t end = size - i > kBlock ? i + kBlock : size;
        std::uint32_t sum = 0;
        for (; i < end; ++i) {
            const auto v = static_cast<std::int8_t>(
                raw[i] - Predictor::Of(raw[i - kBpp], prior[i], prior[i - kBpp]));
            sum += static_cast<std::uint32_t>(v < 0 ? -v : v);
        }
        total += sum;
    }
    return total;
}

template <typename Predictor>
void Apply(const std::uint8_t* raw, const std::uint8_t* prior, std::size_t size,
           std::uint8_t* out) {
    for (std::size_t i = 0; i < kBpp && i < size; ++i)
        out[i] = static_cast<std::uint8_t>(raw[i] - Predictor::Of(0, prior[i], 0));
    for (std::size_t i = kBpp; i < size; ++i)
        out[i] = static_cast<std::uint8_t>(raw[i] -
                                           Predictor::Of(raw[i - kBpp], prior[i], prior[i - kBpp]));
}

struct NonePredictor {
    static int Of(int, int, int) { return 0; }
};

// Filters the row `raw` (3 bytes a pixel) against the row above, `prior`
// (zeros for the top row), and writes to `out` the filter byte and the row
// filtered in the way whose bytes, read as signed, add up to the least.
void FilterRow(const std::uint8_t* raw, const std::uint8_t* prior, std::size_t size,
               std::uint8_t* out) {
    const std::uint64_t costs[kFilterCount] = {
        Cost<NonePredictor>(raw, prior, size),  Cost<SubPredictor>(raw, prior, size),
        Cost<UpPredictor>(raw, prior, size),    Cost<AveragePredictor>(raw, prior, size),
        Cost<PaethPredictor>(raw, prior, size),
    };
    int chosen = kNone;
    for (int f = kSub; f < kFilterCount; ++f)
        if (costs[f] < costs[chosen]) chosen = f;
    out[0] = static_cast<std::uint8_t>(chosen);
    switch (chosen) {
        case kNone: std::memcpy(out + 1, raw, size); break;
        case kSub: Apply<SubPredictor>(raw, prior, size, out + 1); break;
        case kUp: Apply<UpPredictor>(raw, prior, size, out + 1); break;
        case kAverage: Apply<AveragePredictor>(raw, prior, size, out + 1); break;
        default: Apply<PaethPredictor>(raw, prior, size, out + 1); break;
    }
}

ImageError NoMemory() {
    return {ImageError::kNoMemory, L"There is not enough memory to encode the picture."};
}

}  // namespace

std::optional<ImageError> PngToStream(const PixelView& picture, ByteSink& out) {
    if (picture.empty()) return ImageError{ImageError::kEmpty, L"There is no picture to save."};
    const auto width = static_cast<std::size_t>(picture.width);
    const auto height = static_cast<std::size_t>(picture.height);
    const std::size_t rowBytes = width * 3;
    // Each row starts with its filter byte.
    if (rowBytes + 1 > SIZE_MAX / height) return NoMemory();
    const std::size_t filteredBytes = (rowBytes + 1) * height;

    std::unique_ptr<std::uint8_t[]> filtered(new (std::nothrow) std::uint8_t[filteredBytes]);
    std::unique_ptr<std::uint8_t[]> rows[2] = {
        std::unique_ptr<std::uint8_t[]>(new (std::nothrow) std::uint8_t[rowBytes]()),
        std::unique_ptr<std::uint8_t[]>(new (std::nothrow) std::uint8_t[rowBytes]())};
    if (!filtered || !rows[0] || !rows[1]) return NoMemory();

    for (std::size_t y = 0; y < height; ++y) {
        // The row as red, green, blue; the row above stays in the other buffer.
        std::uint8_t* raw = rows[y % 2].get();
        const std::uint8_t* prior = rows[(y + 1) % 2].get();
        if (y == 0) std::memset(rows[1].get(), 0, rowBytes);
        const std::uint8_t* px = picture.Row(static_cast<int>(y));
        for (std::size_t x = 0; x < width; ++x, px += kBytesPerPixel) {
            raw[3 * x] = px[2];
            raw[3 * x + 1] = px[1];
            raw[3 * x + 2] = px[0];
        }
        FilterRow(raw, prior, rowBytes, filtered.get() + y * (rowBytes + 1));
    }

    struct CompressorDeleter {
        void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
    };
    std::unique_ptr<libdeflate_compressor, CompressorDeleter> compressor(
        libdeflate_alloc_compressor(kLevel));
    if (!compressor) return NoMemory();
    const std::size_t bound = libdeflate_zlib_compress_bound(compressor.get(), filteredBytes);
    std::unique_ptr<std::uint8_t[]> packed(new (std::nothrow) std::uint8_t[bound]);
    if (!packed) return NoMemory();
    const std::size_t packedBytes = libdeflate_zlib_compress(compressor.get(), filtered.get(),
                                                             filteredBytes, packed.get(), bound);
    filtered.reset();
    if (packedBytes == 0)
        return ImageError{ImageError::kEncoder, L"The PNG encoder could not compress the picture."};

    out.Expect(sizeof kSignature + 25 + packedBytes + (packedBytes / kIdatBytes + 1) * 12 + 12);
    std::uint8_t header[13];
    PutBig32(header, static_cast<std::uint32_t>(width));
    PutBig32(header + 4, static_cast<std::uint32_t>(height));
    header[8] = 8;   // bits per sample
    header[9] = 2;   // colour type: RGB
    header[10] = 0;  // deflate
    header[11] = 0;  // adaptive filtering
    header[12] = 0;  // not interlaced
    bool written = out.Write(kSignature) && WriteChunk(out, "IHDR", header, sizeof header);
    for (std::size_t at = 0; written && at < packedBytes; at += kIdatBytes)
        written = WriteChunk(out, "IDAT", packed.get() + at,
                             packedBytes - at < kIdatBytes ? packedBytes - at : kIdatBytes);
    written = written && WriteChunk(out, "IEND", nullptr, 0);
    if (!written)
        return ImageError{ImageError::kSink,
                          L"The picture could not be stored (not enough memory)."};
    return std::nullopt;
}

}  // namespace vix
