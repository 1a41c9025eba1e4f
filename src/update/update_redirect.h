#pragma once

#include <optional>
#include <string_view>

#include "update/web_address.h"

// Where the update check lets the server send it on. The answer decides
// whether a program is fetched and started, so it is taken only from the
// vendor's own host, over https, and a chain of redirects is short.

namespace vix {

inline constexpr int kMaxUpdateRedirects = 3;

// The address a redirect from `from` to `location` (the Location header as
// sent: an absolute address, or a path beginning with a single "/") leads
// to, when that is an https address on `vendorHost` (any port); nothing
// otherwise.
std::optional<WebAddress> FollowedRedirect(std::wstring_view vendorHost, const WebAddress& from,
                                           std::wstring_view location);

}  // namespace vix
