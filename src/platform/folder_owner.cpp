#include "platform/folder_owner.h"

namespace vix::platform {

bool OwnedByCurrentUser(std::wstring_view owner, std::wstring_view user,
                        std::wstring_view defaultOwner) {
    if (owner.empty()) return false;
    return owner == user || owner == defaultOwner;
}

}  // namespace vix::platform
