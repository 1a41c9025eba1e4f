#pragma once

// Typed numbers that must be refused: digits of other scripts and full-width
// digits, alone or mixed with ASCII ones. The platform's digit test accepts
// them, and keeping their low byte once read "\u0661\u0662\u0663" as 5 pixels
// and "2\u06653" as 2000. Shared by the native and the Windows tests, since
// only the Windows C library classified them as digits.

namespace vix::test {

inline constexpr const wchar_t* kForeignDigitTexts[] = {
    L"\u0661\u0662\u0663",  // Arabic-Indic 123
    L"\uFF11\uFF12\uFF13",  // full-width 123
    L"2\u06653",            // an Arabic-Indic 5 between ASCII digits
    L"\u0967\u0968",        // Devanagari 12
    L"1\uFF10",             // 1 and a full-width 0
    L"\u00B2",              // superscript two
    L"1.\u0665",            // a foreign digit after the separator
    L"1e\u0662",            // a foreign digit in the exponent
    L"\uFF0D5",             // a full-width minus
};

}  // namespace vix::test
