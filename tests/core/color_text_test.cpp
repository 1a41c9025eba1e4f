#include "color/color_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace vix {
namespace {

struct ComponentCase {
    std::uint8_t v;
    ValueFormat format;
    PercentRule rule;
    const wchar_t* text;
};

constexpr ComponentCase kComponents[] = {
    {51, kFormatRgb, PercentRule::Picker, L"51"},
    {0, kFormatRgb, PercentRule::Picker, L"0"},
    {51, kFormatHex, PercentRule::Picker, L"#33"},
    {10, kFormatHex, PercentRule::Picker, L"#0A"},
    {51, kFormatPercent, PercentRule::Picker, L"20.0%"},
    {0, kFormatPercent, PercentRule::Picker, L"0.0%"},
    {128, kFormatPercent, PercentRule::Picker, L"50.2%"},
    {253, kFormatPercent, PercentRule::Picker, L"99.2%"},
    {254, kFormatPercent, PercentRule::Picker, L"100%"},
    {255, kFormatPercent, PercentRule::Picker, L"100%"},
    {254, kFormatPercent, PercentRule::Library, L"99.6%"},
    {255, kFormatPercent, PercentRule::Library, L"100%"},
    {1, kFormatPercent, PercentRule::Library, L"0.4%"},
    {51, static_cast<ValueFormat>(3), PercentRule::Picker, L""},
    {51, kNoFormat, PercentRule::Picker, L""},
};

TEST(ValueFormatAt, ButtonIndexesNameTheFormatsAndNothingElse) {
    EXPECT_EQ(ValueFormatAt(0), kFormatRgb);
    EXPECT_EQ(ValueFormatAt(2), kFormatPercent);
    EXPECT_EQ(ValueFormatAt(3), kNoFormat);
    EXPECT_EQ(ValueFormatAt(-1), kNoFormat);
}

TEST(ComponentText, Table) {
    for (const auto& c : kComponents)
        EXPECT_EQ(ComponentText(c.v, c.format, c.rule), c.text) << int(c.v) << " " << c.format;
}

TEST(ComponentText, UsesTheUsersDecimalSeparator) {
    EXPECT_EQ(ComponentText(128, kFormatPercent, PercentRule::Picker, L','), L"50,2%");
    EXPECT_EQ(ComponentText(255, kFormatPercent, PercentRule::Picker, L','), L"100%");
}

// Every value: the text reads back as v / 2.55 to one decimal, and only the
// rounding rule decides where "100" stands.
TEST(ComponentText, EveryPercentageIsTheValueOverTwoPointFiftyFive) {
    for (int v = 0; v <= 255; ++v) {
        for (PercentRule rule : {PercentRule::Picker, PercentRule::Library}) {
            const std::wstring text =
                ComponentText(static_cast<std::uint8_t>(v), kFormatPercent, rule);
            ASSERT_EQ(text.back(), L'%');
            const double shown = std::stod(text.substr(0, text.size() - 1));
            const long double exact = v / 2.55L;
            if (text == L"100%") {
                EXPECT_TRUE(rule == PercentRule::Picker ? v >= 254 : v == 255) << v;
            } else {
                EXPECT_NEAR(shown, static_cast<double>(exact), 0.05 + 1e-9) << v;
                EXPECT_NE(text.find(L'.'), std::wstring::npos) << v;
            }
        }
    }
}

TEST(ColorSummaryText, EachFormatWithTwoSpacesBetweenParts) {
    const ColorWord c = MakeColor(255, 153, 51, kSampledFlag);
    EXPECT_EQ(ColorSummaryText(c, kFormatRgb), L"R:255  G:153  B:51");
    EXPECT_EQ(ColorSummaryText(c, kFormatHex), L"R:#FF  G:#99  B:#33");
    EXPECT_EQ(ColorSummaryText(c, kFormatPercent), L"R:100%  G:60.0%  B:20.0%");
    EXPECT_EQ(ColorSummaryText(MakeColor(254, 0, 128), kFormatPercent, L','),
              L"R:100%  G:0,0%  B:50,2%");
    EXPECT_EQ(ColorSummaryText(c, kNoFormat), L"");
    EXPECT_EQ(ColorSummaryText(c, static_cast<ValueFormat>(7)), L"");
}

TEST(ClipboardText, TheEightFormatsBlueFirstInTwoAndThree) {
    const ColorWord c = MakeColor(255, 153, 51, kSampledFlag);
    EXPECT_EQ(ClipboardText(c, 0), L"#FF9933");
    EXPECT_EQ(ClipboardText(c, 1), L"color=\"#FF9933\"");
    EXPECT_EQ(ClipboardText(c, 2), L"0x003399FF");
    EXPECT_EQ(ClipboardText(c, 3), L"$003399FF");
    EXPECT_EQ(ClipboardText(c, 4), L"0xFF9933");
    EXPECT_EQ(ClipboardText(c, 5), L"rgb(255 153 51)");
    EXPECT_EQ(ClipboardText(c, 6), L"hsl(30 100% 60%)");
    EXPECT_EQ(ClipboardText(c, 7), L"oklch(77.37% 0.1629 60.28)");
    EXPECT_EQ(ClipboardText(c, 8), L"");
    EXPECT_EQ(ClipboardText(c, -1), L"");
    EXPECT_EQ(ClipboardText(MakeColor(1, 2, 3), 0), L"#010203");
}

}  // namespace
}  // namespace vix
