#include "capture/image_sequence.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <vector>

#include "common/utf16.h"

namespace vix {
namespace {

TEST(SequenceMaximum, DigitsNinesInSixtyFourBits) {
    const std::pair<int, std::uint64_t> cases[] = {
        {1, 9},
        {3, 999},
        {10, 9'999'999'999ull},
        {19, 9'999'999'999'999'999'999ull},
        {20, std::numeric_limits<std::uint64_t>::max()},
        {40, std::numeric_limits<std::uint64_t>::max()},
        {0, 0},
        {-2, 0},
    };
    for (const auto& [digits, max] : cases)
        EXPECT_EQ(SequenceMaximum(digits), max) << digits;
}

TEST(SequenceFileName, ZeroFilledLongerNumbersKeepTheirDigits) {
    EXPECT_EQ(SequenceFileName(L"C:\\shots", L"Img_Sequence", 3, 7),
              L"C:\\shots\\Img_Sequence007.jpg");
    EXPECT_EQ(SequenceFileName(L"C:\\shots", L"Img_Sequence", 3, 1234),
              L"C:\\shots\\Img_Sequence1234.jpg");
    EXPECT_EQ(SequenceFileName(L"D:\\x", L"a", 10, 9'999'999'999ull), L"D:\\x\\a9999999999.jpg");
    EXPECT_EQ(SequenceFileName(L"D:\\x", L"a", 10, 1), L"D:\\x\\a0000000001.jpg");
    EXPECT_EQ(SequenceFileName(L"D:\\x", L"a", 1, 0), L"D:\\x\\a0.jpg");
    EXPECT_EQ(SequenceFileName(L"D:\\x", L"", 22, std::numeric_limits<std::uint64_t>::max()),
              L"D:\\x\\0018446744073709551615.jpg");
}

TEST(SequenceFileName, ADriveRootGetsTheSeparatorAllTheSame) {
    EXPECT_EQ(SequenceFileName(L"C:\\", L"Img_Sequence", 3, 1), L"C:\\\\Img_Sequence001.jpg");
}

// A folder holding `names`, counting the questions asked.
struct Folder {
    std::set<std::wstring> names;
    int asked = 0;
    std::function<bool(const std::wstring&)> Exists() {
        return [this](const std::wstring& n) {
            ++asked;
            return names.count(n) > 0;
        };
    }
};

TEST(NextSequenceFileName, CountsFromOneAndReusesFreedNumbers) {
    Folder f;
    EXPECT_EQ(NextSequenceFileName(L"C:\\s", L"Img_Sequence", 3, f.Exists()),
              L"C:\\s\\Img_Sequence001.jpg");
    f.names = {L"C:\\s\\Img_Sequence001.jpg", L"C:\\s\\Img_Sequence002.jpg"};
    EXPECT_EQ(NextSequenceFileName(L"C:\\s", L"Img_Sequence", 3, f.Exists()),
              L"C:\\s\\Img_Sequence003.jpg");
    f.names.erase(L"C:\\s\\Img_Sequence001.jpg");
    EXPECT_EQ(NextSequenceFileName(L"C:\\s", L"Img_Sequence", 3, f.Exists()),
              L"C:\\s\\Img_Sequence001.jpg");
}

TEST(NextSequenceFileName, OneDigitHoldsNineFilesThenNothing) {
    Folder f;
    for (int i = 1; i <= 9; ++i) {
        const std::wstring next = NextSequenceFileName(L"F", L"Img", 1, f.Exists());
        EXPECT_EQ(next, L"F\\Img" + std::to_wstring(i) + L".jpg");
        f.names.insert(next);
    }
    f.asked = 0;
    EXPECT_EQ(NextSequenceFileName(L"F", L"Img", 1, f.Exists()), L"");
    EXPECT_EQ(f.asked, 9) << "the tenth number is not tried";
    EXPECT_EQ(NextSequenceFileName(L"F", L"Img", 0, f.Exists()), L"") << "no digits, no number";
}

TEST(NextSequenceFileName, TenThousandFilesBeforeTheFirstFreeNumber) {
    Folder f;
    for (std::uint64_t i = 1; i <= 10000; ++i)
        f.names.insert(SequenceFileName(L"F", L"Img", 3, i));
    EXPECT_EQ(NextSequenceFileName(L"F", L"Img", 3, f.Exists()), L"");
    EXPECT_EQ(f.asked, 999);
    f.asked = 0;
    EXPECT_EQ(NextSequenceFileName(L"F", L"Img", 4, f.Exists()), L"F\\Img0001.jpg")
        << "four digits make other names";
    f.names.clear();
    for (std::uint64_t i = 1; i <= 10000; ++i)
        f.names.insert(SequenceFileName(L"F", L"Img", 5, i));
    EXPECT_EQ(NextSequenceFileName(L"F", L"Img", 5, f.Exists()), L"F\\Img10001.jpg");
}

// The names of `f` without their folder, as a listing gives them.
std::vector<std::wstring> Listed(const Folder& f, const std::wstring& folder) {
    std::vector<std::wstring> names;
    for (const std::wstring& n : f.names)
        names.push_back(n.substr(folder.size() + 1));
    return names;
}

TEST(NextSequenceFileNameListed, GivesTheSameNamesAsOneLookPerNumber) {
    Folder f;
    for (std::uint64_t i = 1; i <= 10000; ++i)
        if (i != 4321) f.names.insert(SequenceFileName(L"F", L"Img", 5, i));
    EXPECT_EQ(NextSequenceFileName(L"F", L"Img", 5, Listed(f, L"F"), f.Exists()),
              L"F\\Img04321.jpg");
    EXPECT_EQ(f.asked, 1) << "only the answer is looked at";
    f.names.insert(L"F\\Img04321.jpg");
    EXPECT_EQ(NextSequenceFileName(L"F", L"Img", 5, Listed(f, L"F"), f.Exists()),
              L"F\\Img10001.jpg");
    EXPECT_EQ(NextSequenceFileName(L"F", L"Img", 4, Listed(f, L"F"), f.Exists()), L"F\\Img0001.jpg")
        << "four digits make other names";

    Folder full;
    for (std::uint64_t i = 1; i <= 9; ++i)
        full.names.insert(SequenceFileName(L"F", L"Img", 1, i));
    EXPECT_EQ(NextSequenceFileName(L"F", L"Img", 1, Listed(full, L"F"), full.Exists()), L"");
    EXPECT_EQ(NextSequenceFileName(L"F", L"Img", 3, {}, Folder{}.Exists()), L"F\\Img001.jpg");
}

TEST(NextSequenceFileNameListed, OnlyTheSequencesOwnNamesCount) {
    Folder f;
    const std::vector<std::wstring> listed = {
        L"IMG001.JPG",                      // another case of the same name: the same file
        L"Img002.jpeg",                     // another ending
        L"Img03.jpg",                       // fewer digits than the sequence writes
        L"Img0004.jpg",                     // a zero more than the sequence writes
        L"Img00x.jpg",                      // not a number
        L"Other005.jpg",                    // another base name
        L"Img.jpg",                         // no number at all
        L"Img99999999999999999999999.jpg",  // past 64 bits
    };
    f.names = {L"F\\IMG001.JPG"};
    EXPECT_EQ(NextSequenceFileName(L"F", L"Img", 3, listed, f.Exists()), L"F\\Img002.jpg");
}

// The file system may know a name the listing did not match (case folding
// beyond ASCII): that name is passed over, never overwritten.
TEST(NextSequenceFileNameListed, ANameTheFileSystemKnowsIsPassedOver) {
    Folder f;
    f.names = {L"F\\\u00c4001.jpg", L"F\\\u00c4002.jpg"};
    const std::vector<std::wstring> listed = {L"\u00e4001.jpg", L"\u00e4002.jpg"};
    EXPECT_EQ(NextSequenceFileName(L"F", L"\u00c4", 3, listed, f.Exists()), L"F\\\u00c4003.jpg");
}

TEST(SequenceFormat, ImgFormatGivesFormatAndEndingAndAnyOtherValueJpeg) {
    const struct {
        int imgFormat;
        ImageFormat format;
        const wchar_t* ending;
    } cases[] = {
        {0, ImageFormat::kJpeg, L".jpg"},  {1, ImageFormat::kPng, L".png"},
        {2, ImageFormat::kTiff, L".tif"},  {3, ImageFormat::kJpeg, L".jpg"},
        {-1, ImageFormat::kJpeg, L".jpg"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SequenceFormatOf(c.imgFormat).format, c.format) << c.imgFormat;
        EXPECT_EQ(SequenceFormatOf(c.imgFormat).ending, c.ending) << c.imgFormat;
    }
}

// A PNG sequence counts its own files: the JPEG files of the same numbers
// do not take them.
TEST(NextSequenceFileNameListed, EachFormatCountsFilesOfItsOwnEnding) {
    Folder f;
    f.names = {L"F\\Img001.jpg", L"F\\Img002.jpg", L"F\\Img001.png"};
    EXPECT_EQ(NextSequenceFileName(L"F", L"Img", 3, Listed(f, L"F"), f.Exists(), L".png"),
              L"F\\Img002.png");
    EXPECT_EQ(NextSequenceFileName(L"F", L"Img", 3, f.Exists(), L".png"), L"F\\Img002.png");
    EXPECT_EQ(NextSequenceFileName(L"F", L"Img", 3, Listed(f, L"F"), f.Exists()), L"F\\Img003.jpg");
}

}  // namespace
}  // namespace vix
