#include "platform/final_path.h"

namespace vix::platform {
namespace {

constexpr std::wstring_view kLongPrefix = L"\\\\?\\";

// A drive's root keeps its backslash: "C:" alone names the drive's current
// folder, not its root.
std::wstring_view WithoutTrailingSeparators(std::wstring_view path) {
    while (path.size() > 3 && path.back() == L'\\')
        path.remove_suffix(1);
    return path;
}

wchar_t Folded(wchar_t c) {
    if (c >= L'a' && c <= L'z') return static_cast<wchar_t>(c - (L'a' - L'A'));
    // à..þ but ÷ fold to À..Þ; ß and ÿ have no capital of their own here.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<wchar_t>(c - 0x20);
    return c;
}

}  // namespace

bool SameFinalPath(std::wstring_view final, std::wstring_view intended) {
    if (final.substr(0, kLongPrefix.size()) == kLongPrefix) final.remove_prefix(kLongPrefix.size());
    final = WithoutTrailingSeparators(final);
    intended = WithoutTrailingSeparators(intended);
    if (final.empty() || final.size() != intended.size()) return false;
    for (std::size_t i = 0; i < final.size(); ++i)
        if (Folded(final[i]) != Folded(intended[i])) return false;
    return true;
}

}  // namespace vix::platform
