#pragma once

#include <string>

// Numbers as the user reads them: printf-style fixed-point formats with the
// user's decimal separator in place of the point.

namespace vix {

// `format` is a printf format for one double, such as "%3.1f" or "%.2f".
std::wstring FormatFixed(const char* format, double value, wchar_t decimal);

}  // namespace vix
