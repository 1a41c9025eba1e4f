// PNG files, checked by readers nobody here wrote: pngcheck for the chunks,
// their CRCs and the zlib stream, ImageMagick for every pixel.
#include "capture/png_encoder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "image_tools.h"

namespace vix {
namespace {

namespace fs = std::filesystem;
using namespace vix::test;

std::vector<std::uint8_t> PngOf(const PixelView& picture) {
    MemorySink sink;
    EXPECT_FALSE(PngToStream(picture, sink));
    return {sink.bytes().begin(), sink.bytes().end()};
}

// Noise: no filter predicts it, so rows go unfiltered or by Sub.
TestPicture Noise(int w, int h, std::uint32_t seed) {
    TestPicture p(w, h);
    for (auto& px : p.pixels) {
        seed = seed * 1664525u + 1013904223u;
        px = seed >> 8;
    }
    return p;
}

// Rows that each filter predicts best: flat rows (Up), horizontal ramps
// (Sub), a diagonal ramp (Paeth and Average), noise (None).
TestPicture Mixed(int w, int h) {
    TestPicture p = Noise(w, h, 5);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const auto v = static_cast<std::uint32_t>(x * 3 + y * 5);
            switch (y % 4) {
                case 0: p.at(x, y) = 0x336699; break;
                case 1: p.at(x, y) = (v & 0xFF) * 0x010101; break;
                case 2: p.at(x, y) = ((x * 7) & 0xFF) << 8 | ((y * 11) & 0xFF); break;
                default: break;
            }
        }
    return p;
}

TEST(PngEncoder, FilesPassPngcheckAndGiveBackEveryPixel) {
    const fs::path folder = ScratchFolder();
    const TestPicture pictures[] = {TestPicture(1, 1, 0xFF9933), Pattern(2, 2, 9), Pattern(37, 23),
                                    Pattern(1, 40, 4), Pattern(300, 1, 8), Noise(64, 48, 1),
                                    Mixed(97, 64),
                                    // Compressed beyond one IDAT chunk of 1 MiB.
                                    Noise(1024, 400, 2)};
    for (const TestPicture& p : pictures) {
        const fs::path file =
            folder / ("p" + std::to_string(p.width) + "x" + std::to_string(p.height) + ".png");
        WriteFile(file, PngOf(p.view()));
        for (const std::string& complaint : PngGate(file))
            ADD_FAILURE() << file << ": " << complaint;
        const auto back = PngPixels(file);
        ASSERT_TRUE(back) << file;
        ASSERT_EQ(back->width, p.width);
        ASSERT_EQ(back->height, p.height);
        for (std::size_t i = 0; i < p.pixels.size(); ++i)
            ASSERT_EQ(back->pixels[i] & 0xFFFFFF, p.pixels[i] & 0xFFFFFF) << file << " pixel " << i;
    }
}

TEST(PngEncoder, EveryFilterIsUsedWhereItPacksBest) {
    const fs::path file = ScratchFolder() / "mixed.png";
    WriteFile(file, PngOf(Mixed(97, 64).view()));
    // pngcheck -vv lists each row's filter after "row filters (...):", up
    // to "(64 out of 64)".
    const ToolRun run = RunTool("pngcheck -vv '" + file.string() + "'");
    ASSERT_EQ(run.status, 0) << run.out;
    const auto at = run.out.find("row filters");
    ASSERT_NE(at, std::string::npos) << run.out;
    const auto from = run.out.find("):", at) + 2;
    const std::string rows = run.out.substr(from, run.out.find("out of", from) - from);
    bool used[5] = {};
    int count = 0;
    for (char c : rows)
        if (c >= '0' && c <= '4' && count < 64) used[c - '0'] = true, ++count;
    for (int f = 0; f < 5; ++f)
        EXPECT_TRUE(used[f]) << "filter " << f << " never chosen: " << rows;
}

// What a reader accepts in other forms as well: 8-bit RGB, not interlaced.
// (The signature, IEND and every CRC pass pngcheck above.)
TEST(PngEncoder, TheHeaderSaysEightBitRgbWithoutInterlacing) {
    const auto file = PngOf(Pattern(300, 2).view());
    const std::uint8_t start[] = {
        0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A,  // signature
        0,    0,   0,   13,  'I',  'H',  'D',  'R',   // IHDR, 13 bytes
        0,    0,   1,   44,  0,    0,    0,    2,     // 300 x 2
        8,    2,   0,   0,   0};                      // 8 bits, RGB, deflate, adaptive, progressive
    ASSERT_GT(file.size(), sizeof start);
    EXPECT_TRUE(std::equal(std::begin(start), std::end(start), file.begin()));
}

TEST(PngEncoder, TheFourthByteAndTheStorageOrderDoNotMatter) {
    const TestPicture a = Mixed(31, 17);
    TestPicture b = a;
    for (auto& px : b.pixels)
        px |= 0xFF000000;
    std::vector<std::uint32_t> flipped;
    for (int y = a.height - 1; y >= 0; --y)
        for (int x = 0; x < a.width; ++x)
            flipped.push_back(a.at(x, y));
    const auto file = PngOf(a.view());
    EXPECT_EQ(PngOf(b.view()), file);
    EXPECT_EQ(PngOf(PixelView::BottomUp(flipped.data(), a.width, a.height)), file);
}

TEST(PngEncoder, AnEmptyPictureOrAFailingSinkIsSaid) {
    MemorySink empty;
    const auto nothing = PngToStream(PixelView{}, empty);
    ASSERT_TRUE(nothing);
    EXPECT_EQ(nothing->kind, ImageError::kEmpty);
    EXPECT_EQ(empty.size(), 0u);
    for (int ok : {0, 3, 6}) {  // the signature, inside IHDR, inside IDAT
        FailingSink sink(ok);
        const auto error = PngToStream(Pattern(40, 30).view(), sink);
        ASSERT_TRUE(error) << ok;
        EXPECT_EQ(error->kind, ImageError::kSink);
    }
}

}  // namespace
}  // namespace vix
