#include "ruler/ruler_geometry.h"

#include <gtest/gtest.h>

namespace vix {
namespace {

TEST(RulerBody, FillAndBorderPerOrientation) {
    const Size h{200, 30}, v{30, 200};
    EXPECT_EQ(BodyOf(roHorizontalTop, h).fill, (Rect{1, 0, 200, 29}));
    EXPECT_EQ(BodyOf(roHorizontalTop, h).border,
              (std::array<Point, 4>{{{0, 0}, {0, 29}, {199, 29}, {199, -1}}}));
    EXPECT_EQ(BodyOf(roHorizontalBottom, h).fill, (Rect{1, 1, 200, 30}));
    EXPECT_EQ(BodyOf(roHorizontalBottom, h).border,
              (std::array<Point, 4>{{{0, 30}, {0, 0}, {199, 0}, {199, 30}}}));
    EXPECT_EQ(BodyOf(roVerticalRight, v).fill, (Rect{0, 1, 30, 199}));
    EXPECT_EQ(BodyOf(roVerticalRight, v).border,
              (std::array<Point, 4>{{{30, 0}, {0, 0}, {0, 199}, {30, 199}}}));
    EXPECT_EQ(BodyOf(roVerticalLeft, v).fill, (Rect{0, 1, 30, 199}));
    EXPECT_EQ(BodyOf(roVerticalLeft, v).border,
              (std::array<Point, 4>{{{-1, 0}, {29, 0}, {29, 199}, {-1, 199}}}));
}

TEST(RulerLength, WidthOrHeightAndNeverBelowFive) {
    EXPECT_EQ(RulerLength(roHorizontalTop, {200, 30}), 200);
    EXPECT_EQ(RulerLength(roVerticalLeft, {30, 150}), 150);
    EXPECT_EQ(RulerLength(RulerOrientation{0}, {30, 150}), 0);
    EXPECT_EQ(SizeForLength(roHorizontalBottom, {200, 30}, 3), (Size{5, 30}));
    EXPECT_EQ(SizeForLength(roVerticalRight, {30, 200}, 96), (Size{30, 96}));
}

struct TurnCase {
    RulerPose from;
    RulerPose to;
};

// (100, 200) as the window's corner, 200 x 30 lying, 30 x 200 standing.
constexpr TurnCase kRotations[] = {
    {{roHorizontalTop, {100, 200, 300, 230}}, {roVerticalRight, {70, 200, 100, 400}}},
    {{roHorizontalBottom, {100, 200, 300, 230}}, {roVerticalLeft, {100, 230, 130, 430}}},
    {{roVerticalRight, {100, 200, 130, 400}}, {roHorizontalTop, {130, 200, 330, 230}}},
    {{roVerticalLeft, {100, 200, 130, 400}}, {roHorizontalBottom, {100, 170, 300, 200}}},
};

constexpr TurnCase kFlips[] = {
    {{roHorizontalTop, {100, 200, 300, 230}}, {roHorizontalBottom, {100, 170, 300, 200}}},
    {{roHorizontalBottom, {100, 200, 300, 230}}, {roHorizontalTop, {100, 230, 300, 260}}},
    {{roVerticalRight, {100, 200, 130, 400}}, {roVerticalLeft, {130, 200, 160, 400}}},
    {{roVerticalLeft, {100, 200, 130, 400}}, {roVerticalRight, {70, 200, 100, 400}}},
};

TEST(RotateRuler, Table) {
    for (const auto& c : kRotations)
        EXPECT_EQ(Rotated(c.from), c.to) << c.from.orientation;
}

TEST(RotateRuler, TwiceRestoresTheBounds) {
    for (const auto& c : kRotations)
        EXPECT_EQ(Rotated(Rotated(c.from)), c.from);
}

TEST(FlipRuler, TableTwiceRestoresAndThePositionShownStays) {
    for (const auto& c : kFlips) {
        EXPECT_EQ(Flipped(c.from), c.to) << c.from.orientation;
        EXPECT_EQ(Flipped(Flipped(c.from)), c.from);
        EXPECT_EQ(DisplayedPosition(c.to.orientation, c.to.bounds),
                  DisplayedPosition(c.from.orientation, c.from.bounds))
            << c.from.orientation;
    }
    const RulerPose unknown{RulerOrientation{7}, {1, 2, 3, 4}};
    EXPECT_EQ(Flipped(unknown), unknown);
    EXPECT_EQ(Rotated(unknown), unknown);
}

struct PictureCase {
    RulerTurn turn;
    RulerOrientation to;
    const wchar_t* rotate;  // null: the rotate button keeps its pictures
    const wchar_t* flip;
};

constexpr PictureCase kTurnPictures[] = {
    {RulerTurn::Rotate, roVerticalRight, L"IMG_RULER_HORIZONTAL", L"IMG_RULER_VR"},
    {RulerTurn::Rotate, roVerticalLeft, L"IMG_RULER_HORIZONTAL", L"IMG_RULER_VL"},
    {RulerTurn::Rotate, roHorizontalTop, L"IMG_RULER_VERTICAL", L"IMG_RULER_HA"},
    {RulerTurn::Rotate, roHorizontalBottom, L"IMG_RULER_VERTICAL", L"IMG_RULER_HU"},
    {RulerTurn::Flip, roHorizontalBottom, nullptr, L"IMG_RULER_HU"},
    {RulerTurn::Flip, roHorizontalTop, nullptr, L"IMG_RULER_HA"},
    {RulerTurn::Flip, roVerticalLeft, nullptr, L"IMG_RULER_VL"},
    {RulerTurn::Flip, roVerticalRight, nullptr, L"IMG_RULER_VR"},
};

// A flip once also gave the rotate button the pictures of a rotation.
TEST(TurnPictures, RotationSetsBothButtonsAndAFlipOnlyTheFlipButton) {
    for (const PictureCase& c : kTurnPictures) {
        const TurnPictures p = PicturesAfter(c.turn, c.to);
        EXPECT_STREQ(p.flip, c.flip) << c.to;
        if (c.rotate) {
            ASSERT_TRUE(p.rotate.has_value()) << c.to;
            EXPECT_STREQ(*p.rotate, c.rotate) << c.to;
        } else {
            EXPECT_FALSE(p.rotate.has_value()) << "a flip to " << c.to;
        }
    }
}

TEST(RulerLine, OutsideTheGraduatedEdge) {
    const Rect lying = Rect::FromBounds(100, 200, 200, 30);
    const Rect standing = Rect::FromBounds(100, 200, 30, 200);
    EXPECT_EQ(MeasuredLine(roHorizontalTop, lying), (RulerLine{{100, 199}, {299, 199}}));
    EXPECT_EQ(MeasuredLine(roHorizontalBottom, lying), (RulerLine{{100, 230}, {299, 230}}));
    EXPECT_EQ(MeasuredLine(roVerticalRight, standing), (RulerLine{{130, 200}, {130, 399}}));
    EXPECT_EQ(MeasuredLine(roVerticalLeft, standing), (RulerLine{{99, 200}, {99, 399}}));
    EXPECT_FALSE(MeasuredLine(RulerOrientation{0}, lying).has_value());
    EXPECT_EQ(DisplayedPosition(roHorizontalTop, lying), (Point{100, 200}));
    EXPECT_EQ(DisplayedPosition(roHorizontalBottom, lying), (Point{100, 230}));
    EXPECT_EQ(DisplayedPosition(roVerticalRight, standing), (Point{129, 200}));
    EXPECT_EQ(DisplayedPosition(roVerticalLeft, standing), (Point{99, 200}));
    EXPECT_EQ(DisplayedPosition(RulerOrientation{9}, standing), (Point{0, 0}));
}

TEST(MoveRuler, HeldAtTheVirtualDesktopsLeftAndTopOnly) {
    EXPECT_EQ(ClampRulerPosition({-5, -9}, {0, 0, 1024, 768}), (Point{0, 0}));
    EXPECT_EQ(ClampRulerPosition({5000, 3000}, {0, 0, 1024, 768}), (Point{5000, 3000}));
    EXPECT_EQ(ClampRulerPosition({-1500, -50}, {-1280, -200, 1024, 768}), (Point{-1280, -50}));
}

TEST(DragMode, TheLastFourPixelsOfTheFarEndStretch) {
    EXPECT_EQ(DragModeAt(roHorizontalTop, {195, 10}, {200, 30}), kDragMove);
    EXPECT_EQ(DragModeAt(roHorizontalTop, {196, 10}, {200, 30}), kDragWidth);
    EXPECT_EQ(DragModeAt(roHorizontalBottom, {199, 29}, {200, 30}), kDragWidth);
    EXPECT_EQ(DragModeAt(roVerticalLeft, {25, 195}, {30, 200}), kDragMove);
    EXPECT_EQ(DragModeAt(roVerticalRight, {25, 196}, {30, 200}), kDragHeight);
    EXPECT_EQ(DragModeAt(roVerticalRight, {29, 10}, {30, 200}), kDragMove);
}

struct KeyCase {
    ArrowKey key;
    bool shift, ctrl, alt;
    RulerOrientation orientation;
    std::optional<KeyAction> action;
};

const KeyCase kKeys[] = {
    {ArrowKey::Left, false, false, false, roHorizontalTop, KeyAction{{-1, 0}, 0}},
    {ArrowKey::Right, false, false, false, roVerticalLeft, KeyAction{{1, 0}, 0}},
    {ArrowKey::Up, false, false, false, roHorizontalTop, KeyAction{{0, -1}, 0}},
    {ArrowKey::Down, false, true, false, roHorizontalTop, KeyAction{{0, 5}, 0}},
    {ArrowKey::Left, false, true, false, roHorizontalTop, KeyAction{{-5, 0}, 0}},
    {ArrowKey::Right, true, false, false, roHorizontalTop, KeyAction{{0, 0}, 1}},
    {ArrowKey::Left, true, true, false, roHorizontalBottom, KeyAction{{0, 0}, -5}},
    {ArrowKey::Down, true, false, false, roVerticalRight, KeyAction{{0, 0}, 1}},
    {ArrowKey::Up, true, true, false, roVerticalLeft, KeyAction{{0, 0}, -5}},
    {ArrowKey::Left, true, false, false, roVerticalLeft, std::nullopt},
    {ArrowKey::Up, true, false, false, roHorizontalTop, std::nullopt},
    {ArrowKey::Left, false, false, true, roHorizontalTop, std::nullopt},
    {ArrowKey::Left, true, true, true, roHorizontalTop, std::nullopt},
    {ArrowKey::Down, false, true, true, roVerticalLeft, std::nullopt},
};

TEST(RulerKeys, OnlyTheExactModifierSetsAct) {
    for (const auto& k : kKeys)
        EXPECT_EQ(KeyActionFor(k.key, k.shift, k.ctrl, k.alt, k.orientation), k.action)
            << static_cast<int>(k.key) << k.shift << k.ctrl << k.alt;
}

}  // namespace
}  // namespace vix
