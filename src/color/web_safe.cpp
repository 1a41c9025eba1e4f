#include "color/web_safe.h"

namespace vix {

std::uint8_t RoundToWebSafe(std::uint8_t v) {
    if (v % 51 == 0) return v;
    const int above = (v / 51 + 1) * 51;  // the first level above v
    return static_cast<std::uint8_t>(v > above - 25 ? above : above - 51);
}

ColorWord WebSafeColor(ColorWord c) {
    return MakeColor(RoundToWebSafe(Red(c)), RoundToWebSafe(Green(c)), RoundToWebSafe(Blue(c)),
                     static_cast<std::uint8_t>(c >> 24));
}

}  // namespace vix
