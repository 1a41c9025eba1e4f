#include "update/link_rule.h"

#include "update/web_address.h"

namespace vix {

LinkDecision DecideLink(std::wstring_view target, std::wstring_view siteMarker) {
    const auto address = ParseWebAddress(target);
    if (!address) return {LinkVerdict::Refuse, {}};
    if (!siteMarker.empty() && target.find(siteMarker) != std::wstring_view::npos)
        return {LinkVerdict::Proceed, {}};
    return {LinkVerdict::OpenOutside, address->ToString()};
}

}  // namespace vix
