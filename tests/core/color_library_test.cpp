#include "color/color_library.h"

#include <gtest/gtest.h>

#include <vector>

namespace vix {
namespace {

ColorWord Sample(int i) {
    return MakeColor(static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i * 2),
                     static_cast<std::uint8_t>(255 - i), kSampledFlag);
}

TEST(ColorLibrary, NewestFirstAndTheThirtySixthPushesTheOldestOut) {
    ColorLibrary library;
    for (int i = 0; i < 36; ++i)
        EXPECT_TRUE(library.Newcolor(Sample(i), false));
    EXPECT_EQ(library.Count(), 35);
    EXPECT_EQ(library.Entry(0), Sample(35));
    EXPECT_EQ(library.Entry(34), Sample(1));
    const LibraryRecord r = library.Record();
    EXPECT_EQ(r[105], 35);
    EXPECT_EQ(r[0], 35);
    EXPECT_EQ(r[102], 1);
}

TEST(ColorLibrary, DoublesAreKeptOutUnlessAllowed) {
    ColorLibrary library;
    library.Newcolor(Sample(1), false);
    library.Newcolor(Sample(2), false);
    EXPECT_FALSE(library.Newcolor(Sample(1), false));
    EXPECT_EQ(library.Count(), 2);
    EXPECT_EQ(library.Entry(0), Sample(2)) << "nothing moves";
    EXPECT_TRUE(library.Newcolor(Sample(1), true));
    EXPECT_EQ(library.Count(), 3);
    EXPECT_EQ(library.Entry(0), Sample(1));
}

TEST(ColorLibrary, RestoredColourEqualsAFreshSampleOfTheSameComponents) {
    ColorLibrary library = ColorLibrary::FromRecord(ColorLibrary().Record());
    library.Newcolor(Sample(7), false);
    ColorLibrary restored = ColorLibrary::FromRecord(library.Record());
    EXPECT_EQ(restored.Entry(0) >> 24, 0u);
    EXPECT_FALSE(restored.Newcolor(Sample(7), false));
    EXPECT_EQ(restored.Count(), 1);
}

TEST(ColorLibrary, RecordOfThreeColoursByteForByte) {
    ColorLibrary library;
    library.Newcolor(MakeColor(1, 2, 3, 2), false);
    library.Newcolor(MakeColor(4, 5, 6, 2), false);
    library.Newcolor(MakeColor(7, 8, 9, 2), false);
    LibraryRecord expected{};
    const std::uint8_t head[] = {7, 8, 9, 4, 5, 6, 1, 2, 3};
    std::copy(std::begin(head), std::end(head), expected.begin());
    expected[105] = 3;
    EXPECT_EQ(library.Record(), expected);
    EXPECT_EQ(ColorLibrary::FromRecord(expected).Record(), expected);
}

TEST(ColorLibrary, ColorTableIsTheEntriesThenWhite) {
    ColorLibrary library;
    library.Newcolor(MakeColor(1, 2, 3), false);
    library.Newcolor(MakeColor(4, 5, 6), false);
    library.Newcolor(MakeColor(7, 8, 9), false);
    const ColorTable table = library.ColorTableBytes();
    const std::vector<std::uint8_t> head(table.begin(), table.begin() + 9);
    EXPECT_EQ(head, (std::vector<std::uint8_t>{7, 8, 9, 4, 5, 6, 1, 2, 3}));
    EXPECT_TRUE(std::all_of(table.begin() + 9, table.end(), [](auto b) { return b == 0xFF; }));
    const ColorTable empty = ColorLibrary().ColorTableBytes();
    EXPECT_TRUE(std::all_of(empty.begin(), empty.end(), [](auto b) { return b == 0xFF; }));
}

struct StoredCase {
    const char* what;
    std::vector<std::uint8_t> bytes;
    int count;
};

std::vector<std::uint8_t> Stored(std::size_t size, std::uint8_t countByte) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i + 1);
    if (size >= 106) bytes[105] = countByte;
    return bytes;
}

TEST(ColorLibrary, StoredValuesOfAnySizeAreReadWithinTheirBytes) {
    const StoredCase cases[] = {
        {"sound record", Stored(106, 4), 4},
        {"count above 35", Stored(106, 200), 35},
        {"count of exactly 35", Stored(106, 35), 35},
        {"short value without count", Stored(10, 0), 3},
        {"two bytes", Stored(2, 0), 0},
        {"empty", {}, 0},
        {"longer value, count at 105", Stored(300, 2), 2},
    };
    for (const auto& c : cases) {
        const ColorLibrary library = ColorLibrary::FromRecord(c.bytes);
        EXPECT_EQ(library.Count(), c.count) << c.what;
        if (c.count > 0) EXPECT_EQ(library.Entry(0), MakeColor(1, 2, 3)) << c.what;
        EXPECT_EQ(library.Record()[105], c.count) << c.what << ": rewritten sound";
    }
}

TEST(ColorLibrary, GridCellsRunAlongTheRows) {
    ColorLibrary library;
    for (int i = 0; i < 9; ++i)
        library.Newcolor(Sample(i), false);
    EXPECT_TRUE(library.CheckLibColor(0, 0));
    EXPECT_EQ(library.GiveLibColor(0, 0), Sample(8));
    EXPECT_EQ(library.GiveLibColor(1, 1), Sample(0));  // entry 8
    EXPECT_TRUE(library.CheckLibColor(1, 1));
    EXPECT_FALSE(library.CheckLibColor(2, 1));
    EXPECT_FALSE(library.CheckLibColor(7, 0));
    EXPECT_FALSE(library.CheckLibColor(-1, 0));
}

TEST(HoverCell, TheAreaReachesOnePixelLeftAndFourAbove) {
    EXPECT_EQ(HoverCell(-1, -4), (GridCell{0, 0}));
    EXPECT_EQ(HoverCell(104, 69), (GridCell{6, 4}));
    EXPECT_EQ(HoverCell(14, 13), (GridCell{0, 0}));
    EXPECT_EQ(HoverCell(15, 14), (GridCell{1, 1}));
    EXPECT_EQ(HoverCell(103, 55), (GridCell{6, 3}));
    EXPECT_FALSE(HoverCell(-2, 0));
    EXPECT_FALSE(HoverCell(105, 0));
    EXPECT_FALSE(HoverCell(0, -5));
    EXPECT_FALSE(HoverCell(0, 70));
}

}  // namespace
}  // namespace vix
