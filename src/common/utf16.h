#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Text inside the program is std::wstring: UTF-16 on Windows. The portable
// logic is also built where wchar_t is 32 bits wide, so every place where
// text becomes bytes (registry data, files) goes through these helpers.

namespace vix {

// UTF-16 code units of `text`; on a 32-bit wchar_t, code points above the
// basic plane become surrogate pairs.
std::u16string ToUtf16(std::wstring_view text);
std::wstring FromUtf16(std::u16string_view units);

// Registry string data: UTF-16LE including one terminating NUL.
std::vector<std::uint8_t> ToUtf16LeZ(std::wstring_view text);
// Reads UTF-16LE data up to the first NUL; a trailing odd byte is ignored,
// so data of any length is safe to read.
std::wstring FromUtf16Le(std::span<const std::uint8_t> bytes);

// UTF-8 for the file edges. Invalid input bytes become U+FFFD.
std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view bytes);

}  // namespace vix
