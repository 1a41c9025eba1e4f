#include "capture/save_rules.h"

#include <gtest/gtest.h>

#include "common/utf16.h"

namespace vix {
namespace {

struct Case {
    const wchar_t* typed;
    int filter;
    ImageFormat format;
    const wchar_t* saved;
};

constexpr ImageFormat kJpeg = ImageFormat::kJpeg;
constexpr ImageFormat kTiff = ImageFormat::kTiff;
constexpr ImageFormat kPng = ImageFormat::kPng;

constexpr Case kCases[] = {
    {L"shot", 2, kJpeg, L"shot.jpg"},
    {L"a.tif", 2, kJpeg, L"a.tif.jpg"},
    {L"A.TIF", 1, kTiff, L"A.TIF"},
    {L"x.jpg", 3, kTiff, L"x.jpg.tif"},
    {L"x.Tif", 3, kTiff, L"x.Tif"},
    {L"x.tif", 1, kTiff, L"x.tif"},
    {L"x.JPG", 1, kJpeg, L"x.JPG"},
    {L"x.jpg", 2, kJpeg, L"x.jpg"},
    {L"x.jpeg", 1, kJpeg, L"x.jpeg"},
    {L"x.JPEG", 1, kJpeg, L"x.JPEG"},
    {L"x.jpeg", 2, kJpeg, L"x.jpeg.jpg"},
    {L"x.jpeg", 3, kTiff, L"x.jpeg.tif"},
    {L"x.png", 1, kPng, L"x.png"},
    {L"X.PNG", 1, kPng, L"X.PNG"},
    {L"shot", 4, kPng, L"shot.png"},
    {L"x.jpg", 4, kPng, L"x.jpg.png"},
    {L"x.Png", 4, kPng, L"x.Png"},
    {L"x.png", 2, kJpeg, L"x.png.jpg"},
    {L"x.png", 3, kTiff, L"x.png.tif"},
    {L"png", 1, kJpeg, L"png.jpg"},
    {L"x.tiff", 1, kJpeg, L"x.tiff.jpg"},
    {L"x", 1, kJpeg, L"x.jpg"},
    {L"tif", 1, kJpeg, L"tif.jpg"},
    {L"C:\\a.tif\\shot", 1, kJpeg, L"C:\\a.tif\\shot.jpg"},
    {L"\u00c4rger.TIF", 1, kTiff, L"\u00c4rger.TIF"},
    {L"x.tif", 0, kTiff, L"x.tif"},
    {L"x", 5, kJpeg, L"x.jpg"},
};

TEST(ChooseSaveTarget, FilterAndEndingGiveFormatAndName) {
    for (const Case& c : kCases) {
        const SaveTarget t = ChooseSaveTarget(c.typed, c.filter);
        EXPECT_EQ(t.format, c.format) << ToUtf8(c.typed) << " under filter " << c.filter;
        EXPECT_EQ(t.fileName, c.saved) << ToUtf8(c.typed) << " under filter " << c.filter;
    }
}

TEST(SaveFilter, FourFiltersInTheDialogsOwnWords) {
    const std::wstring filter = kSaveFilter;
    EXPECT_EQ(filter,
              L"All (*.jpg;*.jpeg;*.tif)|*.jpg;*.jpeg;*.tif|JPEG Image File (*.jpg)|*.jpg|"
              L"Taged Image File Format (*.tif)|*.tif|PNG (*.png)|*.png");
}

}  // namespace
}  // namespace vix
