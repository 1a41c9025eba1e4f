// The links panel's browser control under Wine: which navigations stay in
// the panel, which go to the default browser (only after the user's click,
// one address a click), which go nowhere, and an empty panel when no
// control can be made. Wine's control creates and starts navigations but
// renders nothing (no Gecko here): frames, new windows and odd arguments
// are the control's events as it would send them, built here.
#include <windows.h>
#include <exdispid.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <thread>
#include <vector>

#include "fake_tool_host.h"
#include "platform/bstr.h"
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
    // The user's left button released, or Enter, in the control's window,
    // taken from the queue as any loop of the thread would.
    void Click(UINT message = WM_LBUTTONUP, WPARAM key = 0) {
        HWND inside = ::GetWindow(panel_.hwnd(), GW_CHILD);
        ::PostMessageW(inside ? inside : panel_.hwnd(), message, key, 0);
        Pump(20);
    }
    // The top-level control's own event; a frame's comes from another
    // browser object.
    IDispatch* Page() const { return panel_.browser(); }

    ParentWindow parent_;
    LinksPanel panel_;
    bool made_ = false;
    std::vector<std::wstring> opened_;
};

// One event's arguments, last first, as the control builds them; `count`
// of them are sent (one more is there to be sent too many).
class Event {
  public:
    // BeforeNavigate2 from `browser`: the address behind a reference.
    Event(IDispatch* browser, const wchar_t* address) : id_(DISPID_BEFORENAVIGATE2), url_(address) {
        address_.vt = VT_BSTR;
        address_.bstrVal = url_.get();
        args_[6].vt = VT_DISPATCH;
        args_[6].pdispVal = browser;
        args_[5].vt = VT_BYREF | VT_VARIANT;
        args_[5].pvarVal = &address_;
        Cancel(0);
    }
    // NewWindow3 with its flags.
    Event(DWORD flags, const wchar_t* address) : id_(DISPID_NEWWINDOW3), url_(address) {
        args_[0].vt = VT_BSTR;
        args_[0].bstrVal = url_.get();
        args_[2].vt = VT_I4;
        args_[2].lVal = static_cast<LONG>(flags);
        Cancel(3);
    }
    // The Cancel the receiver left, after it was sent `count` arguments.
    VARIANT_BOOL Send(IDispatch* sink, UINT count) {
        DISPPARAMS params{args_, nullptr, count, 0};
        EXPECT_EQ(
            sink->Invoke(id_, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr),
            S_OK);
        return cancel_;
    }
    VARIANT_BOOL Send(IDispatch* sink) { return Send(sink, id_ == DISPID_NEWWINDOW3 ? 5 : 7); }
    VARIANT& Argument(int at) { return args_[at]; }

  private:
    void Cancel(int at) {
        args_[at].vt = VT_BYREF | VT_BOOL;
        args_[at].pboolVal = &cancel_;
    }

    DISPID id_;
    platform::Bstr url_;
    VARIANT address_{};
    VARIANT args_[8]{};
    VARIANT_BOOL cancel_ = VARIANT_FALSE;
};

TEST_F(LinksPanelTest, ForeignLinkGoesToTheDefaultBrowserWrittenOut) {
    Click();
    Go(L"HTTP://Example.org:8080/a b?x=\"1\"");
    ASSERT_EQ(opened_.size(), 1u);
    EXPECT_EQ(opened_[0], L"http://example.org:8080/a%20b?x=%221%22");
}

TEST_F(LinksPanelTest, OnlyTheSitesHttpsPagesStayInThePanel) {
    Go(L"https://www.brellin.example/scripts/vix_r2_more/links.html");
    EXPECT_TRUE(opened_.empty());
    Click();
    Go(L"http://www.brellin.example/page");
    Click(WM_KEYDOWN, VK_RETURN);
    Go(L"https://elsewhere.example/?x=https://www.brellin.example/");
    EXPECT_EQ(opened_, (std::vector<std::wstring>{
                           L"http://www.brellin.example/page",
                           L"https://elsewhere.example/?x=https://www.brellin.example/"}));
}

// A meta refresh or a script's navigation of the page, or a frame's (any
// browser object but the page's): nothing opens without the user's left
// button or Enter, and one click opens one address.
TEST_F(LinksPanelTest, OnlyTheUsersClickOnThePageLeavesTheSite) {
    const wchar_t* away = L"https://elsewhere.example/";
    Click(WM_RBUTTONUP);
    Click(WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(Event(Page(), away).Send(panel_.events()), VARIANT_TRUE);
    Click();
    for (IDispatch* frame : {panel_.events(), static_cast<IDispatch*>(nullptr)})
        EXPECT_EQ(Event(frame, away).Send(panel_.events()), VARIANT_TRUE);
    EXPECT_TRUE(opened_.empty());
    EXPECT_EQ(Event(panel_.events(), L"https://www.brellin.example/f").Send(panel_.events()),
              VARIANT_FALSE);
    Event(Page(), L"https://elsewhere.example/1").Send(panel_.events());
    Event(Page(), L"https://elsewhere.example/2").Send(panel_.events());
    EXPECT_EQ(opened_, std::vector<std::wstring>{L"https://elsewhere.example/1"});
}

// target=_blank or window.open, after a click: outside only when the
// control marks it as the user's and not a dialog's; the new window itself
// is always cancelled.
TEST_F(LinksPanelTest, ANewWindowOpensOutsideOnlyWhenTheUserAskedForIt) {
    const std::pair<DWORD, bool> cases[] = {
        {0x2, true}, {0x0, false}, {0x42, false}, {0x22, false}};
    for (const auto& [flags, opens] : cases) {
        opened_.clear();
        Click();
        EXPECT_EQ(Event(flags, L"https://elsewhere.example/n").Send(panel_.events()), VARIANT_TRUE);
        EXPECT_EQ(opened_.size(), opens ? 1u : 0u) << "flags " << flags;
        Event(Page(), L"https://elsewhere.example/").Send(panel_.events());  // spends the click
    }
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
        {[](const std::wstring&, bool) { return false; }, VARIANT_FALSE},
        {[](const std::wstring&, bool) { return true; }, VARIANT_TRUE},
        {[](const std::wstring&, bool) -> bool { throw std::bad_alloc(); }, VARIANT_TRUE},
        {nullptr, VARIANT_TRUE},
    };
    for (const Case& c : cases) {
        BrowserSite* site = new BrowserSite(nullptr, c.filter, nullptr);
        EXPECT_EQ(Event(nullptr, L"https://www.brellin.example/").Send(site), c.cancel);
        site->Release();
    }
}

// Too few or too many arguments: cancelled, and nothing decided on them.
// An argument of another type than the control's reads as nothing.
TEST(BrowserSiteEvents, ArgumentsNotAsTheControlSendsThemAreCancelled) {
    std::vector<std::wstring> seen;
    BrowserSite* site = new BrowserSite(
        nullptr,
        [&](const std::wstring& a, bool) {
            seen.push_back(a);
            return false;
        },
        [&](const std::wstring& a, bool) { seen.push_back(a); });
    for (UINT count : {1u, 6u, 8u})
        EXPECT_EQ(Event(nullptr, L"https://www.brellin.example/").Send(site, count), VARIANT_TRUE)
            << count;
    for (UINT count : {4u, 6u})
        EXPECT_EQ(Event(0x2, L"https://www.brellin.example/").Send(site, count), VARIANT_TRUE)
            << count;
    EXPECT_TRUE(seen.empty());
    Event wrongType(nullptr, L"https://www.brellin.example/");
    wrongType.Argument(5).vt = VT_I4;
    wrongType.Send(site);
    EXPECT_EQ(seen, std::vector<std::wstring>{L""});
    site->Release();
}

TEST_F(LinksPanelTest, AnythingButAWebAddressGoesNowhere) {
    for (const wchar_t* target :
         {L"file:///C:/windows/win.ini", L"\\\\server\\share\\x.exe", L"C:\\windows\\notepad.exe",
          L"javascript:alert(1)", L"mailto:someone@example.org",
          L"http://user@www.brellin.example/", L"ms-settings:"}) {
        Click();
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
