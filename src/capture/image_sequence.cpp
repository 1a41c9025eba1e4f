#include "capture/image_sequence.h"

#include <string_view>
#include <limits>

#include "settings/settings.h"

namespace vix {
namespace {

// `number` in decimal, zeros in front up to `digits` characters.
void AppendNumber(std::wstring& text, int digits, std::uint64_t number) {
    wchar_t reversed[20];
    int count = 0;
    do {
        reversed[count++] = static_cast<wchar_t>(L'0' + number % 10);
        number /= 10;
    } while (number != 0);
    for (int i = count; i < digits; ++i)
        text += L'0';
    while (count > 0)
        text += reversed[--count];
}

bool SameIgnoringAsciiCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto fold = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c; };
        if (fold(a[i]) != fold(b[i])) return false;
    }
    return true;
}

// The number `name` is the file of in the sequence, or 0 when it is none:
// the base name, the number as SequenceFileName writes it, the ending.
std::uint64_t SequenceNumberOf(std::wstring_view name, std::wstring_view baseName, int digits,
                               std::wstring_view ending) {
    if (name.size() <= baseName.size() + ending.size()) return 0;
    if (!SameIgnoringAsciiCase(name.substr(0, baseName.size()), baseName)) return 0;
    if (!SameIgnoringAsciiCase(name.substr(name.size() - ending.size()), ending)) return 0;
    const std::wstring_view number =
        name.substr(baseName.size(), name.size() - baseName.size() - ending.size());
    const std::size_t filled = digits > 0 ? static_cast<std::size_t>(digits) : 1;
    // Zeros fill up to the digits; a longer number has none in front.
    if (number.size() < filled || (number.size() > filled && number[0] == L'0')) return 0;
    std::uint64_t value = 0;
    for (wchar_t c : number) {
        if (c < L'0' || c > L'9') return 0;
        const auto digit = static_cast<std::uint64_t>(c - L'0');
        if (value > (std::numeric_limits<std::uint64_t>::max() - digit) / 10) return 0;
        value = value * 10 + digit;
    }
    return value;
}

// The first name from `number` on that `exists` does not know.
std::wstring FirstFreeFrom(const std::wstring& folder, const std::wstring& baseName, int digits,
                           std::uint64_t number,
                           const std::function<bool(const std::wstring&)>& exists,
                           std::wstring_view ending) {
    const std::uint64_t max = SequenceMaximum(digits);
    for (std::uint64_t i = number; i != 0 && i <= max; ++i) {
        std::wstring candidate = SequenceFileName(folder, baseName, digits, i, ending);
        if (!exists(candidate)) return candidate;
    }
    return {};
}

}  // namespace

SequenceFormat SequenceFormatOf(int imgFormat) {
    static constexpr ImageFormat kFormats[] = {ImageFormat::kJpeg, ImageFormat::kPng,
                                               ImageFormat::kTiff};
    const int index = SequenceFormatIndex(imgFormat);
    return {kFormats[index], kSequenceEndings[static_cast<std::size_t>(index)]};
}

std::uint64_t SequenceMaximum(int digits) {
    std::uint64_t max = 0;
    for (int i = 0; i < digits; ++i) {
        if (max > (std::numeric_limits<std::uint64_t>::max() - 9) / 10)
            return std::numeric_limits<std::uint64_t>::max();
        max = max * 10 + 9;
    }
    return max;
}

std::wstring SequenceFileName(const std::wstring& folder, const std::wstring& baseName, int digits,
                              std::uint64_t number, std::wstring_view ending) {
    std::wstring name = folder + L'\\' + baseName;
    AppendNumber(name, digits, number);
    return name.append(ending);
}

std::wstring NextSequenceFileName(const std::wstring& folder, const std::wstring& baseName,
                                  int digits,
                                  const std::function<bool(const std::wstring&)>& exists,
                                  std::wstring_view ending) {
    return FirstFreeFrom(folder, baseName, digits, 1, exists, ending);
}

std::wstring NextSequenceFileName(const std::wstring& folder, const std::wstring& baseName,
                                  int digits, const std::vector<std::wstring>& listed,
                                  const std::function<bool(const std::wstring&)>& exists,
                                  std::wstring_view ending) {
    // The first free number is at most one past the count of files.
    std::vector<bool> taken(listed.size() + 2, false);
    for (const std::wstring& name : listed) {
        const std::uint64_t n = SequenceNumberOf(name, baseName, digits, ending);
        if (n != 0 && n < taken.size()) taken[n] = true;
    }
    std::uint64_t first = 1;
    while (first < taken.size() && taken[first])
        ++first;
    return FirstFreeFrom(folder, baseName, digits, first, exists, ending);
}

}  // namespace vix
