#include "spacing/spacing_measure.h"

#include <algorithm>
#include <cstdlib>

namespace vix {

SpacingMode NextMode(SpacingMode mode) {
    switch (mode) {
        case SpacingMode::BothSpans: return SpacingMode::Horizontal;
        case SpacingMode::Horizontal: return SpacingMode::Vertical;
        case SpacingMode::Vertical: return SpacingMode::Box;
        case SpacingMode::Box: break;
    }
    return SpacingMode::BothSpans;
}

std::wstring_view ModeName(SpacingMode mode) {
    switch (mode) {
        case SpacingMode::BothSpans: return L"Both spans";
        case SpacingMode::Horizontal: return L"Horizontal";
        case SpacingMode::Vertical: return L"Vertical";
        case SpacingMode::Box: return L"Box";
    }
    return {};
}

int ToleranceAfterWheel(int tolerance, int wheelDelta) {
    // A touchpad's turn of less than a notch still moves one step, or the
    // tolerance could not be changed with one.
    int notches = wheelDelta / 120;
    if (notches == 0 && wheelDelta != 0) notches = wheelDelta > 0 ? 1 : -1;
    return std::clamp(tolerance + notches * kToleranceStep, 0, kMaxTolerance);
}

std::wstring ModeLine(SpacingMode mode, int tolerance) {
    return std::wstring(ModeName(mode)) + L", Tolerance: " + std::to_wstring(tolerance);
}

EdgeSpans BoxBetween(Point from, Point to) {
    return {.left = std::min(from.x, to.x),
            .right = std::max(from.x, to.x),
            .top = std::min(from.y, to.y),
            .bottom = std::max(from.y, to.y)};
}

std::wstring MeasureLabel(const EdgeSpans& spans, SpacingMode mode, const LengthFormat& format) {
    const RulerUnits unit = format.unit == kNoUnit ? kPixels : format.unit;
    const auto length = [&](int n, int desktopSize) {
        return LengthInUnit(n, unit, format.dpi, std::max(desktopSize, 1), format.decimal);
    };
    std::wstring text;
    if (MeasuresWidth(mode)) text = length(spans.Width(), format.desktop.width);
    if (MeasuresWidth(mode) && MeasuresHeight(mode)) text += L" \u00D7 ";
    if (MeasuresHeight(mode)) text += length(spans.Height(), format.desktop.height);
    return text + L' ' + std::wstring(UnitSymbol(unit));
}

}  // namespace vix
