#include "update/user_click.h"

namespace vix {

bool UserClick::Fresh(std::uint64_t nowMs) const {
    // A clock that went back (a click recorded "later" than now) is no
    // reason to trust it longer.
    return at_ && nowMs >= *at_ && nowMs - *at_ <= kFreshMs;
}

}  // namespace vix
