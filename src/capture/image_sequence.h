#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "capture/save_rules.h"

// The numbered image sequence: folder\<base name><number><ending>, the
// number filled with zeros on the left to the setting's count of digits, the
// ending that of the sequence's format (".jpg" unless said otherwise).

namespace vix {

// The format of the sequence's files and their ending for the setting
// "ImgFormat": 0 JPEG (".jpg"), 1 PNG (".png"), 2 TIFF (".tif"); any other
// value is taken as 0.
struct SequenceFormat {
    ImageFormat format;
    std::wstring_view ending;
};
SequenceFormat SequenceFormatOf(int imgFormat);

// The highest number: `digits` nines (999 for 3), held to the largest 64-bit
// value from 20 digits on; 0 (no number at all) for fewer than 1 digit.
std::uint64_t SequenceMaximum(int digits);

// The file name of number `number`. A number longer than `digits` keeps all
// its digits. The separator is added even after a folder ending in one (a
// drive root), as the folder browser gives it.
std::wstring SequenceFileName(const std::wstring& folder, const std::wstring& baseName, int digits,
                              std::uint64_t number, std::wstring_view ending = L".jpg");

// The first name, counting from 1 up to SequenceMaximum(digits), for which
// `exists` says no: a number freed by deleting its file is used again before
// higher ones. Empty when every number is taken.
std::wstring NextSequenceFileName(const std::wstring& folder, const std::wstring& baseName,
                                  int digits,
                                  const std::function<bool(const std::wstring&)>& exists,
                                  std::wstring_view ending = L".jpg");

// The same answer from one listing of the folder's file names (names only,
// in any order) instead of one look per number: a folder of thousands of
// images answers in milliseconds. The chosen name is still put to `exists`,
// since the file system may match names the listing did not (case beyond
// ASCII); a name it knows is passed over as taken.
std::wstring NextSequenceFileName(const std::wstring& folder, const std::wstring& baseName,
                                  int digits, const std::vector<std::wstring>& listed,
                                  const std::function<bool(const std::wstring&)>& exists,
                                  std::wstring_view ending = L".jpg");

}  // namespace vix
