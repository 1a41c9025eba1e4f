#pragma once

#include <windows.h>

#include <string>

// Security identifiers and access lists in the system's text form, for
// comparing them and for tests.

namespace vix::platform {

// "S-1-5-..." always, never an alias such as "BA": two identifiers compare
// equal as text exactly when they are the same. Empty when it cannot be
// converted.
std::wstring SidText(PSID sid);

// The access list of `descriptor` (SDDL, the list only: "D:P(A;...)...");
// empty when it cannot be converted.
std::wstring AccessListText(PSECURITY_DESCRIPTOR descriptor);

// The identifier of the current user, or the default owner of what the
// user creates (`TokenUser` or `TokenOwner`), from the process's token;
// empty when the token does not say.
std::wstring TokenSid(TOKEN_INFORMATION_CLASS which);

}  // namespace vix::platform
