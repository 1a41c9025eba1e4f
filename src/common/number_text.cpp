#include "common/number_text.h"

#include <cstdio>

namespace vix {

std::wstring FormatFixed(const char* format, double value, wchar_t decimal) {
    char buffer[64];
    std::snprintf(buffer, sizeof(buffer), format, value);
    std::wstring text;
    for (const char* c = buffer; *c; ++c)
        text.push_back(*c == '.' ? decimal : wchar_t(*c));
    return text;
}

}  // namespace vix
