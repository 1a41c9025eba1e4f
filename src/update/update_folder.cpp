#include "update/update_folder.h"

namespace vix {
namespace {

bool IsDriveLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

// A name between two backslashes: not empty, not "." or "..", and no
// character the system would read as another separator or a stream.
bool IsPlainName(std::wstring_view name) {
    if (name.empty() || name == L"." || name == L"..") return false;
    return name.find_first_of(L"/:") == std::wstring_view::npos;
}

}  // namespace

bool IsAbsoluteFolder(std::wstring_view folder) {
    if (folder.size() < 3 || !IsDriveLetter(folder[0]) || folder[1] != L':' || folder[2] != L'\\' ||
        folder.back() != L'\\')
        return false;
    std::wstring_view rest = folder.substr(3);
    while (!rest.empty()) {
        const std::size_t end = rest.find(L'\\');
        if (!IsPlainName(rest.substr(0, end))) return false;
        rest.remove_prefix(end + 1);
    }
    return true;
}

std::wstring UpdateFolderIn(std::wstring_view local) {
    if (!IsAbsoluteFolder(local)) return {};
    return std::wstring(local) + L"Brellin Software Development\\VIX\\Update\\";
}

std::wstring UpdateProgramPath(std::wstring_view folder) {
    return std::wstring(folder) + kUpdateProgramName;
}

}  // namespace vix
