#pragma once

#include <string>
#include <string_view>

// The access list of a folder of the user's own: full control for the user
// and the system, to the folder and, inherited, to everything made in it,
// and nothing inherited from above.

namespace vix::platform {

// The list in the system's text form (SDDL) for the user `userSid`.
std::wstring PrivateAccessList(std::wstring_view userSid);

// Whether the list `sddl`, as read back from a folder, grants what
// PrivateAccessList grants and nothing more: exactly its two entries, in
// any order (Wine lists the system first), whatever the list's flags say.
// No list ("D:NO_ACCESS_CONTROL", which lets everyone in), an empty one or
// any other entry is not private.
bool IsPrivateAccessList(std::wstring_view sddl, std::wstring_view userSid);

}  // namespace vix::platform
