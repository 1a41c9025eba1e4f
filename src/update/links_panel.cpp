#include "update/links_panel.h"

#include <utility>

#include <shellapi.h>

#include "platform/bstr.h"
#include "platform/system_libraries.h"
#include "platform/variant.h"
#include "update/link_rule.h"
#include "update/web_address.h"

namespace vix {

void OpenInBrowser(HWND owner, const std::wstring& address) {
    // Nothing to report: a missing browser is the shell's to tell.
    platform::late::ShellExecuteW(owner, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

bool OpenWebLink(HWND owner, std::wstring_view target) {
    const auto address = ParseWebAddress(target);
    if (!address) return false;
    OpenInBrowser(owner, address->ToString());
    return true;
}

LinksPanel::~LinksPanel() { ReleaseBrowser(); }

bool LinksPanel::Create(HWND parent, const Rect& bounds, std::optional<LinkSite> site,
                        LinkOpener opener) {
    linkSite_ = std::move(site);
    opener_ = opener ? std::move(opener) : LinkOpener([this](const std::wstring& address) {
        OpenInBrowser(::GetAncestor(hwnd(), GA_ROOT), address);
    });
    Window::Create({.name = L"VixLinksPanel"}, {.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                                .text = L"Webdevelopment links",
                                                .bounds = bounds,
                                                .parent = parent});
    return hwnd() != nullptr;
}

bool LinksPanel::AddBrowser() {
    if (!hwnd()) return false;
    if (browserTried_) return HasBrowser();
    browserTried_ = true;
    if (MakeBrowser()) return true;
    ReleaseBrowser();
    return false;
}

bool LinksPanel::MakeBrowser() {
    if (!ole_.emplace().ok()) return false;
    if (FAILED(platform::late::CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER,
                                                IID_IOleObject, object_.put_void())))
        return false;
    site_ = platform::ComPtr<BrowserSite>::Adopt(new BrowserSite(
        hwnd(),
        [this](const std::wstring& address, bool topLevel) {
            return BeforeNavigate(address, topLevel);
        },
        [this](const std::wstring& address, bool userInitiated) {
            NewWindow(address, userInitiated);
        }));
    site_->SetTopLevel(object_.get());
    if (FAILED(object_->SetClientSite(static_cast<IOleClientSite*>(site_.get())))) return false;
    RECT area{};
    ::GetClientRect(hwnd(), &area);
    if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr,
                               static_cast<IOleClientSite*>(site_.get()), 0, hwnd(), &area)))
        return false;
    if (FAILED(object_.TryQuery(IID_IWebBrowser2, browser_))) return false;
    // Script errors of the page are not the user's business.
    browser_->put_Silent(VARIANT_TRUE);
    platform::ComPtr<IConnectionPointContainer> points;
    if (FAILED(browser_.TryQuery(IID_IConnectionPointContainer, points)) ||
        FAILED(points->FindConnectionPoint(DIID_DWebBrowserEvents2, events_.put())) ||
        FAILED(events_->Advise(static_cast<IDispatch*>(site_.get()), &cookie_))) {
        // Without the navigation events the rule could not be kept: no
        // browser rather than one that opens anything.
        return false;
    }
    // Without it no click is ever seen: the site's pages still work, and
    // nothing leaves it.
    input_.emplace([this](const MSG& message) { WatchInput(message); });
    return true;
}

void LinksPanel::ReleaseBrowser() {
    input_.reset();
    if (events_ && cookie_) events_->Unadvise(cookie_);
    events_.reset();
    cookie_ = 0;
    if (browser_) browser_->Stop();
    browser_.reset();
    if (object_) {
        object_->Close(OLECLOSE_NOSAVE);
        object_->SetClientSite(nullptr);
    }
    object_.reset();
    // The control may hold the site a while longer: it ignores what comes.
    if (site_) site_->Detach();
    site_.reset();
    ole_.reset();
}

bool LinksPanel::Navigate(const std::wstring& address) {
    if (!browser_) return false;
    platform::Variant empty;
    return SUCCEEDED(browser_->Navigate(platform::Bstr(address).get(), empty.get(), empty.get(),
                                        empty.get(), empty.get()));
}

// The user's click or Enter inside the control's windows, whichever loop
// takes it: the control itself tells no navigation of a link the user
// followed from one a page's script or refresh starts.
void LinksPanel::WatchInput(const MSG& message) {
    const bool mine = message.hwnd == hwnd() || ::IsChild(hwnd(), message.hwnd);
    const bool click = message.message == WM_LBUTTONUP ||
                       (message.message == WM_KEYDOWN && message.wParam == VK_RETURN);
    if (mine && click) click_.Record(::GetTickCount64());
}

NavigationAction LinksPanel::Decide(NavigationKind kind, const LinkDecision& decision) {
    const NavigationAction action =
        DecideNavigation(kind, decision.verdict, click_.Fresh(::GetTickCount64()));
    if (action == NavigationAction::OpenOutside) {
        click_.Use();
        if (opener_) opener_(decision.address);
    }
    return action;
}

bool LinksPanel::BeforeNavigate(const std::wstring& address, bool topLevel) {
    const NavigationKind kind = topLevel ? NavigationKind::Page : NavigationKind::Frame;
    return Decide(kind, DecideLink(address, linkSite_)) != NavigationAction::Proceed;
}

void LinksPanel::NewWindow(const std::wstring& address, bool userInitiated) {
    const NavigationKind kind = userInitiated ? NavigationKind::NewWindow : NavigationKind::PopUp;
    if (Decide(kind, DecideLink(address, linkSite_)) == NavigationAction::Proceed)
        Navigate(ParseWebAddress(address)->ToString());
}

namespace {

// Posted by the first paint: the browser is not made inside a paint.
constexpr UINT kLoadShownPanel = WM_APP + 1;

}  // namespace

void LinksPanel::WhenFirstShown(std::function<void()> load) {
    whenShown_ = std::move(load);
    // A panel on the screen paints again at once; a hidden one when shown.
    ::InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT LinksPanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DESTROY: ReleaseBrowser(); break;
        case WM_PAINT:
            if (whenShown_) ::PostMessageW(hwnd(), kLoadShownPanel, 0, 0);
            break;
        case kLoadShownPanel:
            if (auto load = std::exchange(whenShown_, nullptr)) load();
            return 0;
        default: break;
    }
    return DefaultHandling(message, wParam, lParam);
}

}  // namespace vix
