#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Where a link clicked in the links panel goes.

namespace vix {

enum class LinkVerdict {
    Proceed,      // one of the site's own pages: let the panel show it
    OpenOutside,  // cancel in the panel, open `address` in the default browser
    Refuse,       // cancel, open nothing
};

struct LinkDecision {
    LinkVerdict verdict = LinkVerdict::Refuse;
    // For OpenOutside: the address written out from its parsed form.
    std::wstring address;
};

// The site whose pages the panel shows: https pages of this host, on this
// port.
struct LinkSite {
    std::wstring host;  // lower case, as parsed addresses hold it
    std::uint16_t port = 443;
};

// Only a clean absolute http or https address is ever let through or handed
// on; anything else (file: and UNC paths, other schemes, program names,
// addresses with user names, control characters or backslashes) is
// refused. Of the clean addresses, one whose parsed form is https on the
// site's host and port stays in the panel; any other (plain http, another
// host, the site's host named only in the path or query) is opened outside.
// Without a site nothing stays in the panel.
LinkDecision DecideLink(std::wstring_view target, const std::optional<LinkSite>& site);

}  // namespace vix
