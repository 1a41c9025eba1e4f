#include "update/update_server.h"

#include "common/utf16.h"

namespace vix {
namespace {

WebAddress AtPath(const WebAddress& server, std::wstring path) {
    WebAddress address = server;
    address.path = std::move(path);
    address.fragment.clear();
    return address;
}

}  // namespace

std::optional<WebAddress> ChooseServer(std::optional<std::wstring_view> override) {
    if (!override) return ParseWebAddress(kVendorServer);
    auto server = ParseWebAddress(*override);
    if (!server || server->path != L"/" || !server->fragment.empty() ||
        !IsLoopbackHost(server->host))
        return std::nullopt;
    return server;
}

WebAddress UpdateQueryAddress(const WebAddress& server, std::wstring_view computerName,
                              ProgramVersion version) {
    std::wstring path = kUpdateQueryPath;
    path += L"?action=startup&majvers=" + std::to_wstring(version.major) + L"&minvers=" +
            std::to_wstring(version.minor) + L"&compName=";
    for (char c : PercentEncode(ToUtf8(computerName)))
        path.push_back(wchar_t(c));
    return AtPath(server, std::move(path));
}

WebAddress LinksPageAddress(const WebAddress& server) { return AtPath(server, kLinksPagePath); }

std::optional<LinkSite> LinksSite(const WebAddress& server) {
    if (server.scheme != WebScheme::Https) return std::nullopt;
    return LinkSite{server.host, server.EffectivePort()};
}

}  // namespace vix
