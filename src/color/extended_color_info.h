#pragma once

#include <cstdint>
#include <string>

#include "color/color_value.h"

// The extended colour information (the unit extcolorinfounit): CMYK and hue,
// saturation, brightness.

namespace vix {

struct Cmyk {
    std::uint8_t c, m, y, k;
    friend bool operator==(const Cmyk&, const Cmyk&) = default;
};

// On bytes: c, m, y are the complements, k their smallest, taken from each.
Cmyk RGBToCMYK(std::uint8_t r, std::uint8_t g, std::uint8_t b);

struct Hsb {
    float h;  // degrees, -1 for no hue (greys)
    float s;  // 0 to 1
    float v;  // the largest component, 0 to 255
};

// In 32-bit floats, red tested first, then green, for a shared maximum.
Hsb RGBToHSB(float r, float g, float b);

// Rounds to the nearest integer, halves to the even neighbour.
long RoundHalfEven(double x);

// The seven texts of the extended information section.
struct ExtendedTexts {
    std::wstring c, m, y, k;  // "0%" .. "100%"
    std::wstring h;           // "-" or the hue and the degree sign
    std::wstring s, b;        // "12%"
    friend bool operator==(const ExtendedTexts&, const ExtendedTexts&) = default;
};

ExtendedTexts ExtendedInfo(ColorWord c);

}  // namespace vix
