#include "ruler/ruler_scale.h"

#include <cmath>

namespace vix {
namespace {

constexpr wchar_t kHalf[] = L"\u00BD";  // the glyph 0xBD of code page 1252

// The tick kind of step j of a scaled unit.
Tick ScaledTick(RulerUnits unit, int j, int p) {
    switch (unit) {
        case kInches:
            if (j > 0 && j % 4 == 0) return {p, kLongTick, std::to_wstring(j / 4)};
            if (j % 4 == 2)
                return {p, kMediumTick, j == 2 ? kHalf : std::to_wstring((j - 2) / 4) + kHalf};
            return {p, kShortTick, {}};
        case kCentimetres:
            if (j > 0 && j % 2 == 0) return {p, kLongTick, std::to_wstring(j / 2)};
            return {p, kMediumTick, {}};
        case kPicas:
            if (j > 0 && j % 6 == 0) return {p, kLongTick, std::to_wstring(j)};
            return {p, kMediumTick, {}};
        default:  // percent
            if (j > 0 && j % 10 == 0) return {p, kLongTick, std::to_wstring(j)};
            if (j % 10 == 5) return {p, kMediumTick, std::to_wstring(j)};
            return {p, kShortTick, {}};
    }
}

double StepOf(RulerUnits unit, int dpi, int screenSize) {
    switch (unit) {
        case kInches: return dpi / 4.0;
        case kCentimetres: return dpi / 5.08;
        case kPicas: return dpi / 6.0;
        default: return screenSize / 100.0;
    }
}

}  // namespace

std::vector<Tick> RulerTicks(RulerUnits unit, int length, int dpi, int screenSize) {
    std::vector<Tick> ticks;
    if (unit == kPixels) {
        for (int j = 0; 5 * j < length - 1; ++j) {
            const int p = 5 * j;
            if (j % 2 == 1)
                ticks.push_back({p, kShortTick, {}});
            else if (j > 0 && j % 10 == 0)
                ticks.push_back({p, kLongTick, std::to_wstring(p)});
            else
                ticks.push_back({p, kMediumTick, {}});
        }
        return ticks;
    }
    if (unit < kInches || unit > kPercent) return ticks;
    const double step = StepOf(unit, dpi, screenSize);
    // Pixel by pixel: tick j falls on the first pixel at or past the nearest
    // integer (halves to even) of j x step, at most one per pixel.
    int j = 0;
    for (int p = 0; p < length - 1; ++p) {
        const double at = static_cast<double>(j) * step;
        if (p >= std::nearbyint(at)) ticks.push_back(ScaledTick(unit, j++, p));
    }
    return ticks;
}

TickLine TickPixels(RulerOrientation orientation, int p, int length, Size c) {
    switch (orientation) {
        case roHorizontalTop: return {{p, 0}, {p, length - 1}};
        case roHorizontalBottom: return {{p, c.height - length}, {p, c.height - 1}};
        case roVerticalRight: return {{c.width - length, p}, {c.width - 1, p}};
        default: return {{0, p}, {length - 1, p}};
    }
}

Point LabelPlace(RulerOrientation orientation, int p, int width, Size c) {
    const int half = width / 2;  // toward zero
    switch (orientation) {
        case roHorizontalTop: return {p - half, 12};
        case roHorizontalBottom: return {p - half, 4};
        case roVerticalRight: return {c.width - 9, p - half};
        default: return {23, p - half};
    }
}

}  // namespace vix
