#pragma once

#include <string>
#include <vector>

namespace vix::platform {

// The arguments the program was started with, after its own name, split
// as the system splits them (quotes, backslashes). The shell, which splits
// them, is loaded only when there is something to split.
std::vector<std::wstring> ProgramArguments();

}  // namespace vix::platform
