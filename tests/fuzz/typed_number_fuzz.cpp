// Any typed text: the length and position parsers never fault, accept only
// ASCII digits, signs, the separator, an exponent and blanks, and what they
// accept as an integer has the value its digits spell.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/app_error.h"
#include "ruler/ruler_measure.h"

namespace {

bool Allowed(wchar_t c, wchar_t decimal) {
    return (c >= L'0' && c <= L'9') || c == L'+' || c == L'-' || c == L'e' || c == L'E' ||
           c == decimal || c <= L' ';
}

bool OnlyAllowed(const std::wstring& text, wchar_t decimal) {
    for (wchar_t c : text)
        if (!Allowed(c, decimal)) return false;
    return true;
}

// The integer the ASCII text spells, by hand; the parser has already said it
// fits in an int.
long long Spelled(const std::wstring& text) {
    long long value = 0;
    bool negative = false;
    for (wchar_t c : text) {
        if (c == L'-') negative = true;
        if (c >= L'0' && c <= L'9') value = value * 10 + (c - L'0');
        if (value > 1LL << 40) std::abort();
    }
    return negative ? -value : value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    // The first byte picks the separator and unit; the rest are UTF-16 units.
    const wchar_t decimal = (data[0] & 1) ? L',' : L'.';
    // kNoUnit .. 5: values outside the list too.
    const auto unit = static_cast<vix::RulerUnits>(data[0] % 7 - 1);
    std::wstring text;
    for (std::size_t i = 1; i + 1 < size; i += 2)
        text.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));

    const auto real = vix::ParseFloat(text, decimal);
    if (real && !OnlyAllowed(text, decimal)) std::abort();
    const auto integer = vix::ParseInteger(text);
    if (integer && (!OnlyAllowed(text, L'\0') || *integer != Spelled(text))) std::abort();
    try {
        const auto pixels = vix::TypedLength(text, unit, 96, 1024, decimal);
        if (!real) std::abort();
        if (pixels && (*pixels < -1000000000 || *pixels > 1000000000)) std::abort();
    } catch (const vix::AppError&) {
        if (real) std::abort();
    }
    return 0;
}
