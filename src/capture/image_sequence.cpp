#include "capture/image_sequence.h"

#include <limits>

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

}  // namespace

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
                              std::uint64_t number) {
    std::wstring name = folder + L'\\' + baseName;
    AppendNumber(name, digits, number);
    return name + L".jpg";
}

std::wstring NextSequenceFileName(const std::wstring& folder, const std::wstring& baseName,
                                  int digits,
                                  const std::function<bool(const std::wstring&)>& exists) {
    const std::uint64_t max = SequenceMaximum(digits);
    const std::wstring prefix = folder + L'\\' + baseName;
    std::wstring candidate;
    for (std::uint64_t i = 1; i != 0 && i <= max; ++i) {
        candidate = prefix;
        AppendNumber(candidate, digits, i);
        candidate += L".jpg";
        if (!exists(candidate)) return candidate;
    }
    return {};
}

}  // namespace vix
