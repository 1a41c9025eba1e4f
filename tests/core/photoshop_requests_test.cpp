#include <gtest/gtest.h>

#include "photoshop/action_request.h"
#include "photoshop/four_cc.h"

namespace vix {
namespace {

TEST(FourCC, PacksTheFirstCharacterIntoTheTopByteAndKeepsTrailingSpaces) {
    static_assert(MakeFourCC("Rd  ") == 0x52642020);
    static_assert(ps::kSet == 0x73657464);
    static_assert(ps::kMake == 0x4D6B2020);
    static_assert(ps::kTo == 0x54202020);
    static_assert(ps::kPixelUnit == 0x23526C74);
    static_assert(ps::kMessage == 0x4D736765);
    EXPECT_EQ(FourCCText(ps::kTo), "T   ");
    EXPECT_EQ(FourCCText(ps::kPercentUnit), "#Prc");
    EXPECT_EQ(ParseFourCC("Mk  "), ps::kMake);
    EXPECT_EQ(ParseFourCC(FourCCText(ps::kGroup)), ps::kGroup);
}

TEST(FourCC, OddBytesAndTextsNeverBreakALine) {
    EXPECT_EQ(FourCCText(0x0A00FF41), "???A");
    EXPECT_EQ(ParseFourCC("Mk"), 0u);
    EXPECT_EQ(ParseFourCC("Mk   "), 0u);
    EXPECT_EQ(ParseFourCC("M\tk "), 0u);
}

TEST(PSSetColor, TargetsTheForegroundOrBackgroundPropertyWithAnRgbObject) {
    const auto fg = PSSetColor(true, 255, 0, 0);
    EXPECT_EQ(fg.event, ps::kSet);
    EXPECT_EQ(fg.dialogMode, 2);
    EXPECT_EQ(fg.rule, ResultRule::NoResultSucceeds);
    ASSERT_TRUE(fg.descriptor);
    EXPECT_EQ(DescriptorText(*fg.descriptor),
              "{'null': ref(property 'Clr ' 'FrgC'), "
              "'T   ': object 'RGBC' {'Rd  ': double 255, 'Grn ': double 0, 'Bl  ': double 0}}");

    const auto bg = PSSetColor(false, 1, 2.5, 254);
    const auto* target = bg.descriptor->Find(ps::kTarget);
    ASSERT_NE(target, nullptr);
    ActionReference background;
    background.PutProperty(ps::kColor, ps::kBackground);
    EXPECT_EQ(std::get<ReferenceValue>(*target).reference, background);
    const auto& rgb = std::get<ObjectValue>(*bg.descriptor->Find(ps::kTo));
    EXPECT_EQ(std::get<DoubleValue>(*rgb.descriptor->Find(ps::kGreen)).value, 2.5);
}

TEST(PSNewDocument, CarriesSizeResolutionNameModeAndFillInItsOrder) {
    const auto request = PSNewDocument(L"Vix_Export", ps::kRgbMode, ps::kTransparent, 640, 1, 72.0);
    EXPECT_EQ(request.event, ps::kMake);
    EXPECT_EQ(request.rule, ResultRule::NoResultSucceeds);
    EXPECT_EQ(DescriptorText(*request.descriptor),
              "{'Nw  ': object 'Dcmn' {'Rslt': unit '#Rsl' 72, 'Nm  ': string \"Vix_Export\", "
              "'Md  ': class 'RGBM', 'Wdth': unit '#Rlt' 640, 'Hght': unit '#Rlt' 1, "
              "'Fl  ': enum 'Fl  ' 'Trns'}}");
}

TEST(PSNewLayer, IsStrictAboutAMissingResult) {
    const auto request = PSNewLayer(L"Vix_Export_Layer", ps::kNormal, false, 100.0);
    EXPECT_EQ(request.event, ps::kMake);
    EXPECT_EQ(request.rule, ResultRule::NoResultFails);
    EXPECT_EQ(DescriptorText(*request.descriptor),
              "{'null': ref(class 'Lyr '), 'Usng': object 'Lyr ' {'Nm  ': string "
              "\"Vix_Export_Layer\", 'Opct': unit '#Prc' 100, 'Md  ': enum 'BlnM' 'Nrml', "
              "'Grup': bool false}}");
}

TEST(PSPaste, PlaysWithoutADescriptorAndIgnoresTheAnswer) {
    const auto request = PSPaste();
    EXPECT_EQ(request.event, ps::kPaste);
    EXPECT_EQ(request.dialogMode, kDialogSilent);
    EXPECT_FALSE(request.descriptor.has_value());
    EXPECT_EQ(CheckPlayAnswer(request.rule, PlayAnswer::ResultWithMessage), 0);
}

TEST(ResultRule, NoResultIsSuccessOnlyForTheLenientCheckAndAMessageAlwaysFails) {
    struct Case {
        PlayAnswer answer;
        int lenient;
        int strict;
    };
    static constexpr Case kCases[] = {
        {PlayAnswer::NoResult, 0, -1},
        {PlayAnswer::Result, 0, 0},
        {PlayAnswer::ResultWithMessage, -1, -1},
        {PlayAnswer::ResultUnreadable, -1, -1},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(PSCheckResult(c.answer), c.lenient);
        EXPECT_EQ(PSCheckResultStrict(c.answer), c.strict);
        EXPECT_EQ(CheckPlayAnswer(ResultRule::NoResultSucceeds, c.answer), c.lenient);
        EXPECT_EQ(CheckPlayAnswer(ResultRule::NoResultFails, c.answer), c.strict);
    }
}

TEST(ActionDescriptor, PuttingAKeyAgainReplacesItInPlaceAndObjectsAreCopies) {
    ActionDescriptor child;
    child.PutDouble(ps::kRed, 1);
    ActionDescriptor parent;
    parent.PutBoolean(ps::kGroup, true);
    parent.PutObject(ps::kTo, ps::kRgbColor, child);
    parent.PutBoolean(ps::kGroup, false);
    child.PutDouble(ps::kRed, 2);
    EXPECT_EQ(DescriptorText(parent),
              "{'Grup': bool false, 'T   ': object 'RGBC' {'Rd  ': double 1}}");
    EXPECT_TRUE(parent.HasKey(ps::kTo));
    EXPECT_FALSE(parent.HasKey(ps::kMessage));

    ActionDescriptor same;
    same.PutBoolean(ps::kGroup, false);
    ActionDescriptor one;
    one.PutDouble(ps::kRed, 1);
    same.PutObject(ps::kTo, ps::kRgbColor, one);
    EXPECT_EQ(parent, same);
    one.PutDouble(ps::kRed, 3);
    ActionDescriptor other;
    other.PutBoolean(ps::kGroup, false);
    other.PutObject(ps::kTo, ps::kRgbColor, one);
    EXPECT_NE(parent, other);
}

TEST(DescriptorText, EscapesStringsAndWritesNumbersExactly) {
    ActionDescriptor d;
    d.PutString(ps::kName, L"a\"b\\c\td\r\n\x01 \u00e9");
    d.PutDouble(ps::kRed, 0.1);
    d.PutDouble(ps::kGreen, 1.0 / 3);  // sixteen digits, the fewest that read back the same
    d.PutUnitDouble(ps::kWidth, ps::kPixelUnit, -1e300);
    EXPECT_EQ(DescriptorText(d),
              "{'Nm  ': string \"a\\\"b\\\\c\\td\\r\\n\\x01 \xC3\xA9\", 'Rd  ': double 0.1, "
              "'Grn ': double 0.3333333333333333, 'Wdth': unit '#Rlt' -1e+300}");
    EXPECT_EQ(DescriptorText(ActionDescriptor{}), "{}");
    EXPECT_EQ(ReferenceText(ActionReference{}), "ref()");
}

}  // namespace
}  // namespace vix
