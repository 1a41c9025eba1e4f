#include "capture/save_rules.h"

#include <cstddef>
#include <string_view>

namespace vix {
namespace {

wchar_t AsciiUpper(wchar_t c) { return c >= L'a' && c <= L'z' ? c - (L'a' - L'A') : c; }

// Whether `name` ends in `ending` (upper-case ASCII), letters in any case.
bool EndsWith(const std::wstring& name, std::wstring_view ending) {
    if (name.size() < ending.size()) return false;
    const std::size_t start = name.size() - ending.size();
    for (std::size_t i = 0; i < ending.size(); ++i)
        if (AsciiUpper(name[start + i]) != ending[i]) return false;
    return true;
}

SaveTarget As(ImageFormat format, const std::wstring& name, std::wstring_view ending,
              const wchar_t* added) {
    return {format, EndsWith(name, ending) ? name : name + added};
}

}  // namespace

SaveTarget ChooseSaveTarget(const std::wstring& chosenName, int filterIndex) {
    switch (filterIndex) {
        case 2: return As(ImageFormat::kJpeg, chosenName, L".JPG", L".jpg");
        case 3: return As(ImageFormat::kTiff, chosenName, L".TIF", L".tif");
        case 4: return As(ImageFormat::kPng, chosenName, L".PNG", L".png");
        default:
            if (EndsWith(chosenName, L".TIF")) return {ImageFormat::kTiff, chosenName};
            if (EndsWith(chosenName, L".PNG")) return {ImageFormat::kPng, chosenName};
            if (EndsWith(chosenName, L".JPEG")) return {ImageFormat::kJpeg, chosenName};
            return As(ImageFormat::kJpeg, chosenName, L".JPG", L".jpg");
    }
}

}  // namespace vix
