// What the capture writes, read back by readers nobody here wrote.
#include <gtest/gtest.h>

#include <filesystem>

#include "capture/jpeg_encoder.h"
#include "capture/tiff_writer.h"
#include "image_tools.h"
#include "psnr.h"

namespace vix {
namespace {

namespace fs = std::filesystem;
using namespace vix::test;

std::string Lines(const std::vector<std::string>& lines) {
    std::string all;
    for (const auto& l : lines)
        all += l + "\n";
    return all;
}

std::vector<std::uint8_t> TiffOf(const PixelView& picture) {
    MemorySink sink;
    EXPECT_FALSE(TiffToStream(picture, sink));
    return {sink.bytes().begin(), sink.bytes().end()};
}

std::vector<std::uint8_t> JpegOf(const PixelView& picture, int quality) {
    MemorySink sink;
    EXPECT_FALSE(JpegToStream(picture, quality, sink));
    return {sink.bytes().begin(), sink.bytes().end()};
}

bool SameColours(const TestPicture& a, const TestPicture& b) {
    if (a.width != b.width || a.height != b.height) return false;
    for (std::size_t i = 0; i < a.pixels.size(); ++i)
        if ((a.pixels[i] & 0xFFFFFF) != (b.pixels[i] & 0xFFFFFF)) return false;
    return true;
}

// Peak signal-to-noise ratio over the three channels, in dB.
double Psnr(const TestPicture& a, const TestPicture& b) { return test::Psnr(a.pixels, b.pixels); }

TEST(ImageReaders, AreInstalled) {
    for (const char* tool : {"tiffinfo", "tiffdump", "djpeg", "cjpeg", "identify", "convert"})
        EXPECT_EQ(RunTool(std::string("command -v ") + tool).status, 0)
            << tool << " is missing: scripts/bootstrap installs it";
}

TEST(ImageReaders, TiffFilesPassAndGiveBackEveryPixel) {
    const fs::path folder = ScratchFolder();
    const TestPicture pictures[] = {TestPicture(1, 1, 0x123456), Pattern(2, 2, 9), Pattern(37, 23),
                                    Pattern(1, 40, 4), Pattern(256, 3, 8)};
    for (const TestPicture& p : pictures) {
        const fs::path file =
            folder / ("p" + std::to_string(p.width) + "x" + std::to_string(p.height) + ".tif");
        WriteFile(file, TiffOf(p.view()));
        EXPECT_EQ(Lines(TiffGate(file)), "") << file;
        const auto back = TiffPixels(file);
        ASSERT_TRUE(back) << file;
        EXPECT_TRUE(SameColours(*back, p)) << file;
    }
}

TEST(ImageReaders, IndexedTiffFilesPassAndShowTheirColours) {
    const fs::path folder = ScratchFolder();
    std::vector<std::uint32_t> colors(256);
    for (std::uint32_t i = 0; i < 256; ++i)
        colors[i] = (i << 16) | ((i * 7 & 0xFF) << 8) | (255 - i);
    std::vector<std::uint8_t> rows8(12 * 5);
    for (std::size_t i = 0; i < rows8.size(); ++i)
        rows8[i] = static_cast<std::uint8_t>(i * 37);
    const std::uint8_t rows4[4 * 2] = {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF};
    const std::uint8_t rows1[2 * 3] = {0xF0, 0x80, 0x0F, 0x40, 0xAA, 0xC0};
    const struct {
        const char* name;
        IndexedView view;
    } cases[] = {
        {"p8.tif", {rows8.data(), 12, 5, 12, 8, colors}},
        {"p4.tif", {rows4, 8, 2, 4, 4, std::span(colors).first(16)}},
        {"p1.tif", {rows1, 10, 3, 2, 1, {}}},
    };
    for (const auto& c : cases) {
        MemorySink sink;
        ASSERT_FALSE(TiffToStream(c.view, sink));
        const fs::path file = folder / c.name;
        WriteFile(file, sink.bytes());
        EXPECT_EQ(Lines(TiffGate(file)), "") << c.name;
        const auto back = TiffPixels(file);
        ASSERT_TRUE(back) << c.name;
        ASSERT_EQ(back->width, c.view.width);
        for (int y = 0; y < c.view.height; ++y)
            for (int x = 0; x < c.view.width; ++x) {
                const std::uint8_t* row = c.view.top + y * c.view.stride;
                std::uint32_t expected;
                if (c.view.bitsPerPixel == 1)
                    expected = (row[x / 8] >> (7 - x % 8)) & 1 ? 0xFFFFFF : 0;  // zero is black
                else if (c.view.bitsPerPixel == 4)
                    expected = colors[(row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF];
                else
                    expected = colors[row[x]];
                EXPECT_EQ(back->at(x, y) & 0xFFFFFF, expected) << c.name << " " << x << "," << y;
            }
    }
}

TEST(ImageReaders, ATruncatedTiffFailsTheGate) {
    const fs::path folder = ScratchFolder();
    const auto whole = TiffOf(Pattern(30, 20).view());
    for (std::size_t cut : {whole.size() - 100, whole.size() / 2, std::size_t{20}}) {
        const fs::path file = folder / ("cut" + std::to_string(cut) + ".tif");
        WriteFile(file, std::span(whole).first(cut));
        EXPECT_NE(Lines(TiffGate(file)), "") << "cut at " << cut;
    }
}

TEST(ImageReaders, JpegFilesPassAndComeBackWithinTheTolerance) {
    const fs::path folder = ScratchFolder();
    const TestPicture p = Smooth(97, 61);
    // The least a smooth picture keeps at each quality.
    const std::pair<int, double> cases[] = {{100, 45.0}, {70, 38.0}, {30, 33.0}};
    for (const auto& [quality, least] : cases) {
        const fs::path file = folder / ("q" + std::to_string(quality) + ".jpg");
        WriteFile(file, JpegOf(p.view(), quality));
        EXPECT_EQ(Lines(JpegGate(file)), "") << file;
        const auto back = JpegPixels(file);
        ASSERT_TRUE(back) << file;
        ASSERT_EQ(back->width, p.width);
        ASSERT_EQ(back->height, p.height);
        EXPECT_GE(Psnr(*back, p), least) << "quality " << quality;
    }
}

TEST(ImageReaders, ATruncatedJpegFailsTheGate) {
    const fs::path folder = ScratchFolder();
    const auto whole = JpegOf(Pattern(64, 64).view(), 90);
    for (std::size_t cut : {whole.size() - 2, whole.size() / 2}) {
        const fs::path file = folder / ("cut" + std::to_string(cut) + ".jpg");
        WriteFile(file, std::span(whole).first(cut));
        EXPECT_NE(Lines(JpegGate(file)), "") << "cut at " << cut;
    }
}

TEST(ImageReaders, JpegBytesEqualCjpegOnTheSamePixels) {
    const fs::path folder = ScratchFolder();
    const TestPicture pictures[] = {Pattern(1, 1, 1), Pattern(17, 9, 3), Pattern(160, 120, 6)};
    for (const TestPicture& p : pictures) {
        const fs::path ppm = folder / "in.ppm";
        WritePpm(ppm, p);
        for (int setting : {0, 1, 5, 7, 10}) {
            const int q = JpegQualityOf(setting);
            const fs::path reference = folder / "cjpeg.jpg";
            const ToolRun run =
                RunTool("cjpeg -quality " + std::to_string(q) + " -baseline -dct int -outfile '" +
                        reference.string() + "' '" + ppm.string() + "'");
            ASSERT_EQ(run.status, 0) << run.err;
            EXPECT_EQ(JpegOf(p.view(), q), ReadFile(reference))
                << p.width << " x " << p.height << " at quality " << q;
        }
    }
}

}  // namespace
}  // namespace vix
