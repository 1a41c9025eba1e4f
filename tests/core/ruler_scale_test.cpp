#include "ruler/ruler_scale.h"

#include <gtest/gtest.h>

#include <map>

namespace vix {
namespace {

std::map<int, Tick> ByPosition(const std::vector<Tick>& ticks) {
    std::map<int, Tick> map;
    for (const Tick& t : ticks)
        map.emplace(t.position, t);
    return map;
}

std::vector<int> Positions(const std::vector<Tick>& ticks, std::size_t count) {
    std::vector<int> p;
    for (std::size_t i = 0; i < count && i < ticks.size(); ++i)
        p.push_back(ticks[i].position);
    return p;
}

struct ScaleCase {
    const char* what;
    RulerUnits unit;
    int dpi, screen;
    std::vector<int> firstPositions;
    int labelAt;
    const wchar_t* label;
    int labelLength;
};

// The examples at 96 DPI, and the same scales at 120, 144 and 192 DPI, with
// every position worked out by hand from j x step rounded halves to even.
const ScaleCase kScales[] = {
    {"inches 96", kInches, 96, 1024, {0, 24, 48, 72, 96}, 48, L"\u00BD", kMediumTick},
    {"inches 96 one", kInches, 96, 1024, {0, 24, 48, 72, 96}, 96, L"1", kLongTick},
    {"inches 96 one and a half", kInches, 96, 1024, {0, 24}, 144, L"1\u00BD", kMediumTick},
    {"centimetres 96", kCentimetres, 96, 1024, {0, 19, 38, 57, 76, 94}, 38, L"1", kLongTick},
    {"picas 96", kPicas, 96, 1024, {0, 16, 32, 48, 64, 80, 96}, 96, L"6", kLongTick},
    {"percent 1280", kPercent, 96, 1280, {0, 13, 26, 38, 51, 64}, 64, L"5", kMediumTick},
    {"percent 1280 ten", kPercent, 96, 1280, {0, 13}, 128, L"10", kLongTick},
    {"percent 1024", kPercent, 96, 1024, {0, 10, 20, 31, 41, 51}, 102, L"10", kLongTick},
    {"percent 1024 fifteen", kPercent, 96, 1024, {0, 10}, 154, L"15", kMediumTick},
    {"inches 120", kInches, 120, 1024, {0, 30, 60, 90, 120}, 120, L"1", kLongTick},
    {"centimetres 120", kCentimetres, 120, 1024, {0, 24, 47, 71, 94}, 47, L"1", kLongTick},
    {"picas 120", kPicas, 120, 1024, {0, 20, 40}, 120, L"6", kLongTick},
    {"inches 144", kInches, 144, 1024, {0, 36, 72, 108, 144}, 72, L"\u00BD", kMediumTick},
    {"centimetres 144", kCentimetres, 144, 1024, {0, 28, 57, 85, 113}, 57, L"1", kLongTick},
    {"picas 144", kPicas, 144, 1024, {0, 24, 48}, 144, L"6", kLongTick},
    {"inches 192", kInches, 192, 1024, {0, 48, 96, 144, 192}, 192, L"1", kLongTick},
    {"centimetres 192", kCentimetres, 192, 1024, {0, 38, 76, 113, 151}, 76, L"1", kLongTick},
    {"picas 192", kPicas, 192, 1024, {0, 32, 64}, 192, L"6", kLongTick},
    // Steps of x.5: the nearest integer of a half is the even one.
    {"inches 90, halves to even", kInches, 90, 1024, {0, 22, 45, 68, 90, 112}, 90, L"1", kLongTick},
    {"picas 93, halves to even",
     kPicas,
     93,
     1024,
     {0, 16, 31, 46, 62, 78, 93},
     93,
     L"6",
     kLongTick},
    {"percent on 1920", kPercent, 96, 1920, {0, 19, 38, 58, 77, 96}, 96, L"5", kMediumTick},
};

TEST(RulerTicks, ScaledUnitsAtManyResolutions) {
    for (const ScaleCase& c : kScales) {
        const auto ticks = RulerTicks(c.unit, 400, c.dpi, c.screen);
        EXPECT_EQ(Positions(ticks, c.firstPositions.size()), c.firstPositions) << c.what;
        const auto map = ByPosition(ticks);
        ASSERT_TRUE(map.contains(c.labelAt)) << c.what;
        EXPECT_EQ(map.at(c.labelAt).label, c.label) << c.what;
        EXPECT_EQ(map.at(c.labelAt).length, c.labelLength) << c.what;
    }
}

TEST(RulerTicks, TickKindsFollowTheUnitsPattern) {
    const auto inches = ByPosition(RulerTicks(kInches, 200, 96, 1024));
    EXPECT_EQ(inches.at(0).length, kShortTick);
    EXPECT_EQ(inches.at(0).label, L"");
    EXPECT_EQ(inches.at(24).length, kShortTick);
    const auto cm = ByPosition(RulerTicks(kCentimetres, 200, 96, 1024));
    EXPECT_EQ(cm.at(0).length, kMediumTick);
    EXPECT_EQ(cm.at(19).label, L"");
    const auto picas = ByPosition(RulerTicks(kPicas, 200, 96, 1024));
    EXPECT_EQ(picas.at(0).length, kMediumTick);
    EXPECT_EQ(picas.at(16).length, kMediumTick);
    const auto percent = ByPosition(RulerTicks(kPercent, 200, 96, 1280));
    EXPECT_EQ(percent.at(0).length, kShortTick);
    EXPECT_EQ(percent.at(13).length, kShortTick);
}

TEST(RulerTicks, PixelScaleHasNoLabelAtZeroAndItsFirstLabelIsFifty) {
    const auto ticks = ByPosition(RulerTicks(kPixels, 300, 96, 1024));
    EXPECT_EQ(ticks.at(0), (Tick{0, kMediumTick, L""}));
    EXPECT_EQ(ticks.at(5), (Tick{5, kShortTick, L""}));
    EXPECT_EQ(ticks.at(10), (Tick{10, kMediumTick, L""}));
    EXPECT_EQ(ticks.at(45), (Tick{45, kShortTick, L""}));
    EXPECT_EQ(ticks.at(50), (Tick{50, kLongTick, L"50"}));
    EXPECT_EQ(ticks.at(100), (Tick{100, kLongTick, L"100"}));
    EXPECT_EQ(ticks.size(), 60u);  // 0, 5, ..., 295
    for (const auto& [p, t] : ticks)
        if (p != 50 && p != 100 && p != 150 && p != 200 && p != 250) EXPECT_EQ(t.label, L"") << p;
}

TEST(RulerTicks, NoTickOnTheLastPixel) {
    EXPECT_EQ(Positions(RulerTicks(kPixels, 11, 96, 1024), 10), (std::vector<int>{0, 5}));
    EXPECT_EQ(Positions(RulerTicks(kPixels, 5, 96, 1024), 10), (std::vector<int>{0}));
    EXPECT_EQ(Positions(RulerTicks(kInches, 97, 96, 1024), 10), (std::vector<int>{0, 24, 48, 72}));
    for (int unit = 0; unit <= 4; ++unit)
        for (const Tick& t : RulerTicks(RulerUnitAt(unit), 5, 96, 1024))
            EXPECT_LE(t.position, 3);
}

TEST(RulerTicks, AtMostOneTickPerPixelWhenTheStepIsBelowOne) {
    // A percent scale on a 50-pixel screen: a step of half a pixel.
    const auto ticks = RulerTicks(kPercent, 20, 96, 50);
    EXPECT_EQ(Positions(ticks, 19),
              (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}));
}

TEST(RulerTicks, UnknownUnitDrawsNothing) {
    EXPECT_TRUE(RulerTicks(kNoUnit, 200, 96, 1024).empty());
    EXPECT_TRUE(RulerTicks(static_cast<RulerUnits>(5), 200, 96, 1024).empty());
}

TEST(RulerUnitAt, ListItemsNameTheUnitsAndNothingElse) {
    EXPECT_EQ(RulerUnitAt(0), kPixels);
    EXPECT_EQ(RulerUnitAt(4), kPercent);
    EXPECT_EQ(RulerUnitAt(5), kNoUnit);
    EXPECT_EQ(RulerUnitAt(-1), kNoUnit);
}

TEST(RulerTicks, TicksRunInwardFromTheGraduatedEdge) {
    const Size c{200, 30};
    EXPECT_EQ(TickPixels(roHorizontalTop, 50, 11, c), (TickLine{{50, 0}, {50, 10}}));
    EXPECT_EQ(TickPixels(roHorizontalBottom, 50, 8, c), (TickLine{{50, 22}, {50, 29}}));
    const Size v{30, 200};
    EXPECT_EQ(TickPixels(roVerticalRight, 50, 3, v), (TickLine{{27, 50}, {29, 50}}));
    EXPECT_EQ(TickPixels(roVerticalLeft, 50, 11, v), (TickLine{{0, 50}, {10, 50}}));
}

TEST(LabelPlace, CentredOnTheTickWithHalfTheWidthTruncated) {
    EXPECT_EQ(LabelPlace(roHorizontalTop, 50, 13, {200, 30}), (Point{44, 12}));
    EXPECT_EQ(LabelPlace(roHorizontalBottom, 50, 12, {200, 30}), (Point{44, 4}));
    EXPECT_EQ(LabelPlace(roVerticalRight, 50, 13, {30, 200}), (Point{21, 44}));
    EXPECT_EQ(LabelPlace(roVerticalLeft, 50, 13, {30, 200}), (Point{23, 44}));
}

}  // namespace
}  // namespace vix
