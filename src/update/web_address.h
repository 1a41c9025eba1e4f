#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Absolute http and https addresses, parsed by our own rules and written out
// again from the parsed parts. Whatever leaves the program as an address
// (a request, a link handed to the shell) is the written-out form, so it
// holds only the characters an address may hold: no spaces, quotes,
// backslashes or control characters that another program could read as the
// end of the address or as a path.

namespace vix {

enum class WebScheme { Http, Https };

struct WebAddress {
    WebScheme scheme = WebScheme::Https;
    // Lower case; an IPv6 address keeps its brackets.
    std::wstring host;
    // 0 when the address names no port.
    std::uint16_t port = 0;
    // Path and query as sent in a request, percent-encoded; begins with "/".
    std::wstring path;
    // "#" and what follows it, or empty.
    std::wstring fragment;

    std::uint16_t EffectivePort() const;
    // host, or host:port when a port was named.
    std::wstring Authority() const;
    std::wstring ToString() const;

    friend bool operator==(const WebAddress&, const WebAddress&) = default;
};

// Longer addresses, given or written out, are refused; the common browsers
// stop near here.
inline constexpr std::size_t kMaxWebAddressLength = 2048;

// Accepts "http://" or "https://" (scheme in any case), a host name, IPv4 or
// bracketed IPv6 address, an optional port 1 to 65535, and an optional path,
// query and fragment. Refuses user names ("@" before the host), backslashes,
// control characters, empty or malformed hosts and ports, and every other
// scheme. Characters of the path that an address may not hold as they are
// (spaces, quotes, non-ASCII letters, a "%" without two hex digits) are
// percent-encoded, as UTF-8.
std::optional<WebAddress> ParseWebAddress(std::wstring_view text);

// "localhost", 127.x.x.x written as four decimal numbers, or "[::1]".
bool IsLoopbackHost(std::wstring_view host);

// Every byte other than ASCII letters, digits and "-._~" as %XX.
std::string PercentEncode(std::string_view bytes);

}  // namespace vix
