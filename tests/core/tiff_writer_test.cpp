#include "capture/tiff_writer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "common/utf16.h"
#include "test_picture.h"

namespace vix {
namespace {

using test::FailingSink;

using test::Pattern;
using test::TestPicture;
using test::U16At;
using test::U32At;

std::vector<std::uint8_t> Tiff(const PixelView& picture) {
    MemorySink sink;
    const auto error = TiffToStream(picture, sink);
    EXPECT_FALSE(error) << (error ? ToUtf8(error->reason) : "");
    return {sink.bytes().begin(), sink.bytes().end()};
}

std::vector<std::uint8_t> Tiff(const IndexedView& picture) {
    MemorySink sink;
    EXPECT_FALSE(TiffToStream(picture, sink));
    return {sink.bytes().begin(), sink.bytes().end()};
}

struct Entry {
    std::uint32_t tag, type, count, value;
    friend bool operator==(const Entry&, const Entry&) = default;
};

// The directory the header points at, read as a reader would.
std::vector<Entry> DirectoryOf(const std::vector<std::uint8_t>& file) {
    const std::uint32_t at = U32At(file, 4);
    std::vector<Entry> entries;
    const std::uint32_t count = U16At(file, at);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t e = at + 2 + 12 * i;
        entries.push_back(
            {U16At(file, e), U16At(file, e + 2), U32At(file, e + 4), U32At(file, e + 8)});
    }
    EXPECT_EQ(U32At(file, at + 2 + 12 * count), 0u) << "no next directory";
    EXPECT_EQ(file.size(), at + 2 + 12 * count + 4) << "the directory ends the file";
    return entries;
}

TEST(TiffRgb, OnePixelFileByteForByte) {
    TestPicture p(1, 1, 0xFF112233);  // red 0x11, green 0x22, blue 0x33
    const std::vector<std::uint8_t> expected = {
        'I',  'I',  42,   0,   44,  0,   0,   0,                    // header, directory at 44
        0x6D, 0x03, 0,    0,   10,  0,   0,   0,                    // XResolution 877/10
        0x6D, 0x03, 0,    0,   10,  0,   0,   0,                    // YResolution
        8,    0,    8,    0,   8,   0,                              // BitsPerSample
        'B',  'i',  'm',  's', 'a', ' ', 's', 'o', 'f', 't', 0,     // Software
        0x11, 0x22, 0x33,                                           // the pixel: red, green, blue
        15,   0,                                                    // 15 entries
        0xFE, 0,    4,    0,   1,   0,   0,   0,   0,   0,   0, 0,  // NewSubfileType 0
        0x00, 1,    3,    0,   1,   0,   0,   0,   1,   0,   0, 0,  // ImageWidth 1
        0x01, 1,    3,    0,   1,   0,   0,   0,   1,   0,   0, 0,  // ImageLength 1
        0x02, 1,    3,    0,   3,   0,   0,   0,   24,  0,   0, 0,  // BitsPerSample at 24
        0x03, 1,    3,    0,   1,   0,   0,   0,   1,   0,   0, 0,  // Compression none
        0x06, 1,    3,    0,   1,   0,   0,   0,   2,   0,   0, 0,  // Photometric RGB
        0x11, 1,    4,    0,   1,   0,   0,   0,   41,  0,   0, 0,  // StripOffsets 41
        0x15, 1,    3,    0,   1,   0,   0,   0,   3,   0,   0, 0,  // SamplesPerPixel 3
        0x16, 1,    4,    0,   1,   0,   0,   0,   1,   0,   0, 0,  // RowsPerStrip 1
        0x17, 1,    4,    0,   1,   0,   0,   0,   3,   0,   0, 0,  // StripByteCounts 3
        0x1A, 1,    5,    0,   1,   0,   0,   0,   8,   0,   0, 0,  // XResolution at 8
        0x1B, 1,    5,    0,   1,   0,   0,   0,   16,  0,   0, 0,  // YResolution at 16
        0x1C, 1,    3,    0,   1,   0,   0,   0,   1,   0,   0, 0,  // PlanarConfiguration chunky
        0x28, 1,    3,    0,   1,   0,   0,   0,   2,   0,   0, 0,  // ResolutionUnit inch
        0x31, 1,    2,    0,   11,  0,   0,   0,   30,  0,   0, 0,  // Software, 11 bytes at 30
        0,    0,    0,    0,                                        // no next directory
    };
    EXPECT_EQ(Tiff(p.view()), expected);
    EXPECT_EQ(expected.size(), 230u);
}

TEST(TiffRgb, TwoByTwoPutsTheDirectoryAtAnOddOffsetRightAfterThePixels) {
    TestPicture p(2, 2);
    p.at(0, 0) = 0x010203;
    p.at(1, 0) = 0x040506;
    p.at(0, 1) = 0x070809;
    p.at(1, 1) = 0x0A0B0C;
    const auto file = Tiff(p.view());
    ASSERT_EQ(file.size(), 239u);
    EXPECT_EQ(U32At(file, 4), 53u);
    const std::vector<std::uint8_t> pixels(file.begin() + 41, file.begin() + 53);
    EXPECT_EQ(pixels, (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    const auto dir = DirectoryOf(file);
    ASSERT_EQ(dir.size(), 15u);
    EXPECT_EQ(dir[1], (Entry{256, 3, 1, 2}));
    EXPECT_EQ(dir[2], (Entry{257, 3, 1, 2}));
    EXPECT_EQ(dir[8], (Entry{278, 4, 1, 2}));
    EXPECT_EQ(dir[9], (Entry{279, 4, 1, 12}));
}

TEST(TiffRgb, LengthAndDirectoryFollowTheSizeForManyShapes) {
    for (const auto& [w, h] : {std::pair{1, 7}, {7, 1}, {3, 5}, {64, 3}, {301, 257}}) {
        const auto file = Tiff(Pattern(w, h).view());
        const std::uint32_t pixels = 3u * static_cast<std::uint32_t>(w * h);
        EXPECT_EQ(file.size(), 227u + pixels) << w << " x " << h;
        EXPECT_EQ(U32At(file, 4), 41u + pixels);
        EXPECT_EQ(TiffRgbLayoutOf(w, h).fileSize, file.size());
        const auto dir = DirectoryOf(file);
        EXPECT_EQ(dir[1].value, static_cast<std::uint32_t>(w));
        EXPECT_EQ(dir[2].value, static_cast<std::uint32_t>(h));
        EXPECT_EQ(dir[9].value, pixels);
    }
}

TEST(TiffRgb, TheFourthByteIsDropped) {
    TestPicture opaque = Pattern(5, 4), clear = Pattern(5, 4);
    for (auto& px : opaque.pixels)
        px |= 0xFF000000;
    for (auto& px : clear.pixels)
        px &= 0x00FFFFFF;
    EXPECT_EQ(Tiff(opaque.view()), Tiff(clear.view()));
}

TEST(TiffRgb, RowsRunFromTheTopWhateverTheStorageOrder) {
    const TestPicture top = Pattern(6, 5);
    std::vector<std::uint32_t> flipped;
    for (int y = top.height - 1; y >= 0; --y)
        for (int x = 0; x < top.width; ++x)
            flipped.push_back(top.at(x, y));
    const auto file = Tiff(top.view());
    EXPECT_EQ(Tiff(PixelView::BottomUp(flipped.data(), 6, 5)), file);
    // The first row in the file is the top row.
    EXPECT_EQ(file[41], (top.at(0, 0) >> 16) & 0xFF);
    EXPECT_EQ(file[41 + 3 * 6 * 4 + 2], top.at(0, 4) & 0xFF);
}

TEST(TiffRgb, APartOfALargerPictureReadsOnlyItsOwnPixels) {
    const TestPicture whole = Pattern(10, 8);
    PixelView part = whole.view();
    part.top = part.Row(2) + 3 * kBytesPerPixel;
    part.width = 4;
    part.height = 3;
    TestPicture copy(4, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            copy.at(x, y) = whole.at(x + 3, y + 2);
    EXPECT_EQ(Tiff(part), Tiff(copy.view()));
}

// A sink without room of its own gets the rows in chunks: the same bytes.
class ChunkSink : public ByteSink {
  public:
    bool Write(std::span<const std::uint8_t> b) override {
        ++writes;
        bytes.insert(bytes.end(), b.begin(), b.end());
        return true;
    }
    std::vector<std::uint8_t> bytes;
    int writes = 0;
};

TEST(TiffRgb, ChunkedWritingGivesTheSameBytes) {
    const TestPicture p = Pattern(400, 700);
    ChunkSink chunks;
    ASSERT_FALSE(TiffToStream(p.view(), chunks));
    EXPECT_EQ(chunks.bytes, Tiff(p.view()));
    EXPECT_GT(chunks.writes, 4) << "840 KB of rows in chunks of about 256 KB";
}

TEST(TiffRgb, ASinkThatFailsIsReported) {
    const TestPicture p = Pattern(400, 700);
    for (int ok : {0, 1, 3}) {
        FailingSink sink(ok);
        const auto error = TiffToStream(p.view(), sink);
        ASSERT_TRUE(error) << ok;
        EXPECT_EQ(error->kind, ImageError::kSink);
    }
}

TEST(TiffRgb, RefusesWhatTheFormatCannotHoldWithoutWriting) {
    const std::uint32_t row[1] = {0};
    // A stride of 0 repeats one row: huge pictures without the memory.
    auto huge = [&](int w, int h) {
        return PixelView{reinterpret_cast<const std::uint8_t*>(row), w, h, 0};
    };
    struct Case {
        int w, h;
        ImageError::Kind kind;
    };
    const Case cases[] = {
        {0, 0, ImageError::kEmpty},
        {0, 5, ImageError::kEmpty},
        {5, 0, ImageError::kEmpty},
        {65536, 1, ImageError::kTooLarge},
        {1, 65536, ImageError::kTooLarge},
        {65535, 21846, ImageError::kTooLarge},
        {65535, 65535, ImageError::kTooLarge},
    };
    for (const Case& c : cases) {
        MemorySink sink;
        const auto error = TiffToStream(huge(c.w, c.h), sink);
        ASSERT_TRUE(error) << c.w << " x " << c.h;
        EXPECT_EQ(error->kind, c.kind) << c.w << " x " << c.h;
        EXPECT_FALSE(error->reason.empty());
        EXPECT_EQ(sink.size(), 0u) << "nothing written";
    }
    MemorySink sink;
    EXPECT_EQ(TiffToStream(PixelView{}, sink)->kind, ImageError::kEmpty);
}

TEST(TiffRgb, TheLargestPictureTheOffsetsAllow) {
    // 226 + 1 + 3 x W x H must stay within 32 bits.
    EXPECT_LE(TiffRgbLayoutOf(65535, 21845).fileSize, kTiffMaxFileSize);
    EXPECT_GT(TiffRgbLayoutOf(65535, 21846).fileSize, kTiffMaxFileSize);
    // A full-width strip is still written.
    const std::uint32_t row[65535] = {};
    const auto file = Tiff(PixelView{reinterpret_cast<const std::uint8_t*>(row), 65535, 2, 0});
    EXPECT_EQ(file.size(), 227u + 3u * 65535u * 2u);
    EXPECT_EQ(DirectoryOf(file)[1].value, 65535u);
}

TEST(TiffPalette, EightBitsWith256ColoursByTheLayout) {
    std::vector<std::uint32_t> colors(256);
    for (std::uint32_t i = 0; i < 256; ++i)
        colors[i] = (i << 16) | ((255 - i) << 8) | (i / 2);
    const std::uint8_t rows[3 * 2] = {0, 1, 255, 7, 8, 9};
    const auto file = Tiff(IndexedView{rows, 3, 2, 3, 8, colors});
    // Header, 768 SHORTs of colour map, resolutions, software, then the pixels.
    const std::uint32_t pixels = 8 + 1536 + 16 + 11;
    ASSERT_EQ(file.size(), pixels + 6 + 186);
    EXPECT_EQ(U16At(file, 8), 0u);                           // red of entry 0
    EXPECT_EQ(U16At(file, 8 + 2 * 255), 65535u);             // red of entry 255
    EXPECT_EQ(U16At(file, 8 + 512), 65535u);                 // green of entry 0
    EXPECT_EQ(U16At(file, 8 + 1024 + 2 * 255), 127u * 257);  // blue of entry 255
    EXPECT_EQ(U32At(file, 1544), 877u);
    EXPECT_EQ(std::memcmp(&file[1560], "Bimsa soft", 11), 0);
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + pixels, file.begin() + pixels + 6),
              (std::vector<std::uint8_t>{0, 1, 255, 7, 8, 9}));
    const std::vector<Entry> expected = {
        {254, 4, 1, 0}, {256, 3, 1, 3},     {257, 3, 1, 2},      {258, 3, 1, 8},
        {259, 3, 1, 1}, {262, 3, 1, 3},     {273, 4, 1, pixels}, {277, 3, 1, 1},
        {278, 4, 1, 2}, {279, 4, 1, 6},     {282, 5, 1, 1544},   {283, 5, 1, 1552},
        {296, 3, 1, 2}, {305, 2, 11, 1560}, {320, 3, 768, 8},
    };
    EXPECT_EQ(DirectoryOf(file), expected);
}

TEST(TiffPalette, FourBitsKeepWholeGroupsOfFourAndFillMissingColoursBlack) {
    const std::uint32_t colors[2] = {0xFFFFFF, 0x102030};  // only two of the sixteen
    // 7 pixels wide: 4 are kept, 2 bytes a row; the stored rows are 4 bytes apart.
    const std::uint8_t rows[4 * 2] = {0x01, 0x10, 0xAB, 0xCD, 0x11, 0x00, 0xEE, 0xEE};
    const auto file = Tiff(IndexedView{rows, 7, 2, 4, 4, colors});
    const std::uint32_t pixels = 8 + 96 + 16 + 11;
    ASSERT_EQ(file.size(), pixels + 4 + 186);
    EXPECT_EQ(U16At(file, 8), 0xFFFFu);
    EXPECT_EQ(U16At(file, 8 + 2), 0x1010u);
    EXPECT_EQ(U16At(file, 8 + 4), 0u) << "entry 2 was not given";
    EXPECT_EQ(U16At(file, 8 + 32 + 2), 0x2020u);
    EXPECT_EQ(U16At(file, 8 + 64 + 2), 0x3030u);
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + pixels, file.begin() + pixels + 4),
              (std::vector<std::uint8_t>{0x01, 0x10, 0x11, 0x00}));
    const auto dir = DirectoryOf(file);
    EXPECT_EQ(dir[1], (Entry{256, 3, 1, 4}));
    EXPECT_EQ(dir[3], (Entry{258, 3, 1, 4}));
    EXPECT_EQ(dir[6], (Entry{273, 4, 1, pixels}));
    EXPECT_EQ(dir[9], (Entry{279, 4, 1, 4}));
    EXPECT_EQ(dir[14], (Entry{320, 3, 48, 8}));

    MemorySink sink;
    const auto narrow = TiffToStream(IndexedView{rows, 3, 2, 4, 4, colors}, sink);
    ASSERT_TRUE(narrow);
    EXPECT_EQ(narrow->kind, ImageError::kUnsupported);
}

TEST(TiffBilevel, PixelsFirstThenTheConstantsAndFourteenEntries) {
    // 10 pixels: 2 bytes a row, stored 4 bytes apart.
    const std::uint8_t rows[4 * 3] = {0xF0, 0xC0, 9, 9, 0x0F, 0x40, 9, 9, 0xAA, 0x80, 9, 9};
    const auto file = Tiff(IndexedView{rows, 10, 3, 4, 1, {}});
    ASSERT_EQ(file.size(), 8u + 6 + 16 + 11 + 174);
    EXPECT_EQ(U32At(file, 4), 41u);
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 8, file.begin() + 14),
              (std::vector<std::uint8_t>{0xF0, 0xC0, 0x0F, 0x40, 0xAA, 0x80}));
    EXPECT_EQ(U32At(file, 14), 877u);
    EXPECT_EQ(std::memcmp(&file[30], "Bimsa soft", 11), 0);
    const std::vector<Entry> expected = {
        {254, 4, 1, 0},  {256, 3, 1, 10}, {257, 3, 1, 3}, {258, 3, 1, 1},   {259, 3, 1, 1},
        {262, 3, 1, 1},  {273, 4, 1, 8},  {277, 3, 1, 1}, {278, 4, 1, 3},   {279, 4, 1, 6},
        {282, 5, 1, 14}, {283, 5, 1, 22}, {296, 3, 1, 2}, {305, 2, 11, 30},
    };
    EXPECT_EQ(DirectoryOf(file), expected);
}

TEST(TiffIndexed, OtherDepthsAndEmptyPicturesAreRefused) {
    const std::uint8_t rows[8] = {};
    for (int bits : {2, 16, 24, 0}) {
        MemorySink sink;
        const auto error = TiffToStream(IndexedView{rows, 2, 2, 4, bits, {}}, sink);
        ASSERT_TRUE(error) << bits;
        EXPECT_EQ(error->kind, ImageError::kUnsupported);
        EXPECT_EQ(sink.size(), 0u);
    }
    MemorySink sink;
    EXPECT_EQ(TiffToStream(IndexedView{rows, 0, 2, 4, 8, {}}, sink)->kind, ImageError::kEmpty);
    EXPECT_EQ(TiffToStream(IndexedView{rows, 70000, 1, 0, 8, {}}, sink)->kind,
              ImageError::kTooLarge);
}

}  // namespace
}  // namespace vix
