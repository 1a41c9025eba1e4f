// Whatever text a link carries, an address that is let through is written
// out in a form that reads back as itself and holds nothing another program
// could read as the end of the address, a path or a second argument.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/utf16.h"
#include "update/link_rule.h"
#include "update/web_address.h"

namespace {

bool IsSafeAddressChar(wchar_t c) {
    return c > 0x20 && c < 0x7F && c != L'"' && c != L'\\' && c != L'<' && c != L'>' && c != L'`' &&
           c != L'{' && c != L'}' && c != L'|' && c != L'^';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring text =
        vix::FromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
    const vix::LinkSite site{L"www.brellin.example", 443};
    const auto decision = vix::DecideLink(text, site);
    const auto address = vix::ParseWebAddress(text);
    if (!address) {
        if (decision.verdict != vix::LinkVerdict::Refuse) std::abort();
        return 0;
    }
    const std::wstring written = address->ToString();
    for (wchar_t c : written)
        if (!IsSafeAddressChar(c)) std::abort();
    if (written.rfind(L"http://", 0) != 0 && written.rfind(L"https://", 0) != 0) std::abort();
    const auto again = vix::ParseWebAddress(written);
    if (!again || !(*again == *address) || again->ToString() != written) std::abort();
    if (decision.verdict == vix::LinkVerdict::OpenOutside && decision.address != written)
        std::abort();
    if (decision.verdict == vix::LinkVerdict::Refuse) std::abort();
    // The panel keeps nothing but https pages of the site's own host.
    if (decision.verdict == vix::LinkVerdict::Proceed &&
        (address->scheme != vix::WebScheme::Https || address->host != site.host))
        std::abort();
    return 0;
}
