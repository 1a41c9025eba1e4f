#include "update/navigation_rule.h"

namespace vix {

NavigationAction DecideNavigation(NavigationKind kind, LinkVerdict verdict, bool userClicked) {
    if (verdict == LinkVerdict::Refuse) return NavigationAction::Cancel;
    // The site's own pages may load anywhere in the panel, in a frame as in
    // the page itself: they show nothing the site's page could not show.
    // A pop-up of the site's still needs the user, or a script could keep
    // replacing the page the user reads.
    if (verdict == LinkVerdict::Proceed)
        return kind == NavigationKind::PopUp ? NavigationAction::Cancel : NavigationAction::Proceed;
    // Leaving the site: only the page or a new window the user asked for
    // with a click of their own. A frame never leaves, whatever the click:
    // it is not what the user sees as the link they followed.
    const bool asked = kind == NavigationKind::Page || kind == NavigationKind::NewWindow;
    return asked && userClicked ? NavigationAction::OpenOutside : NavigationAction::Cancel;
}

}  // namespace vix
