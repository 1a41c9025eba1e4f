#pragma once

#include "update/link_rule.h"

// What the links panel does with one navigation of its browser control,
// given where the link rule says the address belongs and whether the user
// has just clicked. A page of the vendor's site must not be able to open
// addresses in the user's browser by itself (a frame, a meta refresh, a
// script): only a click or Enter of the user's own leaves the site.

namespace vix {

enum class NavigationKind {
    Page,       // the panel's own page is about to change
    Frame,      // a frame inside the page is about to change
    NewWindow,  // the page asks for a new window, and the control marks
                // the request as started by the user
    PopUp,      // a new window the control does not mark so: a script's,
                // or one a dialog of the page asks for
};

enum class NavigationAction {
    Proceed,      // let the panel show it (for a new window: in the panel)
    OpenOutside,  // cancel it and open the address in the default browser
    Cancel,       // cancel it, open nothing, say nothing
};

// `userClicked`: the user released the left button or pressed Enter in the
// panel a moment ago, and no earlier navigation has used that up.
NavigationAction DecideNavigation(NavigationKind kind, LinkVerdict verdict, bool userClicked);

}  // namespace vix
