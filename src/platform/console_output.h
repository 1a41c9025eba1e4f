#pragma once

#include <string_view>

// What a one-shot command says to whoever started it. vix.exe is a
// Windows program, not a console one: it has a console only when the
// command prompt it was started from lends it one, or a file or pipe when
// a script redirects its output.

namespace vix::platform {

enum class OutputStream { Out, Err };

// Writes `text` and a line break to the program's standard handle
// `stream` when the parent gave one (a file, a pipe: UTF-8), else to the
// console of the parent process when there is one; with neither, shows it
// in a message box with `caption` when `boxWithoutConsole`.
void TellStarter(std::wstring_view text, OutputStream stream, const wchar_t* caption,
                 bool boxWithoutConsole);

}  // namespace vix::platform
