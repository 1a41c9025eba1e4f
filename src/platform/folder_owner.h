#pragma once

#include <string_view>

// Whose a folder found already in place is: the user may keep using a
// folder only when nobody else could have prepared it.

namespace vix::platform {

// Whether a folder whose owner is `owner` (a security identifier in text
// form, "S-1-5-...") belongs to the current user: owned by the user's own
// identifier `user`, or by the default owner `defaultOwner` the user's token
// gives what it creates (Administrators for an elevated administrator). An
// owner, user or default owner that could not be read (empty) matches
// nothing.
bool OwnedByCurrentUser(std::wstring_view owner, std::wstring_view user,
                        std::wstring_view defaultOwner);

}  // namespace vix::platform
