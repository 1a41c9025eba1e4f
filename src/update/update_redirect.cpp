#include "update/update_redirect.h"

#include <string>

namespace vix {
namespace {

// A path of the same server: "/" but not "//" (which names another host).
bool IsPathOnly(std::wstring_view location) {
    return !location.empty() && location[0] == L'/' &&
           (location.size() == 1 || location[1] != L'/');
}

}  // namespace

std::optional<WebAddress> FollowedRedirect(std::wstring_view vendorHost, const WebAddress& from,
                                           std::wstring_view location) {
    std::optional<WebAddress> next;
    if (IsPathOnly(location)) {
        // Resolved against the address asked, scheme included: a path from
        // a plain http answer stays plain http, and is refused below.
        const std::wstring scheme = from.scheme == WebScheme::Https ? L"https://" : L"http://";
        next = ParseWebAddress(scheme + from.Authority() + std::wstring(location));
    } else {
        next = ParseWebAddress(location);
    }
    if (!next || next->scheme != WebScheme::Https || next->host != vendorHost) return std::nullopt;
    return next;
}

}  // namespace vix
