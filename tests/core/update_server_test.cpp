#include "update/update_server.h"

#include <gtest/gtest.h>

#include "update/link_rule.h"

namespace vix {
namespace {

TEST(ChooseServer, VendorOverHttpsWithoutAnOverride) {
    const auto server = ChooseServer(std::nullopt);
    ASSERT_TRUE(server.has_value());
    EXPECT_EQ(server->scheme, WebScheme::Https);
    EXPECT_EQ(server->host, L"www.brellin.example");
    EXPECT_EQ(LinksSite(*server)->host, L"www.brellin.example");
    EXPECT_EQ(LinksSite(*server)->port, 443);
}

TEST(ChooseServer, TakesALoopbackOverrideOverHttpOrHttps) {
    const auto plain = ChooseServer(L"http://127.0.0.1:8123");
    ASSERT_TRUE(plain.has_value());
    EXPECT_EQ(plain->scheme, WebScheme::Http);
    EXPECT_EQ(plain->EffectivePort(), 8123);
    EXPECT_FALSE(LinksSite(*plain).has_value());
    const auto secure = ChooseServer(L"https://localhost:8443/");
    ASSERT_TRUE(secure.has_value());
    EXPECT_EQ(secure->scheme, WebScheme::Https);
    EXPECT_EQ(LinksPageAddress(*secure).ToString(),
              L"https://localhost:8443/scripts/vix_r2_more/get.html");
}

TEST(ChooseServer, AnyOtherOverrideKeepsTheProgramOffTheNetwork) {
    for (const wchar_t* text :
         {L"", L"127.0.0.1:8123", L"http://10.0.0.5:8123", L"https://www.brellin.example",
          L"http://evil.example", L"http://127.0.0.1:8123/base", L"http://127.0.0.1:8123/?x",
          L"http://127.0.0.1:8123/#x", L"http://u@127.0.0.1:8123", L"file:///tmp",
          L"http://127.0.0.1:0"})
        EXPECT_FALSE(ChooseServer(text).has_value()) << text;
}

TEST(UpdateQuery, PathAndPercentEncodedComputerName) {
    const auto server = *ChooseServer(std::nullopt);
    EXPECT_EQ(UpdateQueryAddress(server, L"DESKTOP-4F2").ToString(),
              L"https://www.brellin.example/scripts/get_vix_updates/get.html"
              L"?action=startup&majvers=2&minvers=0&compName=DESKTOP-4F2");
    const auto local = *ChooseServer(L"http://127.0.0.1:8123");
    const auto query = UpdateQueryAddress(local, L"A B&c=d#\u00e9");
    EXPECT_EQ(query.path,
              L"/scripts/get_vix_updates/get.html"
              L"?action=startup&majvers=2&minvers=0&compName=A%20B%26c%3Dd%23%C3%A9");
    EXPECT_EQ(query.host, L"127.0.0.1");
    EXPECT_EQ(query.port, 8123);
    EXPECT_EQ(UpdateQueryAddress(local, L"").path,
              L"/scripts/get_vix_updates/get.html?action=startup&majvers=2&minvers=0&compName=");
    EXPECT_EQ(UpdateQueryAddress(local, L"x", {3, 7}).path,
              L"/scripts/get_vix_updates/get.html?action=startup&majvers=3&minvers=7&compName=x");
}

// The panel's own start page stays in it when the server is https; over a
// plain http test server the panel keeps nothing, not even that page.
TEST(UpdateQuery, TheStartPageStaysInThePanelOnlyOverHttps) {
    for (auto server : {*ChooseServer(std::nullopt), *ChooseServer(L"https://127.0.0.1:8443")}) {
        const auto start = LinksPageAddress(server).ToString();
        EXPECT_EQ(DecideLink(start, LinksSite(server)).verdict, LinkVerdict::Proceed) << start;
    }
    const auto plain = *ChooseServer(L"http://127.0.0.1:8123");
    EXPECT_EQ(DecideLink(LinksPageAddress(plain).ToString(), LinksSite(plain)).verdict,
              LinkVerdict::OpenOutside);
}

struct LinkCase {
    const wchar_t* target;
    LinkVerdict verdict;
    const wchar_t* opened;
};

const LinkSite kSite{L"www.brellin.example", 443};

constexpr LinkCase kLinks[] = {
    {L"https://www.brellin.example/scripts/vix_r2_more/page2.html", LinkVerdict::Proceed, L""},
    {L"https://www.brellin.example", LinkVerdict::Proceed, L""},
    {L"HTTPS://WWW.Brellin.Example:443/a", LinkVerdict::Proceed, L""},
    // The site over plain http, on another port, or without "www.".
    {L"http://www.brellin.example/page", LinkVerdict::OpenOutside,
     L"http://www.brellin.example/page"},
    {L"https://www.brellin.example:8443/", LinkVerdict::OpenOutside,
     L"https://www.brellin.example:8443/"},
    {L"https://brellin.example/", LinkVerdict::OpenOutside, L"https://brellin.example/"},
    // The site's name anywhere but in the host does not make a page the site's.
    {L"https://elsewhere.example/?x=https://www.brellin.example/", LinkVerdict::OpenOutside,
     L"https://elsewhere.example/?x=https://www.brellin.example/"},
    {L"https://www.brellin.example.elsewhere.example/", LinkVerdict::OpenOutside,
     L"https://www.brellin.example.elsewhere.example/"},
    {L"https://elsewhere.example/www.brellin.example/", LinkVerdict::OpenOutside,
     L"https://elsewhere.example/www.brellin.example/"},
    {L"https://other.example/a b\"", LinkVerdict::OpenOutside, L"https://other.example/a%20b%22"},
    {L"HTTP://Other.Example:8080", LinkVerdict::OpenOutside, L"http://other.example:8080/"},
    // Nothing but clean http and https, site or not.
    {L"file://www.brellin.example/c$/x.exe", LinkVerdict::Refuse, L""},
    {L"\\\\www.brellin.example/share\\x.exe", LinkVerdict::Refuse, L""},
    {L"javascript:location='https://www.brellin.example/'", LinkVerdict::Refuse, L""},
    {L"C:\\Windows\\notepad.exe", LinkVerdict::Refuse, L""},
    {L"notepad.exe", LinkVerdict::Refuse, L""},
    {L"mailto:x@www.brellin.example/", LinkVerdict::Refuse, L""},
    {L"https://www.brellin.example@evil.example/", LinkVerdict::Refuse, L""},
    {L"https://evil.example/\nwww.brellin.example/", LinkVerdict::Refuse, L""},
    {L"about:blank", LinkVerdict::Refuse, L""},
};

TEST(DecideLink, OnlyHttpsPagesOfTheSitesHostStayForeignOnesOpenOutsideTheRestIsRefused) {
    for (const auto& c : kLinks) {
        const auto decision = DecideLink(c.target, kSite);
        EXPECT_EQ(decision.verdict, c.verdict) << c.target;
        EXPECT_EQ(decision.address, c.opened) << c.target;
    }
}

TEST(DecideLink, WithoutASiteNothingStays) {
    EXPECT_EQ(DecideLink(L"https://www.brellin.example/", std::nullopt).verdict,
              LinkVerdict::OpenOutside);
}

}  // namespace
}  // namespace vix
