#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The numbered image sequence: folder\<base name><number>.jpg, the number
// filled with zeros on the left to the setting's count of digits.

namespace vix {

// The highest number: `digits` nines (999 for 3), held to the largest 64-bit
// value from 20 digits on; 0 (no number at all) for fewer than 1 digit.
std::uint64_t SequenceMaximum(int digits);

// The file name of number `number`. A number longer than `digits` keeps all
// its digits. The separator is added even after a folder ending in one (a
// drive root), as the folder browser gives it.
std::wstring SequenceFileName(const std::wstring& folder, const std::wstring& baseName, int digits,
                              std::uint64_t number);

// The first name, counting from 1 up to SequenceMaximum(digits), for which
// `exists` says no: a number freed by deleting its file is used again before
// higher ones. Empty when every number is taken.
std::wstring NextSequenceFileName(const std::wstring& folder, const std::wstring& baseName,
                                  int digits,
                                  const std::function<bool(const std::wstring&)>& exists);

}  // namespace vix
