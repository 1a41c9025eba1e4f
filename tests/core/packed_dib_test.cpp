#include "capture/packed_dib.h"

#include <gtest/gtest.h>

#include "test_picture.h"

namespace vix {
namespace {

TEST(PackedDib, HeaderThenBottomRowFirstEachRowFilledToFourBytes) {
    test::TestPicture p(2, 2);
    p.at(0, 0) = 0x112233;  // top left
    p.at(1, 0) = 0x445566;
    p.at(0, 1) = 0x778899;                // bottom left
    p.at(1, 1) = 0xAABBCC | 0xFF000000u;  // the fourth byte is not kept
    const auto dib = PackedDib(p.view());
    ASSERT_TRUE(dib);
    const std::vector<std::uint8_t> expected = {
        40,   0,    0,    0,    2,    0,    0,  0,
        2,    0,    0,    0,    1,    0,    24, 0,  // size, width, height, planes, bits
        0,    0,    0,    0,    16,   0,    0,  0,  // BI_RGB, 2 rows of 8 bytes
        0,    0,    0,    0,    0,    0,    0,  0,
        0,    0,    0,    0,    0,    0,    0,  0,  // resolution, colours
        0x99, 0x88, 0x77, 0xCC, 0xBB, 0xAA, 0,  0,  // bottom row, blue first
        0x33, 0x22, 0x11, 0x66, 0x55, 0x44, 0,  0,  // top row
    };
    EXPECT_EQ(*dib, expected);
}

TEST(PackedDib, RowsOfFourPixelsNeedNoFillAndNothingComesOfAnEmptyPicture) {
    const auto dib = PackedDib(test::Pattern(4, 3).view());
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib->size(), 40u + 3 * 12);
    EXPECT_FALSE(PackedDib(PixelView{}));
}

}  // namespace
}  // namespace vix
