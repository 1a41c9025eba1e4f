// Typed numbers: whatever is typed, a text read as a number holds nothing but
// blanks, a sign, the digits 0 to 9, the decimal separator and an exponent,
// and the number is finite.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ruler/ruler_measure.h"

namespace {

bool Allowed(wchar_t c, wchar_t decimal) {
    return (c >= L'0' && c <= L'9') || c == L'+' || c == L'-' || c == L'e' || c == L'E' ||
           c == decimal || c <= L' ';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Two bytes a character, so that any UTF-16 unit can appear.
    std::wstring text;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
    for (wchar_t decimal : {L'.', L','}) {
        const auto value = vix::ParseFloat(text, decimal);
        if (value) {
            if (!std::isfinite(*value)) std::abort();
            for (wchar_t c : text)
                if (!Allowed(c, decimal)) std::abort();
        }
    }
    if (vix::ParseInteger(text)) {
        for (wchar_t c : text)
            if (!Allowed(c, L'\0') || c == L'e' || c == L'E') std::abort();
    }
    return 0;
}
