#include "common/utf16.h"

#include <gtest/gtest.h>

namespace vix {
namespace {

TEST(Utf16, RegistryStringIsLittleEndianWithOneTerminator) {
    const std::vector<std::uint8_t> expected = {'I', 0, 'm', 0, 'g', 0, 0xE4, 0, 0, 0};
    EXPECT_EQ(ToUtf16LeZ(L"Img\u00e4"), expected);
}

TEST(Utf16, AstralCharactersBecomeSurrogatePairsAndBack) {
    const std::wstring text = L"a\U0001F3A8b";
    const std::u16string units = ToUtf16(text);
    ASSERT_EQ(units.size(), 4u);
    EXPECT_EQ(units[1], 0xD83C);
    EXPECT_EQ(units[2], 0xDFA8);
    EXPECT_EQ(FromUtf16(units), text);
    EXPECT_EQ(FromUtf16Le(ToUtf16LeZ(text)), text);
}

TEST(Utf16, ReadingStopsAtTheFirstNulAndIgnoresAnOddByte) {
    const std::uint8_t bytes[] = {'A', 0, 0, 0, 'B', 0};
    EXPECT_EQ(FromUtf16Le(bytes), L"A");
    const std::uint8_t odd[] = {'A', 0, 'B'};
    EXPECT_EQ(FromUtf16Le(odd), L"A");
    EXPECT_EQ(FromUtf16Le({}), L"");
}

TEST(Utf16, LoneSurrogateBecomesReplacementCharacter) {
    const std::u16string lone = {u'x', static_cast<char16_t>(0xD800)};
    EXPECT_EQ(FromUtf16(lone), L"x\uFFFD");
}

TEST(Utf8, RoundTripAndInvalidBytes) {
    const std::wstring text = L"Bild \u00e4\u4e2d\U0001F3A8";
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
    EXPECT_EQ(ToUtf8(L"\u00e4"), "\xC3\xA4");
    EXPECT_EQ(FromUtf8("a\xFF"
                       "b"),
              L"a\uFFFDb");
    EXPECT_EQ(FromUtf8("\xC0\xAF"), L"\uFFFD");        // overlong
    EXPECT_EQ(FromUtf8("\xE4\xB8"), L"\uFFFD\uFFFD");  // cut short
}

}  // namespace
}  // namespace vix
