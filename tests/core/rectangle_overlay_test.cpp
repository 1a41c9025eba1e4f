#include "capture/rectangle_overlay.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vix {
namespace {

// The region of the smallest overlay a drag leaves (26 x 26), pixel by pixel.
const char* const kRegion26[] = {
    "########.########.########",  // 0
    "########.########.########", "##....##.##....##.##....##", "##....##.##....##.##....##",
    "##..##################..##",  // 4: the frame line's top row
    "##..#................#..##", "#####................#####", "#####................#####",
    "....#................#....",  // 8
    "#####................#####",  // 9: the side handles
    "#####................#####", "##..#................#..##", "##..#................#..##",
    "##..#................#..##", "##..#................#..##", "#####................#####",
    "#####................#####",
    "....#................#....",  // 17
    "#####................#####", "#####................#####", "##..#................#..##",
    "##..##################..##",  // 21: the frame line's bottom row
    "##....##.##....##.##....##", "##....##.##....##.##....##", "########.########.########",
    "########.########.########",  // 25
};

TEST(OverlayRegion, TwentySixSquareByThePixel) {
    const Size w{26, 26};
    for (int y = 0; y < 26; ++y) {
        std::string row;
        for (int x = 0; x < 26; ++x)
            row += InOverlayRegion(w, {x, y}) ? '#' : '.';
        EXPECT_EQ(row, kRegion26[y]) << "row " << y;
    }
}

TEST(OverlayRegion, HandlesAndFrameLineOfA200Square) {
    const auto squares = HandleSquares({200, 200});
    const std::array<Rect, 8> expected{{{0, 0, 8, 8},
                                        {192, 0, 200, 8},
                                        {0, 192, 8, 200},
                                        {192, 192, 200, 200},
                                        {0, 96, 8, 104},
                                        {192, 96, 200, 104},
                                        {96, 0, 104, 8},
                                        {96, 192, 104, 200}}};
    EXPECT_EQ(squares, expected);
    // The frame line: columns 4 and 195, rows 4 and 195, nothing inside it.
    for (int i = 4; i <= 195; ++i) {
        EXPECT_TRUE(InOverlayRegion({200, 200}, {i, 4}));
        EXPECT_TRUE(InOverlayRegion({200, 200}, {4, i}));
        EXPECT_TRUE(InOverlayRegion({200, 200}, {195, i}));
        EXPECT_TRUE(InOverlayRegion({200, 200}, {i, 195}));
        EXPECT_FALSE(InOverlayRegion({200, 200}, {i == 4 || i == 195 ? 100 : i, 100}));
    }
    EXPECT_FALSE(InOverlayRegion({200, 200}, {3, 50})) << "outside the line, between handles";
    EXPECT_FALSE(InOverlayRegion({200, 200}, {196, 196})) << "the bottom-right handle's inner part";
    EXPECT_TRUE(InOverlayRegion({200, 200}, {198, 196}));
}

TEST(OverlayRegion, TheRectanglesCoverExactlyTheRegionForAnySize) {
    for (const Size w : {Size{26, 26}, Size{27, 31}, Size{18, 18}, Size{200, 200}, Size{449, 219},
                         Size{9, 12}, Size{3, 3}, Size{26, 300}}) {
        std::vector<char> painted(static_cast<std::size_t>(w.width * w.height), 0);
        for (const Rect& r : OverlayRegion(w))
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x) {
                    ASSERT_TRUE(x >= 0 && y >= 0 && x < w.width && y < w.height);
                    painted[static_cast<std::size_t>(y * w.width + x)] = 1;
                }
        for (int y = 0; y < w.height; ++y)
            for (int x = 0; x < w.width; ++x)
                ASSERT_EQ(painted[static_cast<std::size_t>(y * w.width + x)] != 0,
                          InOverlayRegion(w, {x, y}))
                    << w.width << " x " << w.height << " at " << x << "," << y;
    }
}

TEST(Dashes, FiveBlackFiveWhiteMarchingOnePixelATick) {
    std::string top;
    for (int x = 4; x < 24; ++x)
        top += DashIsBlack(x, 0) ? 'B' : 'w';
    EXPECT_EQ(top, "BwwwwwBBBBBwwwwwBBBB");
    int phase = 0;
    for (int tick = 0; tick < 25; ++tick) {
        const int next = NextDashPhase(phase);
        EXPECT_EQ(next, (phase + 9) % 10);
        for (int c = -20; c < 40; ++c)
            EXPECT_EQ(DashIsBlack(c, next), DashIsBlack(c - 1, phase)) << "tick " << tick;
        phase = next;
    }
}

Ink RunsInk(const std::vector<InkRun>& runs, Point p) {
    Ink ink = Ink::kNone;
    for (const InkRun& r : runs)
        if (r.rect.contains(p)) ink = r.black ? Ink::kBlack : Ink::kWhite;
    return ink;
}

TEST(OverlayInk, TheFramePixelsOfA200SquareAtEachPhase) {
    const Size w{200, 200};
    for (int phase = 0; phase < 10; ++phase) {
        for (int c = 4; c < 195; ++c) {
            const Ink dash = DashIsBlack(c, phase) ? Ink::kBlack : Ink::kWhite;
            EXPECT_EQ(OverlayInk(w, phase, {c, 4}), dash);
            EXPECT_EQ(OverlayInk(w, phase, {c, 195}), dash);
            EXPECT_EQ(OverlayInk(w, phase, {4, c}), dash);
            EXPECT_EQ(OverlayInk(w, phase, {195, c}), dash);
        }
        EXPECT_EQ(OverlayInk(w, phase, {195, 195}), Ink::kWhite) << "no line reaches it";
    }
    EXPECT_EQ(OverlayInk(w, 0, {0, 0}), Ink::kBlack);
    EXPECT_EQ(OverlayInk(w, 0, {1, 1}), Ink::kWhite);
    EXPECT_EQ(OverlayInk(w, 0, {7, 1}), Ink::kBlack);
    EXPECT_EQ(OverlayInk(w, 0, {199, 100}), Ink::kBlack);
    EXPECT_EQ(OverlayInk(w, 0, {198, 99}), Ink::kWhite);
    EXPECT_EQ(OverlayInk(w, 0, {50, 50}), Ink::kNone);
}

TEST(DashRuns, PaintTheFrameLineAsTheInkSaysForAnySize) {
    for (const Size w : {Size{26, 26}, Size{27, 33}, Size{200, 200}, Size{449, 219}, Size{9, 9}}) {
        for (int phase = 0; phase < 10; ++phase) {
            const auto runs = DashRuns(w, phase);
            for (const InkRun& r : runs) {
                EXPECT_TRUE(r.rect.width() == 1 || r.rect.height() == 1);
                EXPECT_LE(r.rect.width() * r.rect.height(), 5);
            }
            const int r = w.width - 5, b = w.height - 5;
            for (int y = 0; y < w.height; ++y)
                for (int x = 0; x < w.width; ++x) {
                    const Ink painted = RunsInk(runs, {x, y});
                    if (painted != Ink::kNone) {
                        EXPECT_EQ(painted, OverlayInk(w, phase, {x, y}))
                            << w.width << " x " << w.height << " phase " << phase << " at " << x
                            << "," << y;
                    } else if (x == 4 || x == r || y == 4 || y == b) {
                        const bool onLine = x >= 4 && x <= r && y >= 4 && y <= b;
                        EXPECT_TRUE(!onLine || (x == r && y == b)) << x << "," << y;
                    }
                }
        }
    }
}

}  // namespace
}  // namespace vix
