#pragma once

#include <array>
#include <cstdint>

// The colours the ruler colour list offers, as platform colour words (red
// in the low byte): the sixteen standard colours, named as the list shows
// them. A stored colour that is none of them is listed first, as "Custom".

namespace vix {

struct NamedColor {
    const wchar_t* name;
    std::uint32_t color;
};

inline constexpr std::array<NamedColor, 16> kRulerColors = {{
    {L"Black", 0x000000},
    {L"Maroon", 0x000080},
    {L"Green", 0x008000},
    {L"Olive", 0x008080},
    {L"Navy", 0x800000},
    {L"Purple", 0x800080},
    {L"Teal", 0x808000},
    {L"Gray", 0x808080},
    {L"Silver", 0xC0C0C0},
    {L"Red", 0x0000FF},
    {L"Lime", 0x00FF00},
    {L"Yellow", 0x00FFFF},
    {L"Blue", 0xFF0000},
    {L"Fuchsia", 0xFF00FF},
    {L"Aqua", 0xFFFF00},
    {L"White", 0xFFFFFF},
}};

}  // namespace vix
