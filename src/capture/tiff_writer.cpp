#include "capture/tiff_writer.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <vector>

namespace vix {
namespace {

constexpr std::uint16_t kAscii = 2;
constexpr std::uint16_t kShort = 3;
constexpr std::uint16_t kLong = 4;
constexpr std::uint16_t kRational = 5;

// Written with its terminating zero: readers warn about a text field
// without one.
constexpr char kSoftware[] = "Bimsa soft";
constexpr std::uint32_t kSoftwareBytes = sizeof kSoftware;
constexpr std::uint32_t kHeaderBytes = 8;
constexpr std::uint32_t kRationalBytes = 8;
constexpr std::uint64_t kEntryBytes = 12;

// A directory of n entries: their count, the entries, the next directory's offset.
constexpr std::uint64_t DirectoryBytes(std::uint64_t n) { return 2 + n * kEntryBytes + 4; }

struct Entry {
    std::uint16_t tag;
    std::uint16_t type;
    std::uint32_t count;
    std::uint32_t value;  // a single SHORT sits in the low two bytes
};

// Little-endian bytes of the parts around the pixels.
class Bytes {
  public:
    void U16(std::uint32_t v) {
        bytes_.push_back(static_cast<std::uint8_t>(v));
        bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    void U32(std::uint32_t v) {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    void Header(std::uint32_t directory) {
        bytes_.push_back('I');
        bytes_.push_back('I');
        U16(42);
        U32(directory);
    }
    // 87.7 pixels per inch.
    void Resolution() {
        U32(877);
        U32(10);
    }
    void Software() { bytes_.insert(bytes_.end(), kSoftware, kSoftware + kSoftwareBytes); }
    void Directory(std::span<const Entry> entries) {
        U16(static_cast<std::uint32_t>(entries.size()));
        for (const Entry& e : entries) {
            U16(e.tag);
            U16(e.type);
            U32(e.count);
            U32(e.value);
        }
        U32(0);
    }
    std::span<const std::uint8_t> span() const { return bytes_; }

  private:
    std::vector<std::uint8_t> bytes_;
};

ImageError TooLarge(int width, int height) {
    return {ImageError::kTooLarge, L"The picture (" + std::to_wstring(width) + L" x " +
                                       std::to_wstring(height) +
                                       L" pixels) is too large for a TIFF file, which holds at "
                                       L"most 65,535 pixels each way and 4 GB in all."};
}

ImageError NotWritten() {
    return {ImageError::kSink, L"The picture could not be stored (not enough memory)."};
}

std::optional<ImageError> CheckSides(int width, int height) {
    if (width <= 0 || height <= 0)
        return ImageError{ImageError::kEmpty, L"There is no picture to save."};
    if (width > kTiffMaxSide || height > kTiffMaxSide) return TooLarge(width, height);
    return std::nullopt;
}

// Rows handed to `fill(y, destination)` from the top down, `rowBytes` each:
// in place when the sink offers room, else through a buffer of about 256 KB.
template <class FillRow>
bool WriteRows(ByteSink& out, int height, std::size_t rowBytes, FillRow fill) {
    const std::size_t total = rowBytes * static_cast<std::size_t>(height);
    if (std::uint8_t* room = out.Claim(total)) {
        for (int y = 0; y < height; ++y)
            fill(y, room + rowBytes * static_cast<std::size_t>(y));
        return true;
    }
    const int rowsPerChunk = static_cast<int>(std::max<std::size_t>(1, (256 << 10) / rowBytes));
    std::vector<std::uint8_t> chunk;
    try {
        chunk.resize(rowBytes * static_cast<std::size_t>(std::min(rowsPerChunk, height)));
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (int y = 0; y < height; y += rowsPerChunk) {
        const int rows = std::min(rowsPerChunk, height - y);
        for (int r = 0; r < rows; ++r)
            fill(y + r, chunk.data() + rowBytes * static_cast<std::size_t>(r));
        if (!out.Write({chunk.data(), rowBytes * static_cast<std::size_t>(rows)})) return false;
    }
    return true;
}

// Blue, green, red, unused becomes red, green, blue.
void BgrxToRgb(const std::uint8_t* source, int width, std::uint8_t* destination) {
    for (int x = 0; x < width; ++x) {
        destination[0] = source[2];
        destination[1] = source[1];
        destination[2] = source[0];
        source += kBytesPerPixel;
        destination += 3;
    }
}

}  // namespace

TiffRgbLayout TiffRgbLayoutOf(int width, int height) {
    TiffRgbLayout l;
    l.pixelBytes = 3ull * static_cast<std::uint64_t>(std::max(width, 0)) *
                   static_cast<std::uint64_t>(std::max(height, 0));
    l.directory = TiffRgbLayout::kPixels + l.pixelBytes;
    l.fileSize = l.directory + DirectoryBytes(15);
    return l;
}

std::optional<ImageError> TiffToStream(const PixelView& picture, ByteSink& out) {
    if (picture.top == nullptr)
        return ImageError{ImageError::kEmpty, L"There is no picture to save."};
    if (auto refused = CheckSides(picture.width, picture.height)) return refused;
    const int w = picture.width;
    const int h = picture.height;
    const TiffRgbLayout layout = TiffRgbLayoutOf(w, h);
    if (layout.fileSize > kTiffMaxFileSize) return TooLarge(w, h);
    out.Expect(static_cast<std::size_t>(layout.fileSize));

    const auto uw = static_cast<std::uint32_t>(w);
    const auto uh = static_cast<std::uint32_t>(h);
    constexpr std::uint32_t xResolution = kHeaderBytes;
    constexpr std::uint32_t yResolution = xResolution + kRationalBytes;
    constexpr std::uint32_t bitsPerSample = yResolution + kRationalBytes;
    constexpr std::uint32_t software = bitsPerSample + 6;
    static_assert(software + kSoftwareBytes == TiffRgbLayout::kPixels);

    Bytes before;
    before.Header(static_cast<std::uint32_t>(layout.directory));
    before.Resolution();
    before.Resolution();
    before.U16(8);
    before.U16(8);
    before.U16(8);
    before.Software();

    const Entry entries[] = {
        {254, kLong, 1, 0},
        {256, kShort, 1, uw},
        {257, kShort, 1, uh},
        {258, kShort, 3, bitsPerSample},
        {259, kShort, 1, 1},  // no compression
        {262, kShort, 1, 2},  // RGB
        {273, kLong, 1, TiffRgbLayout::kPixels},
        {277, kShort, 1, 3},
        {278, kLong, 1, uh},
        {279, kLong, 1, static_cast<std::uint32_t>(layout.pixelBytes)},
        {282, kRational, 1, xResolution},
        {283, kRational, 1, yResolution},
        {284, kShort, 1, 1},  // chunky
        {296, kShort, 1, 2},  // inch
        {305, kAscii, kSoftwareBytes, software},
    };
    Bytes after;
    after.Directory(entries);

    if (!out.Write(before.span())) return NotWritten();
    const bool rows = WriteRows(out, h, 3 * static_cast<std::size_t>(w),
                                [&](int y, std::uint8_t* d) { BgrxToRgb(picture.Row(y), w, d); });
    if (!rows || !out.Write(after.span())) return NotWritten();
    return std::nullopt;
}

namespace {

std::optional<ImageError> WriteBilevel(const IndexedView& p, ByteSink& out) {
    const auto rowBytes = static_cast<std::uint32_t>((p.width + 7) / 8);
    const std::uint64_t pixelBytes = std::uint64_t{rowBytes} * static_cast<std::uint64_t>(p.height);
    const std::uint64_t software = kHeaderBytes + pixelBytes + 2 * kRationalBytes;
    const std::uint64_t directory = software + kSoftwareBytes;
    if (directory + DirectoryBytes(14) > kTiffMaxFileSize) return TooLarge(p.width, p.height);
    out.Expect(static_cast<std::size_t>(directory + DirectoryBytes(14)));

    const auto uh = static_cast<std::uint32_t>(p.height);
    const auto xResolution = static_cast<std::uint32_t>(kHeaderBytes + pixelBytes);
    const Entry entries[] = {
        {254, kLong, 1, 0},
        {256, kShort, 1, static_cast<std::uint32_t>(p.width)},
        {257, kShort, 1, uh},
        {258, kShort, 1, 1},
        {259, kShort, 1, 1},
        {262, kShort, 1, 1},  // zero is black
        {273, kLong, 1, kHeaderBytes},
        {277, kShort, 1, 1},
        {278, kLong, 1, uh},
        {279, kLong, 1, static_cast<std::uint32_t>(pixelBytes)},
        {282, kRational, 1, xResolution},
        {283, kRational, 1, xResolution + kRationalBytes},
        {296, kShort, 1, 2},
        {305, kAscii, kSoftwareBytes, static_cast<std::uint32_t>(software)},
    };
    Bytes before;
    before.Header(static_cast<std::uint32_t>(directory));
    Bytes after;
    after.Resolution();
    after.Resolution();
    after.Software();
    after.Directory(entries);

    if (!out.Write(before.span())) return NotWritten();
    const bool rows = WriteRows(out, p.height, rowBytes, [&](int y, std::uint8_t* d) {
        std::memcpy(d, p.top + y * p.stride, rowBytes);
    });
    if (!rows || !out.Write(after.span())) return NotWritten();
    return std::nullopt;
}

std::optional<ImageError> WritePalette(const IndexedView& p, ByteSink& out) {
    const std::uint32_t colors = 1u << p.bitsPerPixel;
    const int width = p.bitsPerPixel == 4 ? p.width / 4 * 4 : p.width;
    if (width == 0)
        return ImageError{ImageError::kUnsupported,
                          L"A 16-colour picture narrower than 4 pixels cannot be saved as TIFF."};
    const auto rowBytes = static_cast<std::uint32_t>(p.bitsPerPixel == 4 ? width / 2 : width);
    const std::uint64_t pixelBytes = std::uint64_t{rowBytes} * static_cast<std::uint64_t>(p.height);
    const std::uint32_t colorMap = kHeaderBytes;
    const std::uint32_t xResolution = colorMap + 6 * colors;
    const std::uint32_t software = xResolution + 2 * kRationalBytes;
    const std::uint32_t pixels = software + kSoftwareBytes;
    const std::uint64_t directory = pixels + pixelBytes;
    if (directory + DirectoryBytes(15) > kTiffMaxFileSize) return TooLarge(p.width, p.height);
    out.Expect(static_cast<std::size_t>(directory + DirectoryBytes(15)));

    const auto uh = static_cast<std::uint32_t>(p.height);
    const Entry entries[] = {
        {254, kLong, 1, 0},
        {256, kShort, 1, static_cast<std::uint32_t>(width)},
        {257, kShort, 1, uh},
        {258, kShort, 1, static_cast<std::uint32_t>(p.bitsPerPixel)},
        {259, kShort, 1, 1},
        {262, kShort, 1, 3},  // palette colour
        {273, kLong, 1, pixels},
        {277, kShort, 1, 1},
        {278, kLong, 1, uh},
        {279, kLong, 1, static_cast<std::uint32_t>(pixelBytes)},
        {282, kRational, 1, xResolution},
        {283, kRational, 1, xResolution + kRationalBytes},
        {296, kShort, 1, 2},
        {305, kAscii, kSoftwareBytes, software},
        {320, kShort, 3 * colors, colorMap},
    };
    Bytes before;
    before.Header(static_cast<std::uint32_t>(directory));
    // Red values of every entry, then green, then blue, 8 bits widened to 16
    // so that 255 is full intensity (65535) and readers get the same 8 bits back.
    for (int shift : {16, 8, 0}) {
        for (std::uint32_t i = 0; i < colors; ++i) {
            const std::uint32_t c = i < p.colors.size() ? p.colors[i] : 0;
            before.U16(((c >> shift) & 0xFF) * 257);
        }
    }
    before.Resolution();
    before.Resolution();
    before.Software();
    Bytes after;
    after.Directory(entries);

    if (!out.Write(before.span())) return NotWritten();
    const bool rows = WriteRows(out, p.height, rowBytes, [&](int y, std::uint8_t* d) {
        std::memcpy(d, p.top + y * p.stride, rowBytes);
    });
    if (!rows || !out.Write(after.span())) return NotWritten();
    return std::nullopt;
}

}  // namespace

std::optional<ImageError> TiffToStream(const IndexedView& picture, ByteSink& out) {
    if (picture.top == nullptr)
        return ImageError{ImageError::kEmpty, L"There is no picture to save."};
    if (auto refused = CheckSides(picture.width, picture.height)) return refused;
    switch (picture.bitsPerPixel) {
        case 1: return WriteBilevel(picture, out);
        case 4:
        case 8: return WritePalette(picture, out);
        default:
            return ImageError{ImageError::kUnsupported,
                              L"A picture of " + std::to_wstring(picture.bitsPerPixel) +
                                  L" bits per pixel cannot be saved as TIFF."};
    }
}

}  // namespace vix
