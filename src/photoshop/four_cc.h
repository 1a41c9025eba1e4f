#pragma once

#include <cstdint>
#include <string>

// Photoshop names its events, keys, classes, units and enumerations with
// 32-bit codes of four ASCII characters, the first in the most significant
// byte: 'Rd  ' is 0x52642020. Shorter names are padded with spaces.

namespace vix {

using FourCC = std::uint32_t;

// Packs exactly four characters, spaces spelled out: MakeFourCC("Rd  ").
consteval FourCC MakeFourCC(const char (&text)[5]) {
    FourCC code = 0;
    for (int i = 0; i < 4; ++i)
        code = (code << 8) | static_cast<unsigned char>(text[i]);
    return code;
}

// The four characters of `code`, trailing spaces kept; bytes outside
// printable ASCII come out as '?', so a code never breaks a line of text.
std::string FourCCText(FourCC code);
// The code spelled by exactly four printable ASCII characters, or 0.
FourCC ParseFourCC(const std::string& text);

// The codes this program sends.
namespace ps {
inline constexpr FourCC kSet = MakeFourCC("setd");
inline constexpr FourCC kMake = MakeFourCC("Mk  ");
inline constexpr FourCC kPaste = MakeFourCC("past");
inline constexpr FourCC kTarget = MakeFourCC("null");
inline constexpr FourCC kTo = MakeFourCC("T   ");
inline constexpr FourCC kColor = MakeFourCC("Clr ");
inline constexpr FourCC kForeground = MakeFourCC("FrgC");
inline constexpr FourCC kBackground = MakeFourCC("BckC");
inline constexpr FourCC kRgbColor = MakeFourCC("RGBC");
inline constexpr FourCC kRed = MakeFourCC("Rd  ");
inline constexpr FourCC kGreen = MakeFourCC("Grn ");
inline constexpr FourCC kBlue = MakeFourCC("Bl  ");
inline constexpr FourCC kNew = MakeFourCC("Nw  ");
inline constexpr FourCC kDocument = MakeFourCC("Dcmn");
inline constexpr FourCC kName = MakeFourCC("Nm  ");
inline constexpr FourCC kMode = MakeFourCC("Md  ");
inline constexpr FourCC kRgbMode = MakeFourCC("RGBM");
inline constexpr FourCC kWidth = MakeFourCC("Wdth");
inline constexpr FourCC kHeight = MakeFourCC("Hght");
inline constexpr FourCC kPixelUnit = MakeFourCC("#Rlt");
inline constexpr FourCC kResolution = MakeFourCC("Rslt");
inline constexpr FourCC kResolutionUnit = MakeFourCC("#Rsl");
inline constexpr FourCC kFill = MakeFourCC("Fl  ");
inline constexpr FourCC kTransparent = MakeFourCC("Trns");
inline constexpr FourCC kLayer = MakeFourCC("Lyr ");
inline constexpr FourCC kUsing = MakeFourCC("Usng");
inline constexpr FourCC kOpacity = MakeFourCC("Opct");
inline constexpr FourCC kPercentUnit = MakeFourCC("#Prc");
inline constexpr FourCC kBlendMode = MakeFourCC("BlnM");
inline constexpr FourCC kNormal = MakeFourCC("Nrml");
inline constexpr FourCC kGroup = MakeFourCC("Grup");
inline constexpr FourCC kMessage = MakeFourCC("Msge");
}  // namespace ps

}  // namespace vix
