#include "update/update_redirect.h"

#include <gtest/gtest.h>

namespace vix {
namespace {

TEST(FollowedRedirect, OnlyToTheVendorsHostOverHttps) {
    const WebAddress https = *ParseWebAddress(L"https://www.brellin.example/scripts/get.html?a=1");
    const WebAddress http = *ParseWebAddress(L"http://www.brellin.example:8080/get.html");
    struct Case {
        const WebAddress& from;
        const wchar_t* location;
        const wchar_t* next;  // nullptr: refused
    };
    const Case cases[] = {
        {https, L"/moved?a=1", L"https://www.brellin.example/moved?a=1"},
        {https, L"https://www.brellin.example/new", L"https://www.brellin.example/new"},
        {https, L"HTTPS://WWW.Brellin.Example:8443/new", L"https://www.brellin.example:8443/new"},
        {http, L"https://www.brellin.example/new", L"https://www.brellin.example/new"},
        {https, L"https://dl.brellin.example/new", nullptr},
        {https, L"https://www.brellin.example.attacker.example/", nullptr},
        {https, L"https://attacker.example/www.brellin.example", nullptr},
        {https, L"//attacker.example/new", nullptr},
        {https, L"http://www.brellin.example/new", nullptr},
        {http, L"/moved", nullptr},
        {https, L"https://user@www.brellin.example/", nullptr},
        {https, L"ftp://www.brellin.example/", nullptr},
        {https, L"moved", nullptr},
        {https, L"", nullptr},
        {https, L"https://www.brellin.example/\r\nX-Evil: 1", nullptr},
    };
    for (const Case& c : cases) {
        const auto next = FollowedRedirect(L"www.brellin.example", c.from, c.location);
        if (!c.next) {
            EXPECT_FALSE(next) << c.location << " -> " << next->ToString();
            continue;
        }
        ASSERT_TRUE(next) << c.location;
        EXPECT_EQ(next->ToString(), c.next) << c.location;
    }
}

}  // namespace
}  // namespace vix
