#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "update/link_rule.h"
#include "update/update_decision.h"
#include "update/web_address.h"

// The one web server the program talks to: the vendor's, or for tests a
// server on this machine named by the environment.

namespace vix {

// The vendor's server. Everything the program fetches from it goes over
// https: the answer decides whether a program is downloaded and started.
inline constexpr wchar_t kVendorServer[] = L"https://www.brellin.example";

// Names a loopback server in place of the vendor's, for tests:
// scheme, host and port, such as "http://127.0.0.1:8123".
inline constexpr wchar_t kServerOverrideVariable[] = L"VIX_UPDATE_SERVER";

inline constexpr wchar_t kUpdateQueryPath[] = L"/scripts/get_vix_updates/get.html";
inline constexpr wchar_t kLinksPagePath[] = L"/scripts/vix_r2_more/get.html";

// The server to use, given the override variable's value (nothing when it is
// not set). An override is taken only when it is an http or https address of
// a loopback host with no path, query or fragment (a lone "/" is fine);
// plain http is accepted there because a test server on this machine cannot
// be listened in on. Any other override yields nothing: the program then
// stays off the network rather than reach a server nobody meant.
std::optional<WebAddress> ChooseServer(std::optional<std::wstring_view> override);

// The update query: the path and "?action=startup&majvers=2&minvers=0&compName="
// followed by the computer name, percent-encoded as UTF-8.
WebAddress UpdateQueryAddress(const WebAddress& server, std::wstring_view computerName,
                              ProgramVersion version = kProgramVersion);

WebAddress LinksPageAddress(const WebAddress& server);

// The site whose pages the links panel keeps: the server's host and port,
// when the server is reached over https; nothing otherwise (a plain http
// test server), and then the panel keeps no page.
std::optional<LinkSite> LinksSite(const WebAddress& server);

}  // namespace vix
