#include "update/web_address.h"

#include <array>

#include "common/utf16.h"

namespace vix {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";

bool IsAsciiLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsHexDigit(wchar_t c) {
    return IsDigit(c) || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F');
}
wchar_t Lower(wchar_t c) { return c >= L'A' && c <= L'Z' ? wchar_t(c - L'A' + L'a') : c; }

bool IsUnreserved(wchar_t c) {
    return IsAsciiLetter(c) || IsDigit(c) || c == L'-' || c == L'.' || c == L'_' || c == L'~';
}

// Characters kept as they are in a path, query or fragment.
bool IsPathChar(wchar_t c) {
    return IsUnreserved(c) ||
           std::wstring_view(L"!$&'()*+,;=:@/?").find(c) != std::wstring_view::npos;
}

// C0 and C1 controls and DEL: never part of an address, and the usual way
// of making one program read an address differently from another.
bool IsControl(wchar_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

bool EqualsIgnoringCase(std::wstring_view text, std::wstring_view lower) {
    if (text.size() != lower.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (Lower(text[i]) != lower[i]) return false;
    return true;
}

std::optional<WebScheme> ParseScheme(std::wstring_view text) {
    if (EqualsIgnoringCase(text, L"http")) return WebScheme::Http;
    if (EqualsIgnoringCase(text, L"https")) return WebScheme::Https;
    return std::nullopt;
}

bool IsHostName(std::wstring_view host) {
    if (host.empty() || host.size() > 253) return false;
    std::size_t label = 0;
    for (std::size_t i = 0; i <= host.size(); ++i) {
        if (i == host.size() || host[i] == L'.') {
            if (label == 0 || label > 63) return false;
            label = 0;
        } else if (IsAsciiLetter(host[i]) || IsDigit(host[i]) || host[i] == L'-') {
            ++label;
        } else {
            return false;
        }
    }
    return true;
}

bool IsIpv6Literal(std::wstring_view host) {
    if (host.size() < 4 || host.front() != L'[' || host.back() != L']') return false;
    for (wchar_t c : host.substr(1, host.size() - 2))
        if (!IsHexDigit(c) && c != L':' && c != L'.') return false;
    return host.find(L':') != std::wstring_view::npos;
}

std::optional<std::uint16_t> ParsePort(std::wstring_view text) {
    if (text.empty() || text.size() > 5) return std::nullopt;
    std::uint32_t port = 0;
    for (wchar_t c : text) {
        if (!IsDigit(c)) return std::nullopt;
        port = port * 10 + std::uint32_t(c - L'0');
    }
    if (port == 0 || port > 65535) return std::nullopt;
    return static_cast<std::uint16_t>(port);
}

// Host and port of `authority` into `address`.
bool ParseAuthority(std::wstring_view authority, WebAddress& address) {
    std::wstring_view host = authority;
    std::wstring_view port;
    const auto close = authority.rfind(L']');
    const auto colon = authority.rfind(L':');
    if (colon != std::wstring_view::npos && (close == std::wstring_view::npos || colon > close)) {
        host = authority.substr(0, colon);
        port = authority.substr(colon + 1);
        const auto number = ParsePort(port);
        if (!number) return false;
        address.port = *number;
    }
    if (!IsHostName(host) && !IsIpv6Literal(host)) return false;
    address.host.clear();
    for (wchar_t c : host)
        address.host.push_back(Lower(c));
    return true;
}

void AppendEncoded(std::wstring& out, std::wstring_view text) {
    for (unsigned char byte : ToUtf8(text)) {
        out.push_back(L'%');
        out.push_back(wchar_t(kHex[byte >> 4]));
        out.push_back(wchar_t(kHex[byte & 15]));
    }
}

// Copies the path, query and fragment, encoding what may not stand as it is.
void RewriteRest(std::wstring_view rest, WebAddress& address) {
    std::wstring* out = &address.path;
    if (rest.empty() || rest.front() != L'/') out->push_back(L'/');
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const wchar_t c = rest[i];
        if (c == L'#' && out == &address.path) {
            out = &address.fragment;
            out->push_back(c);
        } else if (c == L'%' && i + 2 < rest.size() && IsHexDigit(rest[i + 1]) &&
                   IsHexDigit(rest[i + 2])) {
            out->append(rest.substr(i, 3));
            i += 2;
        } else if (IsPathChar(c)) {
            out->push_back(c);
        } else {
            // A surrogate pair is one character to encode.
            const bool pair = c >= 0xD800 && c <= 0xDBFF && i + 1 < rest.size() &&
                              rest[i + 1] >= 0xDC00 && rest[i + 1] <= 0xDFFF;
            AppendEncoded(*out, rest.substr(i, pair ? 2 : 1));
            if (pair) ++i;
        }
    }
}

}  // namespace

std::uint16_t WebAddress::EffectivePort() const {
    if (port != 0) return port;
    return scheme == WebScheme::Https ? 443 : 80;
}

std::wstring WebAddress::Authority() const {
    return port == 0 ? host : host + L":" + std::to_wstring(port);
}

std::wstring WebAddress::ToString() const {
    return (scheme == WebScheme::Https ? L"https://" : L"http://") + Authority() + path + fragment;
}

std::optional<WebAddress> ParseWebAddress(std::wstring_view text) {
    if (text.empty() || text.size() > kMaxWebAddressLength) return std::nullopt;
    for (wchar_t c : text)
        if (IsControl(c) || c == L'\\') return std::nullopt;
    const auto mark = text.find(L"://");
    if (mark == std::wstring_view::npos) return std::nullopt;
    WebAddress address;
    const auto scheme = ParseScheme(text.substr(0, mark));
    if (!scheme) return std::nullopt;
    address.scheme = *scheme;
    const std::wstring_view afterScheme = text.substr(mark + 3);
    const auto end = afterScheme.find_first_of(L"/?#");
    const std::wstring_view authority = afterScheme.substr(0, end);
    if (authority.find(L'@') != std::wstring_view::npos) return std::nullopt;
    if (!ParseAuthority(authority, address)) return std::nullopt;
    RewriteRest(end == std::wstring_view::npos ? std::wstring_view() : afterScheme.substr(end),
                address);
    // Encoding lengthens the text; the limit holds for what is written out.
    if (address.ToString().size() > kMaxWebAddressLength) return std::nullopt;
    return address;
}

bool IsLoopbackHost(std::wstring_view host) {
    if (host == L"localhost" || host == L"[::1]") return true;
    std::array<std::uint32_t, 4> parts{};
    std::size_t part = 0, digits = 0;
    for (wchar_t c : host) {
        if (c == L'.') {
            if (digits == 0 || ++part == parts.size()) return false;
            digits = 0;
        } else if (IsDigit(c) && digits < 3) {
            parts[part] = parts[part] * 10 + std::uint32_t(c - L'0');
            ++digits;
        } else {
            return false;
        }
    }
    if (part != 3 || digits == 0) return false;
    for (auto p : parts)
        if (p > 255) return false;
    return parts[0] == 127;
}

std::string PercentEncode(std::string_view bytes) {
    std::string out;
    for (unsigned char byte : bytes) {
        if (IsUnreserved(wchar_t(byte))) {
            out.push_back(char(byte));
        } else {
            out.push_back('%');
            out.push_back(kHex[byte >> 4]);
            out.push_back(kHex[byte & 15]);
        }
    }
    return out;
}

}  // namespace vix
