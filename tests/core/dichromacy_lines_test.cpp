#include "color/dichromacy_lines.h"

#include <gtest/gtest.h>

namespace vix {
namespace {

// Worked out separately in Python from the data file's 100 % rows, in
// double, with the WCAG 2.x ratio truncated by hand. Red on black passes
// for normal vision (5.25:1 AA) and only reaches "AA large" for protanopia;
// greys stay as they are, and a pair at 3.60:1 for normal vision fails.
TEST(DichromacyLines, TheLastSampleAsSeenAndTheContrastOfTheLastTwo) {
    const ColorWord black = MakeColor(0, 0, 0), red = MakeColor(255, 0, 0, kSampledFlag);
    const struct {
        Vision vision;
        ColorWord sample;
        std::optional<ColorWord> before;
        wchar_t decimal;
        const wchar_t* line;
    } cases[] = {{Vision::Protanopia, red, std::nullopt, L'.', L"Protanopia: #6D5F00"},
                 {Vision::Protanopia, red, black, L'.', L"Protanopia: #6D5F00 3.28:1 AA large"},
                 {Vision::Deuteranopia, red, black, L'.', L"Deuteranopia: #A39000 6.54:1 AA"},
                 {Vision::Tritanopia, red, black, L'.', L"Tritanopia: #FF000F 5.25:1 AA"},
                 {Vision::Protanopia, MakeColor(30, 30, 30), MakeColor(220, 50, 50), L',',
                  L"Protanopia: #1E1E1E 2,52:1 fails"}};
    for (const auto& c : cases)
        EXPECT_EQ(DichromacyLine(c.vision, c.sample, c.before, c.decimal), c.line);
    EXPECT_EQ(SeenAs(Vision::Deuteranopia, MakeColor(255, 255, 255, kSampledFlag)),
              MakeColor(255, 255, 255));
}

}  // namespace
}  // namespace vix
