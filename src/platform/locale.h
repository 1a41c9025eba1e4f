#pragma once

// The user's number format.

namespace vix::platform {

// The decimal separator of the user's locale ('.' when it cannot be read).
wchar_t UserDecimalSeparator();

}  // namespace vix::platform
