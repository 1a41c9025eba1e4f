#include "update/web_address.h"

#include <gtest/gtest.h>

namespace vix {
namespace {

struct Rewrite {
    const wchar_t* text;
    const wchar_t* written;
};

constexpr Rewrite kClean[] = {
    {L"http://www.brellin.example/", L"http://www.brellin.example/"},
    {L"http://www.brellin.example", L"http://www.brellin.example/"},
    {L"HTTPS://WWW.Brellin.Example/Path/Page.html", L"https://www.brellin.example/Path/Page.html"},
    {L"http://127.0.0.1:8123/x?a=1&b=%7E#top", L"http://127.0.0.1:8123/x?a=1&b=%7E#top"},
    {L"http://host:080/", L"http://host:80/"},
    {L"http://host?q", L"http://host/?q"},
    {L"http://host#f", L"http://host/#f"},
    {L"http://[::1]:9/a", L"http://[::1]:9/a"},
    {L"http://h/a b\"c<d>e`f{g}h|i^j", L"http://h/a%20b%22c%3Cd%3Ee%60f%7Bg%7Dh%7Ci%5Ej"},
    {L"http://h/caf\u00e9", L"http://h/caf%C3%A9"},
    {L"http://h/\U0001F600", L"http://h/%F0%9F%98%80"},
    {L"http://h/100%", L"http://h/100%25"},
    {L"http://h/%4g%41", L"http://h/%254g%41"},
    {L"http://h/a#b#c", L"http://h/a#b%23c"},
    {L"http://h/[x]", L"http://h/%5Bx%5D"},
    {L"http://h/p?x=@:/!$&'()*+,;=", L"http://h/p?x=@:/!$&'()*+,;="},
};

TEST(ParseWebAddress, CleanAddressesAreWrittenOutFromTheirParts) {
    for (const auto& c : kClean) {
        const auto address = ParseWebAddress(c.text);
        ASSERT_TRUE(address.has_value()) << c.text;
        EXPECT_EQ(address->ToString(), c.written) << c.text;
        // The written form reads back as itself.
        const auto again = ParseWebAddress(address->ToString());
        ASSERT_TRUE(again.has_value()) << c.text;
        EXPECT_EQ(*again, *address) << c.text;
    }
}

TEST(ParseWebAddress, PartsForARequest) {
    const auto address = ParseWebAddress(L"https://Dl.Example:8443/u.exe?v=5#frag");
    ASSERT_TRUE(address.has_value());
    EXPECT_EQ(address->scheme, WebScheme::Https);
    EXPECT_EQ(address->host, L"dl.example");
    EXPECT_EQ(address->port, 8443);
    EXPECT_EQ(address->EffectivePort(), 8443);
    EXPECT_EQ(address->path, L"/u.exe?v=5");
    EXPECT_EQ(address->fragment, L"#frag");
    EXPECT_EQ(address->Authority(), L"dl.example:8443");
    EXPECT_EQ(ParseWebAddress(L"http://a/")->EffectivePort(), 80);
    EXPECT_EQ(ParseWebAddress(L"https://a/")->EffectivePort(), 443);
    EXPECT_EQ(ParseWebAddress(L"https://a/")->Authority(), L"a");
}

constexpr const wchar_t* kRefused[] = {
    L"",
    L"www.brellin.example/",
    L"file:///C:/Windows/System32/calc.exe",
    L"file://server/share/x.exe",
    L"\\\\server\\share\\x.exe",
    L"C:\\Windows\\System32\\calc.exe",
    L"calc.exe",
    L"javascript:alert(1)",
    L"mailto:a@b.example",
    L"ftp://h/x",
    L"ms-settings:",
    L"search-ms://query=x",
    L"res://ieframe.dll/navcancl.htm",
    L"about:blank",
    L"http:/h/x",
    L"http:h/x",
    L" http://h/",
    L"http://h/\\..\\x",
    L"http://h\\x/",
    L"http://user@h/",
    L"http://www.brellin.example@evil.example/",
    L"http://:pw@h/",
    L"http://h/a\tb",
    L"http://h/a\nb",
    L"http://h/a\x7F",
    L"http://h/\u0085",
    L"http:///x",
    L"http://:80/",
    L"http://h:/",
    L"http://h:0/",
    L"http://h:65536/",
    L"http://h:123456/",
    L"http://h:8o/",
    L"http://h.example./",
    L"http://a..b/",
    L"http://h_x/",
    L"http://h%2Ex/",
    L"http://b\u00fccher.example/",
    L"http://[::1/",
    L"http://[]/",
    L"http://[g::1]/",
    L"http://h:80:80/",
    L"http://h x/",
};

TEST(ParseWebAddress, RefusesEverythingButCleanHttpAndHttps) {
    for (const wchar_t* text : kRefused)
        EXPECT_FALSE(ParseWebAddress(text).has_value()) << text;
    // Built with its length, since it holds a NUL.
    EXPECT_FALSE(ParseWebAddress(std::wstring_view(L"http://h/a\0b", 12)).has_value());
}

TEST(ParseWebAddress, LengthLimit) {
    const std::wstring head = L"http://h/";
    EXPECT_TRUE(ParseWebAddress(head + std::wstring(kMaxWebAddressLength - head.size(), L'a')));
    EXPECT_FALSE(
        ParseWebAddress(head + std::wstring(kMaxWebAddressLength - head.size() + 1, L'a')));
    EXPECT_FALSE(ParseWebAddress(L"http://" + std::wstring(64, L'a') + L"/"));
    // Within the limit as given, past it once encoded.
    EXPECT_FALSE(ParseWebAddress(head + std::wstring(kMaxWebAddressLength / 3, L' ')));
}

TEST(IsLoopbackHost, OnlyThisMachine) {
    for (const wchar_t* host : {L"localhost", L"127.0.0.1", L"127.1.2.3", L"[::1]"})
        EXPECT_TRUE(IsLoopbackHost(host)) << host;
    for (const wchar_t* host : {L"", L"128.0.0.1", L"127.0.0", L"127.0.0.1.5", L"127.0.0.256",
                                L"127.0.0.0001", L"127..0.1", L"0x7f.0.0.1", L"localhost.example",
                                L"www.brellin.example", L"[::2]", L"10.0.0.1", L"2130706433"})
        EXPECT_FALSE(IsLoopbackHost(host)) << host;
}

TEST(PercentEncode, KeepsUnreservedOnly) {
    EXPECT_EQ(PercentEncode("DESKTOP-01_a.b~"), "DESKTOP-01_a.b~");
    EXPECT_EQ(PercentEncode("a b&c=d#e/f?g%h+"), "a%20b%26c%3Dd%23e%2Ff%3Fg%25h%2B");
    EXPECT_EQ(PercentEncode("\xC3\xA9\r\n"), "%C3%A9%0D%0A");
    EXPECT_EQ(PercentEncode(std::string_view("\0", 1)), "%00");
}

}  // namespace
}  // namespace vix
