#include "platform/private_access_list.h"

#include <algorithm>
#include <vector>

namespace vix::platform {
namespace {

std::wstring UserEntry(std::wstring_view userSid) {
    return L"(A;OICI;FA;;;" + std::wstring(userSid) + L")";
}
constexpr std::wstring_view kSystemEntry = L"(A;OICI;FA;;;SY)";

// The entries of "D:flags(...)(...)" as they are written, or nothing when
// anything else stands between or after them.
std::vector<std::wstring_view> Entries(std::wstring_view list) {
    std::vector<std::wstring_view> entries;
    std::size_t at = list.find(L'(');
    if (list.substr(0, 2) != L"D:" || at == std::wstring_view::npos) return {};
    while (at < list.size()) {
        const std::size_t end = list.find(L')', at);
        if (list[at] != L'(' || end == std::wstring_view::npos) return {};
        entries.push_back(list.substr(at, end + 1 - at));
        at = end + 1;
    }
    return entries;
}

}  // namespace

std::wstring PrivateAccessList(std::wstring_view userSid) {
    return L"D:P" + UserEntry(userSid) + std::wstring(kSystemEntry);
}

bool IsPrivateAccessList(std::wstring_view sddl, std::wstring_view userSid) {
    if (userSid.empty()) return false;
    std::vector<std::wstring_view> entries = Entries(sddl);
    const std::wstring user = UserEntry(userSid);
    std::vector<std::wstring_view> expected = {user, kSystemEntry};
    std::sort(entries.begin(), entries.end());
    std::sort(expected.begin(), expected.end());
    return entries == expected;
}

}  // namespace vix::platform
