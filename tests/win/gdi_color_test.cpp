#include "platform/gdi_color.h"

#include <gtest/gtest.h>

#include <type_traits>

#include "color/color_gdi.h"
#include "ui/skin.h"

namespace vix {
namespace {

using platform::GdiColor;

// The portable colour word carries flags in its top byte: it must never
// reach GDI unconverted.
static_assert(!std::is_convertible_v<ColorWord, GdiColor>);
static_assert(!std::is_convertible_v<int, GdiColor>);
static_assert(std::is_convertible_v<COLORREF, GdiColor>);

TEST(GdiColor, ProgramColoursReachGdiWithoutTheirFlags) {
    const ColorWord sampled = MakeColor(0x12, 0x34, 0x56, kSampledFlag);
    EXPECT_EQ(ToGdi(sampled).Ref(), RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(FromGdi(ToGdi(sampled)), MakeColor(0x12, 0x34, 0x56));
    EXPECT_EQ(FromGdi(GdiColor::Rgb(255, 0, 128)), MakeColor(255, 0, 128));
}

TEST(GdiColor, DibPixelsHoldRedHighAndBlueLow) {
    EXPECT_EQ(GdiColor::Rgb(0x12, 0x34, 0x56).DibPixel(), 0x00123456u);
    EXPECT_EQ(platform::kWhite.DibPixel(), 0x00FFFFFFu);
    EXPECT_EQ(platform::kBlack.DibPixel(), 0u);
}

TEST(GdiColor, NoColourFallsBackAndAColourStays) {
    EXPECT_TRUE(platform::kNoColor.None());
    EXPECT_EQ(GdiColor(static_cast<COLORREF>(CLR_INVALID)), platform::kNoColor);
    EXPECT_EQ(platform::kNoColor.Or(platform::kWhite), platform::kWhite);
    EXPECT_FALSE(platform::kBlack.None());
    EXPECT_EQ(platform::kBlack.Or(platform::kWhite), platform::kBlack);
}

TEST(GdiColor, StoredSettingColoursResolveSystemColoursAndDropTheTopByte) {
    EXPECT_EQ(ui::ColorFromSetting(0x80000000u | COLOR_BTNFACE).Ref(),
              ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ui::ColorFromSetting(0x0200FFFFu), GdiColor::Rgb(255, 255, 0));
    EXPECT_EQ(ui::ColorFromSetting(0x00FFFFFFu), platform::kWhite);
}

}  // namespace
}  // namespace vix
