#include "update/link_rule.h"

#include "update/web_address.h"

namespace vix {

LinkDecision DecideLink(std::wstring_view target, const std::optional<LinkSite>& site) {
    const auto address = ParseWebAddress(target);
    if (!address) return {LinkVerdict::Refuse, {}};
    if (site && address->scheme == WebScheme::Https && address->host == site->host &&
        address->EffectivePort() == site->port)
        return {LinkVerdict::Proceed, {}};
    return {LinkVerdict::OpenOutside, address->ToString()};
}

}  // namespace vix
