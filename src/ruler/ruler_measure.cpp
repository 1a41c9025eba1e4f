#include "ruler/ruler_measure.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "common/app_error.h"
#include "common/number_text.h"
#include "ruler/ruler_scale.h"

namespace vix {
namespace {

// Only the ASCII digits are digits here: the platform's classification also
// takes Arabic-Indic, full-width and other Unicode digits, whose low byte is
// not their value.
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

std::wstring Trimmed(const std::wstring& text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && text[begin] <= L' ')
        ++begin;
    while (end > begin && text[end - 1] <= L' ')
        --end;
    return text.substr(begin, end - begin);
}

}  // namespace

std::optional<double> ParseFloat(const std::wstring& raw, wchar_t decimal) {
    const std::wstring text = Trimmed(raw);
    std::string ascii;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) ascii.push_back(char(text[i++]));
    std::size_t digits = 0;
    bool separator = false;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            ascii.push_back(char(text[i]));
            ++digits;
        } else if (text[i] == decimal && !separator) {
            ascii.push_back('.');
            separator = true;
        } else {
            break;
        }
    }
    if (digits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        ascii.push_back('e');
        ++i;
        if (i < text.size() && (text[i] == L'+' || text[i] == L'-'))
            ascii.push_back(char(text[i++]));
        std::size_t expDigits = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i, ++expDigits)
            ascii.push_back(char(text[i]));
        if (expDigits == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    const double value = std::strtod(ascii.c_str(), nullptr);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<int> ParseInteger(const std::wstring& raw) {
    const std::wstring text = Trimmed(raw);
    std::size_t i = 0;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) ++i;
    if (i == text.size()) return std::nullopt;
    for (std::size_t k = i; k < text.size(); ++k)
        if (!IsDigit(text[k])) return std::nullopt;
    errno = 0;
    const long long value = std::wcstoll(text.c_str(), nullptr, 10);
    if (errno == ERANGE || value < INT_MIN || value > INT_MAX) return std::nullopt;
    return static_cast<int>(value);
}

std::optional<int> TypedLength(const std::wstring& text, RulerUnits unit, int dpi, int desktopSize,
                               wchar_t decimal) {
    const auto v = ParseFloat(text, decimal);
    if (!v) throw AppError(L"'" + text + L"' is not a valid floating point value");
    double pixels;
    switch (unit) {
        case kPixels: pixels = *v; break;
        case kInches: pixels = dpi * *v; break;
        case kCentimetres: pixels = dpi * *v / 2.54; break;
        case kPicas: pixels = dpi * *v / 6; break;
        case kPercent: pixels = desktopSize * *v / 100; break;
        default: return std::nullopt;
    }
    // Far beyond any screen: held where an integer can take it.
    pixels = std::clamp(pixels, -1e9, 1e9);
    return static_cast<int>(std::nearbyint(pixels));
}

}  // namespace vix
