#pragma once

#include <windows.h>
#include <exdisp.h>
#include <ocidl.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/com_apartment.h"
#include "platform/com_ptr.h"
#include "update/link_rule.h"
#include "platform/message_watch.h"
#include "platform/window.h"
#include "update/browser_site.h"
#include "update/navigation_rule.h"
#include "update/user_click.h"

// The links page: the vendor's small web page in an embedded browser
// control. Pages of the vendor's site open inside it; any other web link
// the user clicks goes to the user's default browser, one address a click;
// what the page starts by itself, and anything that is not a clean web
// address, goes nowhere.

namespace vix {

// Hands an address to the default browser.
using LinkOpener = std::function<void(const std::wstring& address)>;

// Opens `address` with the shell's "open" verb on behalf of `owner`, shown
// normally.
void OpenInBrowser(HWND owner, const std::wstring& address);

// Opens `target` in the default browser when it is a clean absolute http or
// https address, written out from its parsed form; anything else (file:,
// UNC paths, other schemes, program names) is not opened. False then.
bool OpenWebLink(HWND owner, std::wstring_view target);

class LinksPanel final : public platform::Window {
  public:
    LinksPanel() = default;
    ~LinksPanel() override;

    // Makes the panel's window in `parent`, still empty. The pages of
    // `site` stay in the panel (none without one); `opener` (by default the
    // shell) receives the other web addresses. False when the window could
    // not be made.
    bool Create(HWND parent, const Rect& bounds, std::optional<LinkSite> site,
                LinkOpener opener = {});
    // Makes the browser control in the panel, once. Kept apart from Create
    // because the browser's libraries take long to load and the program's
    // start need not wait for them. False when no browser control could be
    // made: the panel then stays empty, and nothing else fails.
    bool AddBrowser();
    bool HasBrowser() const { return static_cast<bool>(browser_); }

    // Loads the page. False when there is no browser or it refused.
    bool Navigate(const std::wstring& address);
    // Runs `load` once, as soon as the panel shows on the screen: now if it
    // does, else when its tab is first opened. The browser costs the
    // program nearly 2 MB of memory, held for a page most starts never see.
    void WhenFirstShown(std::function<void()> load);

    // The control and the receiver of its events, as the control calls it
    // (null without a browser).
    IWebBrowser2* browser() const { return browser_.get(); }
    IDispatch* events() const { return static_cast<IDispatch*>(site_.get()); }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    bool MakeBrowser();
    void ReleaseBrowser();
    // The rule before every navigation; true cancels it.
    bool BeforeNavigate(const std::wstring& address, bool topLevel);
    void NewWindow(const std::wstring& address, bool userInitiated);
    // Applies the rule's action; uses the click up when it opens outside.
    NavigationAction Decide(NavigationKind kind, const LinkDecision& decision);
    void WatchInput(const MSG& message);

    std::function<void()> whenShown_;
    std::optional<LinkSite> linkSite_;
    LinkOpener opener_;
    // In-place activation needs OLE, not only COM, on this thread.
    std::optional<platform::OleScope> ole_;
    bool browserTried_ = false;
    platform::ComPtr<BrowserSite> site_;
    platform::ComPtr<IOleObject> object_;
    platform::ComPtr<IWebBrowser2> browser_;
    platform::ComPtr<IConnectionPoint> events_;
    DWORD cookie_ = 0;
    UserClick click_;
    std::optional<platform::MessageWatch> input_;
};

}  // namespace vix
