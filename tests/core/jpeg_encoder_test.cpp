#include "capture/jpeg_encoder.h"

#include <gtest/gtest.h>

#include <vector>

#include "test_picture.h"

namespace vix {
namespace {

using test::FailingSink;

using test::Pattern;
using test::TestPicture;

std::vector<std::uint8_t> Jpeg(const PixelView& picture, int quality) {
    MemorySink sink;
    EXPECT_FALSE(JpegToStream(picture, quality, sink));
    return {sink.bytes().begin(), sink.bytes().end()};
}

TEST(JpegQuality, TenTimesTheSettingHeldToTheSlider) {
    const std::pair<int, int> cases[] = {{0, 0},  {1, 10},   {7, 70},    {10, 100},
                                         {-3, 0}, {11, 100}, {1000, 100}};
    for (const auto& [setting, quality] : cases)
        EXPECT_EQ(JpegQualityOf(setting), quality) << setting;
}

TEST(JpegEncoder, AFileFromStartToEndMarkerWithTheFrameSize) {
    const auto file = Jpeg(Pattern(37, 21).view(), 80);
    ASSERT_GT(file.size(), 4u);
    EXPECT_EQ(file[0], 0xFF);
    EXPECT_EQ(file[1], 0xD8);
    EXPECT_EQ(file[file.size() - 2], 0xFF);
    EXPECT_EQ(file[file.size() - 1], 0xD9);
    // A baseline frame (SOF0) of three components.
    bool found = false;
    for (std::size_t i = 2; i + 9 < file.size(); ++i) {
        if (file[i] != 0xFF || file[i + 1] != 0xC0) continue;
        found = true;
        EXPECT_EQ((file[i + 5] << 8) | file[i + 6], 21);
        EXPECT_EQ((file[i + 7] << 8) | file[i + 8], 37);
        EXPECT_EQ(file[i + 9], 3);
        break;
    }
    EXPECT_TRUE(found);
}

TEST(JpegEncoder, TheFourthByteAndTheStorageOrderDoNotMatter) {
    TestPicture a = Pattern(19, 13), b = Pattern(19, 13);
    for (auto& px : b.pixels)
        px |= 0xFF000000;
    std::vector<std::uint32_t> flipped;
    for (int y = a.height - 1; y >= 0; --y)
        for (int x = 0; x < a.width; ++x)
            flipped.push_back(a.at(x, y));
    const auto file = Jpeg(a.view(), 90);
    EXPECT_EQ(Jpeg(b.view(), 90), file);
    EXPECT_EQ(Jpeg(PixelView::BottomUp(flipped.data(), 19, 13), 90), file);
}

TEST(JpegEncoder, QualityChangesTheFileAndZeroActsAsOne) {
    const TestPicture p = Pattern(64, 48, 5);
    EXPECT_NE(Jpeg(p.view(), 50), Jpeg(p.view(), 100));
    EXPECT_LT(Jpeg(p.view(), 10).size(), Jpeg(p.view(), 100).size());
    EXPECT_EQ(Jpeg(p.view(), 0), Jpeg(p.view(), 1));
}

TEST(JpegEncoder, LibraryErrorsComeBackInsteadOfEndingTheProcess) {
    const std::uint32_t row[1] = {0};
    // One row repeated: the library refuses the height before reading any.
    const PixelView tall{reinterpret_cast<const std::uint8_t*>(row), 1, 65501, 0};
    MemorySink sink;
    const auto error = JpegToStream(tall, 90, sink);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, ImageError::kTooLarge);
    EXPECT_NE(error->reason.find(L"65,500"), std::wstring::npos);
    // And the encoder works as before afterwards.
    EXPECT_FALSE(Jpeg(Pattern(8, 8).view(), 90).empty());
}

TEST(JpegEncoder, ASinkThatFailsMidwayIsReported) {
    const TestPicture big = Pattern(600, 400, 3);  // more than one 64 KB buffer at quality 100
    for (int ok : {0, 1}) {
        FailingSink sink(ok);
        const auto error = JpegToStream(big.view(), 100, sink);
        ASSERT_TRUE(error) << ok;
        EXPECT_EQ(error->kind, ImageError::kSink);
    }
}

TEST(JpegEncoder, NothingToEncodeIsSaid) {
    MemorySink sink;
    const auto error = JpegToStream(PixelView{}, 90, sink);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, ImageError::kEmpty);
    EXPECT_EQ(sink.size(), 0u);
}

TEST(JpegEncoder, TheSameBytesOnEveryBuild) {
    // The Windows tests check the same value: the static library built for
    // MinGW encodes as the system's library does here.
    const auto file = Jpeg(Pattern(64, 48, 5).view(), 90);
    EXPECT_EQ(test::Fingerprint(file), 9110436036251571412ull);
}

}  // namespace
}  // namespace vix
