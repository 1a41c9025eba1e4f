// The snapshot's encoders in the Windows build: libjpeg-turbo linked
// statically gives the bytes the native build gives, its errors come back
// through the jump out of the library, and a file reaches the disk whole.

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <vector>

#include "../core/test_picture.h"
#include "capture/jpeg_encoder.h"
#include "capture/tiff_writer.h"
#include "platform/file.h"

namespace vix {
namespace {

using test::Fingerprint;
using test::Pattern;

TEST(CaptureCodecs, JpegBytesAsOnTheNativeBuild) {
    MemorySink sink;
    ASSERT_FALSE(JpegToStream(Pattern(64, 48, 5).view(), 90, sink));
    EXPECT_EQ(Fingerprint(sink.bytes()), 9110436036251571412ull);
}

TEST(CaptureCodecs, LibraryErrorsComeBackAndTheEncoderStillWorks) {
    const std::uint32_t row[1] = {0};
    const PixelView tall{reinterpret_cast<const std::uint8_t*>(row), 1, 65501, 0};
    for (int i = 0; i < 3; ++i) {
        MemorySink sink;
        const auto error = JpegToStream(tall, 90, sink);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->kind, ImageError::kTooLarge);
    }
    MemorySink sink;
    EXPECT_FALSE(JpegToStream(Pattern(16, 16).view(), 50, sink));
}

TEST(CaptureCodecs, ABottomUpBitmapSavedAsTiffThroughTheWholeFileWriter) {
    const test::TestPicture top = Pattern(33, 17, 2);
    std::vector<std::uint32_t> bottomUp;
    for (int y = top.height - 1; y >= 0; --y)
        for (int x = 0; x < top.width; ++x)
            bottomUp.push_back(top.at(x, y));
    MemorySink sink;
    ASSERT_FALSE(TiffToStream(PixelView::BottomUp(bottomUp.data(), 33, 17), sink));

    wchar_t dir[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, dir);
    const std::wstring path = std::wstring(dir) + L"vix capture \u00e9.tif";
    ASSERT_FALSE(platform::WriteWholeFile(path, sink.bytes()));
    std::vector<std::uint8_t> back;
    if (std::FILE* f = _wfopen(path.c_str(), L"rb")) {
        for (int c; (c = std::fgetc(f)) != EOF;)
            back.push_back(static_cast<std::uint8_t>(c));
        std::fclose(f);
    }
    ::DeleteFileW(path.c_str());
    ASSERT_EQ(back.size(), TiffRgbLayoutOf(33, 17).fileSize);
    EXPECT_TRUE(std::equal(back.begin(), back.end(), sink.bytes().begin()));
    // The top row first: its first pixel's red.
    EXPECT_EQ(back[41], (top.at(0, 0) >> 16) & 0xFF);
}

}  // namespace
}  // namespace vix
