#pragma once

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

// Only a clean absolute http or https address is ever let through or handed
// on; anything else (file: and UNC paths, other schemes, program names,
// addresses with user names, control characters or backslashes) is
// refused. Of the clean addresses, one that contains `siteMarker` anywhere
// (a plain, case-sensitive substring test) stays in the panel, any other is
// opened outside.
LinkDecision DecideLink(std::wstring_view target, std::wstring_view siteMarker);

}  // namespace vix
