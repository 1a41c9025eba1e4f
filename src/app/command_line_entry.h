#pragma once

#include <optional>

// The program's one-shot commands (vix.exe /capture, /pick, /?): run
// before anything of the program's start, so that they neither meet the
// single-instance check nor disturb a copy that runs, and read the settings
// without writing them.

namespace vix {

// The process's exit code when the arguments asked for a command (done,
// or refused with a message); nothing when the program starts as usual.
std::optional<int> RunCommandLine();

}  // namespace vix
