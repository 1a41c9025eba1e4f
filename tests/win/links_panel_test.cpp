// The links panel's browser control under Wine: which navigations stay in
// the panel, which go to the default browser, which go nowhere, and an
// empty panel when no control can be made. Wine's control creates and
// starts navigations but renders nothing (no Gecko here).
#include <windows.h>
#include <exdispid.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <thread>
#include <vector>

#include "fake_tool_host.h"
#include "update/browser_site.h"
#include "update/links_panel.h"

namespace vix::test {
namespace {

const LinkSite kSite{L"www.brellin.example", 443};

class ParentWindow final : public platform::Window {
  public:
    ParentWindow() {
        Create({.name = L"VixLinksTestParent"},
               {.style = WS_POPUP, .text = L"", .bounds = Rect::FromBounds(0, 0, 260, 300)});
    }
};

class LinksPanelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(panel_.Create(parent_.hwnd(), Rect::FromBounds(2, 0, 251, 289), kSite,
                                  [this](const std::wstring& a) { opened_.push_back(a); }));
        // Not before it is asked for.
        EXPECT_FALSE(panel_.HasBrowser());
        made_ = panel_.AddBrowser();
        EXPECT_EQ(panel_.AddBrowser(), made_);
        if (!made_) GTEST_SKIP() << "no browser control in this prefix";
    }

    // Starts a navigation and lets the control's events run.
    void Go(const std::wstring& address) {
        panel_.Navigate(address);
        Pump(300);
    }

    ParentWindow parent_;
    LinksPanel panel_;
    bool made_ = false;
    std::vector<std::wstring> opened_;
};

TEST_F(LinksPanelTest, ForeignLinkGoesToTheDefaultBrowserWrittenOut) {
    Go(L"HTTP://Example.org:8080/a b?x=\"1\"");
    ASSERT_EQ(opened_.size(), 1u);
    EXPECT_EQ(opened_[0], L"http://example.org:8080/a%20b?x=%221%22");
}

TEST_F(LinksPanelTest, OnlyTheSitesHttpsPagesStayInThePanel) {
    Go(L"https://www.brellin.example/scripts/vix_r2_more/links.html");
    EXPECT_TRUE(opened_.empty());
    Go(L"http://www.brellin.example/page");
    Go(L"https://elsewhere.example/?x=https://www.brellin.example/");
    EXPECT_EQ(opened_, (std::vector<std::wstring>{
                           L"http://www.brellin.example/page",
                           L"https://elsewhere.example/?x=https://www.brellin.example/"}));
}

// The control's own event, as it calls its sink: the navigation is
// cancelled unless the filter has decided to let it through, so a filter
// that fails lets nothing through.
TEST(BrowserSiteEvents, BeforeNavigateIsCancelledUnlessTheFilterAllowsIt) {
    struct Case {
        NavigationFilter filter;
        VARIANT_BOOL cancel;
    };
    const Case cases[] = {
        {[](const std::wstring&) { return false; }, VARIANT_FALSE},
        {[](const std::wstring&) { return true; }, VARIANT_TRUE},
        {[](const std::wstring&) -> bool { throw std::bad_alloc(); }, VARIANT_TRUE},
        {nullptr, VARIANT_TRUE},
    };
    for (const Case& c : cases) {
        BrowserSite* site = new BrowserSite(nullptr, c.filter, nullptr);
        VARIANT_BOOL cancel = VARIANT_FALSE;
        BSTR url = ::SysAllocString(L"https://www.brellin.example/");
        VARIANT args[7] = {};
        args[0].vt = VT_BYREF | VT_BOOL;
        args[0].pboolVal = &cancel;
        args[5].vt = VT_BSTR;
        args[5].bstrVal = url;
        DISPPARAMS params{args, nullptr, 7, 0};
        EXPECT_EQ(site->Invoke(DISPID_BEFORENAVIGATE2, IID_NULL, 0, DISPATCH_METHOD, &params,
                               nullptr, nullptr, nullptr),
                  S_OK);
        EXPECT_EQ(cancel, c.cancel);
        ::SysFreeString(url);
        site->Release();
    }
}

TEST_F(LinksPanelTest, AnythingButAWebAddressGoesNowhere) {
    for (const wchar_t* target :
         {L"file:///C:/windows/win.ini", L"\\\\server\\share\\x.exe", L"C:\\windows\\notepad.exe",
          L"javascript:alert(1)", L"mailto:someone@example.org",
          L"http://user@www.brellin.example/", L"ms-settings:"}) {
        Go(target);
    }
    EXPECT_TRUE(opened_.empty());
    EXPECT_EQ(platform::WindowText(panel_.hwnd()), L"Webdevelopment links");
}

// The page loads once, when the panel first shows: not while its parent is
// hidden, at once when it is shown already.
TEST(LinksPanelShowing, LoadsWhenFirstShownAndOnlyThen) {
    ParentWindow parent;
    LinksPanel panel;
    ASSERT_TRUE(panel.Create(parent.hwnd(), Rect::FromBounds(2, 0, 251, 289), kSite));
    int loads = 0;
    panel.WhenFirstShown([&] { ++loads; });
    Pump(200);
    EXPECT_EQ(loads, 0) << "loaded while hidden";
    ::ShowWindow(parent.hwnd(), SW_SHOWNOACTIVATE);
    Pump(200);
    EXPECT_EQ(loads, 1);
    panel.WhenFirstShown([&] { loads += 10; });
    Pump(200);
    EXPECT_EQ(loads, 11) << "a panel on the screen loads at once";
}

// A thread whose COM is multi-threaded cannot host the control: the panel
// is made empty and nothing fails.
TEST(LinksPanelWithoutBrowser, StaysEmpty) {
    bool made = true;
    bool window = false;
    std::thread([&] {
        ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        {
            ParentWindow parent;
            LinksPanel panel;
            window = panel.Create(parent.hwnd(), Rect::FromBounds(2, 0, 251, 289), kSite);
            made = panel.AddBrowser();
            window = window && panel.hwnd() != nullptr && !panel.HasBrowser();
            EXPECT_FALSE(panel.Navigate(L"http://www.brellin.example/"));
        }
        ::CoUninitialize();
    }).join();
    EXPECT_FALSE(made);
    EXPECT_TRUE(window);
}

TEST(OpenWebLink, RefusesWhatIsNotAWebAddress) {
    EXPECT_FALSE(OpenWebLink(nullptr, L"file:///C:/windows/win.ini"));
    EXPECT_FALSE(OpenWebLink(nullptr, L"notepad.exe"));
    EXPECT_FALSE(OpenWebLink(nullptr, L""));
}

}  // namespace
}  // namespace vix::test
