// The typed-number parsers as the Windows build runs them: its C library
// counts every Unicode digit as a digit, so this is where foreign digits
// once turned into wrong lengths.

#include <gtest/gtest.h>

#include <cwctype>

#include "common/app_error.h"
#include "ruler/ruler_measure.h"
#include "ruler/ruler_scale.h"
#include "typed_number_cases.h"

namespace vix {
namespace {

TEST(TypedNumbersOnWindows, TheCLibraryCallsTheseDigitsSoTheCaseMatters) {
    // Without this the test below would prove nothing on this C library.
    EXPECT_TRUE(std::iswdigit(L'\u0661') || std::iswdigit(L'\uFF11'));
}

TEST(TypedNumbersOnWindows, ForeignDigitsGiveTheConversionErrorNotALength) {
    for (const wchar_t* text : test::kForeignDigitTexts) {
        try {
            const auto pixels = TypedLength(text, kPixels, 96, 1024, L'.');
            ADD_FAILURE() << testing::PrintToString(text) << " gave "
                          << testing::PrintToString(pixels);
        } catch (const AppError& e) {
            EXPECT_EQ(e.message(),
                      L"'" + std::wstring(text) + L"' is not a valid floating point value");
        }
        EXPECT_FALSE(ParseInteger(text)) << testing::PrintToString(text);
    }
}

TEST(TypedNumbersOnWindows, AsciiDigitsStillWork) {
    EXPECT_EQ(TypedLength(L"123", kPixels, 96, 1024, L'.'), 123);
    EXPECT_EQ(TypedLength(L"2,5", kCentimetres, 96, 1024, L','), 94);
    EXPECT_EQ(ParseInteger(L" -42 "), -42);
}

}  // namespace
}  // namespace vix
