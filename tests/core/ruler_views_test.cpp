#include "ruler/ruler_views.h"

#include <gtest/gtest.h>

#include "ruler/ruler_scale.h"

namespace vix {
namespace {

TEST(EndView, CentredOnThePointAndShiftedAtTheDesktopsEdges) {
    const Rect desktop{0, 0, 1024, 768};
    EXPECT_EQ(LayoutEndView({100, 100}, desktop).source, (Point{97, 97}));
    EXPECT_EQ(LayoutEndView({100, 100}, desktop).shift, (Point{0, 0}));
    const EndViewSource edge = LayoutEndView({1, 0}, desktop);
    EXPECT_EQ(edge.source, (Point{0, 0}));
    EXPECT_EQ(edge.shift, (Point{14, 21}));
    // Screen pixel 0 lands in cell 2, the point (1) in the centre cell 3.
    EXPECT_EQ(edge.shift.x + (1 - edge.source.x) * kEndViewZoom, 21);
    const EndViewSource left = LayoutEndView({-1279, 5}, {-1280, 0, 1024, 768});
    EXPECT_EQ(left.source, (Point{-1280, 2}));
    EXPECT_EQ(left.shift, (Point{14, 0}));
}

TEST(EndView, BeginViewOfARulerGraduatedOnTop) {
    const EndViewPiece p = SchematicPiece(roHorizontalTop, true);
    EXPECT_EQ(p.body, (Rect{21, 28, 49, 49}));
    const std::vector<Rect> black = {
        {21, 28, 22, 49}, {28, 28, 29, 33}, {35, 28, 36, 33}, {42, 28, 43, 33}};
    EXPECT_EQ(p.black, black);
}

TEST(EndView, EndViewOfARulerGraduatedOnTop) {
    const EndViewPiece p = SchematicPiece(roHorizontalTop, false);
    EXPECT_EQ(p.body, (Rect{0, 28, 28, 49}));
    const std::vector<Rect> black = {
        {27, 28, 28, 49}, {6, 28, 7, 33}, {13, 28, 14, 33}, {20, 28, 21, 33}};
    EXPECT_EQ(p.black, black);
}

TEST(EndView, OtherOrientations) {
    const EndViewPiece bottom = SchematicPiece(roHorizontalBottom, true);
    EXPECT_EQ(bottom.body, (Rect{21, 0, 49, 21}));
    EXPECT_EQ(bottom.black[1], (Rect{28, 16, 29, 21}));
    const EndViewPiece right = SchematicPiece(roVerticalRight, true);
    EXPECT_EQ(right.body, (Rect{0, 21, 21, 49}));
    EXPECT_EQ(right.black[0], (Rect{0, 21, 21, 22}));
    EXPECT_EQ(right.black[1], (Rect{16, 28, 21, 29}));
    const EndViewPiece left = SchematicPiece(roVerticalLeft, false);
    EXPECT_EQ(left.body, (Rect{28, 0, 49, 28}));
    EXPECT_EQ(left.black[0], (Rect{28, 27, 49, 28}));
    EXPECT_EQ(left.black[3], (Rect{28, 20, 33, 21}));
    EXPECT_TRUE(SchematicPiece(RulerOrientation{0}, true).black.empty());
}

}  // namespace
}  // namespace vix
