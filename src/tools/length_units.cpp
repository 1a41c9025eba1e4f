#include "tools/length_units.h"

#include "common/number_text.h"

namespace vix {
namespace {

std::wstring Fixed2(double v, wchar_t decimal) { return FormatFixed("%.2f", v, decimal); }

}  // namespace

std::wstring_view UnitSymbol(RulerUnits unit) {
    switch (unit) {
        case kPixels: return L"px";
        case kInches: return L"in";
        case kCentimetres: return L"cm";
        case kPicas: return L"pc";
        case kPercent: return L"%";
        default: return {};
    }
}

RulerLengths LengthsOf(int n, int dpi, int desktopSize, wchar_t decimal) {
    const double inches = static_cast<double>(n) / dpi;
    return {std::to_wstring(n), Fixed2(inches, decimal), Fixed2(inches * 2.54, decimal),
            Fixed2(inches * 6, decimal),
            Fixed2(static_cast<double>(n) / desktopSize * 100, decimal)};
}

std::wstring RulerLengths::InUnit(RulerUnits unit) const {
    switch (unit) {
        case kPixels: return pixels;
        case kInches: return inches;
        case kCentimetres: return centimetres;
        case kPicas: return picas;
        case kPercent: return percent;
        default: return {};
    }
}

std::wstring LengthInUnit(int n, RulerUnits unit, int dpi, int desktopSize, wchar_t decimal) {
    return LengthsOf(n, dpi, desktopSize, decimal).InUnit(unit);
}

}  // namespace vix
