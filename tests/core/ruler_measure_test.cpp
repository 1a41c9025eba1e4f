#include "ruler/ruler_measure.h"

#include <gtest/gtest.h>

#include "common/app_error.h"
#include "ruler/ruler_scale.h"
#include "typed_number_cases.h"

namespace vix {
namespace {

TEST(RulerLengths, TwoHundredPixelsAtNinetySixDpiOnA1024Desktop) {
    EXPECT_EQ(LengthsOf(200, 96, 1024),
              (RulerLengths{L"200", L"2.08", L"5.29", L"12.50", L"19.53"}));
    EXPECT_EQ(LengthsOf(200, 96, 1024, L','),
              (RulerLengths{L"200", L"2,08", L"5,29", L"12,50", L"19,53"}));
    EXPECT_EQ(LengthsOf(5, 144, 2944).inches, L"0.03");
}

TEST(RulerLengths, TheFieldShowsTheSelectedUnitOnly) {
    EXPECT_EQ(LengthInUnit(96, kInches, 96, 1024), L"1.00");
    EXPECT_EQ(LengthInUnit(96, kPixels, 96, 1024), L"96");
    EXPECT_EQ(LengthInUnit(512, kPercent, 96, 1024), L"50.00");
    EXPECT_EQ(LengthInUnit(96, kNoUnit, 96, 1024), L"");
}

struct TypedCase {
    const wchar_t* text;
    RulerUnits unit;
    wchar_t decimal;
    std::optional<int> pixels;
};

const TypedCase kTyped[] = {
    {L"1", kInches, L'.', 96},      {L"2.5", kCentimetres, L'.', 94},  // 94.49
    {L"0", kPicas, L'.', 0},                                           // raised to 5 by the ruler
    {L"12", kPicas, L'.', 192},     {L"50", kPercent, L'.', 512},
    {L" 300 ", kPixels, L'.', 300}, {L"1,5", kInches, L',', 144},
    {L"0.5", kPixels, L'.', 0},  // halves to even
    {L"1.5", kPixels, L'.', 2},     {L"2.5", kPixels, L'.', 2},
    {L"-3", kPixels, L'.', -3},     {L"1e2", kPixels, L'.', 100},
    {L".5", kInches, L'.', 48},     {L"7", kNoUnit, L'.', std::nullopt},
};

TEST(TypedLength, ConvertedPerUnitAndRoundedHalvesToEven) {
    for (const auto& c : kTyped)
        EXPECT_EQ(TypedLength(c.text, c.unit, 96, 1024, c.decimal), c.pixels)
            << testing::PrintToString(c.text);
}

TEST(TypedLength, TextThatIsNoNumberRaisesTheConversionError) {
    for (const wchar_t* text : {L"abc", L"1.5.2", L"12a", L"", L" ", L"1e", L"--1", L"1,5"}) {
        try {
            TypedLength(text, kPixels, 96, 1024, L'.');
            ADD_FAILURE() << testing::PrintToString(text) << " was accepted";
        } catch (const AppError& e) {
            EXPECT_EQ(e.message(),
                      L"'" + std::wstring(text) + L"' is not a valid floating point value");
        }
    }
}

TEST(TypedLength, ForeignDigitsAreNoNumberAndGiveTheConversionError) {
    for (const wchar_t* text : test::kForeignDigitTexts) {
        EXPECT_FALSE(ParseFloat(text, L'.')) << testing::PrintToString(text);
        EXPECT_THROW(TypedLength(text, kPixels, 96, 1024, L'.'), AppError)
            << testing::PrintToString(text);
    }
}

TEST(ParseInteger, ForeignDigitsAreNoNumber) {
    for (const wchar_t* text : test::kForeignDigitTexts)
        EXPECT_FALSE(ParseInteger(text)) << testing::PrintToString(text);
}

TEST(ParseInteger, DecimalIntegersOnly) {
    EXPECT_EQ(ParseInteger(L"12"), 12);
    EXPECT_EQ(ParseInteger(L" -3 "), -3);
    EXPECT_EQ(ParseInteger(L"+7"), 7);
    EXPECT_FALSE(ParseInteger(L"12a"));
    EXPECT_FALSE(ParseInteger(L""));
    EXPECT_FALSE(ParseInteger(L"1.0"));
    EXPECT_FALSE(ParseInteger(L"-"));
    EXPECT_FALSE(ParseInteger(L"99999999999"));
}

}  // namespace
}  // namespace vix
